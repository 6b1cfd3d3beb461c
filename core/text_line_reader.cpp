#include "core/text_line_reader.h"

#include "core/in_out_error.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace chronavell {
namespace {

constexpr std::size_t BufferSize = std::size_t{64} * 1024;

[[noreturn]] void ThrowLastError()
{
    // A failing C library call that leaves errno unset is still a failure: EIO stands in.
    const int error = errno != 0 ? errno : EIO;
    throw EInOutError::FromErrno(error);
}

} // namespace

TextLineReader::TextLineReader(const std::filesystem::path& file)
    : buffer_(std::make_unique<char[]>(BufferSize))
{
    errno = 0;
    file_ = std::fopen(file.c_str(), "rb");
    if (file_ == nullptr) {
        ThrowLastError();
    }
}

TextLineReader::~TextLineReader()
{
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool TextLineReader::Fill()
{
    if (position_ < end_) {
        return true;
    }
    errno = 0;
    const std::size_t count = std::fread(buffer_.get(), 1, BufferSize, file_);
    if (count == 0 && std::ferror(file_) != 0) {
        ThrowLastError();
    }
    position_ = 0;
    end_ = count;
    return count > 0;
}

bool TextLineReader::AtEnd()
{
    return !Fill() || buffer_[position_] == EndOfText;
}

void TextLineReader::ConsumeLine(std::string* line)
{
    while (Fill()) {
        const char* const begin = buffer_.get() + position_;
        const char* const end = buffer_.get() + end_;
        const char* const stop =
            std::find_if(begin, end, [](char c) { return c == CarriageReturn || c == EndOfText; });
        if (line != nullptr) {
            line->append(begin, stop);
        }
        position_ += static_cast<std::size_t>(stop - begin);
        if (stop == end) {
            continue;
        }
        if (*stop == EndOfText) {
            return;
        }
        ++position_;
        if (Fill() && buffer_[position_] == LineFeed) {
            ++position_;
        }
        return;
    }
}

std::string TextLineReader::ReadLine()
{
    std::string line;
    ConsumeLine(&line);
    return line;
}

void TextLineReader::SkipLine()
{
    ConsumeLine(nullptr);
}

void TextLineReader::Close()
{
    std::FILE* const file = std::exchange(file_, nullptr);
    errno = 0;
    if (std::fclose(file) != 0) {
        ThrowLastError();
    }
}

} // namespace chronavell
