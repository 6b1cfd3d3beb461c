#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace chronavell {

// Decodes a JPEG picture. A damaged or truncated picture throws std::runtime_error naming
// `what`; nothing is ever shown half decoded.
QImage DecodeJpeg(QByteArrayView data, const QString& what);

// Reads and decodes a JPEG picture from a file or a resource path (":/...").
QImage LoadJpeg(const QString& path);

} // namespace chronavell
