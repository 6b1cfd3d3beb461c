#pragma once

#include <QString>

#include <string_view>

namespace chronavell {

// 8-bit text from a file or an error message, for display: UTF-8 where the bytes form valid
// UTF-8, Windows-1252 otherwise, so that a file written on either kind of desktop reads right.
QString DecodeText(std::string_view bytes);

} // namespace chronavell
