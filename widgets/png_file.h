#pragma once

#include <QImage>
#include <QString>

namespace chronavell {

// Reads a PNG picture, or gives a null image when it cannot. The format is named, not guessed:
// guessing asks every image plugin installed whether it reads the file, and so loads each of
// them into the program.
QImage ReadPng(const QString& path);

} // namespace chronavell
