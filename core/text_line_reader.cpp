#include "core/text_line_reader.h"

#include "core/in_out_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace chronavell {
namespace {

constexpr std::size_t BufferSize = std::size_t{64} * 1024;
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfText = '\x1A';

[[noreturn]] void Throw(int error)
{
    // A failing call that leaves errno unset is still a failure: EIO stands in.
    throw EInOutError::fromErrno(error != 0 ? error : EIO);
}

// Asked by name only after an open has failed, to tell a file that could not be opened (an
// error) from a path where there is no file to read (no error).
bool NamesRegularFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

// A descriptor of the regular file at the path, or -1 when there is none.
int OpenRegularFile(const std::filesystem::path& file)
{
    // Without O_NONBLOCK a pipe put at the path would hold the open until some writer came.
    // What was opened is then judged on the descriptor itself, so no other file can take the
    // path's name between the check and the reading.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        if (!NamesRegularFile(file)) {
            return -1;
        }
        Throw(error);
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        Throw(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    // A regular file's reads may wait as any disk read does.
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(descriptor);
        Throw(error);
    }
    return descriptor;
}

// The first carriage return or Ctrl-Z in [begin, end), or end.
const char* FindLineStop(const char* begin, const char* end)
{
    const auto* const carriageReturn = static_cast<const char*>(
        std::memchr(begin, CarriageReturn, static_cast<std::size_t>(end - begin)));
    const char* const limit = carriageReturn != nullptr ? carriageReturn : end;
    const auto* const endOfText = static_cast<const char*>(
        std::memchr(begin, EndOfText, static_cast<std::size_t>(limit - begin)));
    return endOfText != nullptr ? endOfText : limit;
}

// Moves past the holes of a sparse file ahead. They read as NUL bytes, which never end a
// line, so a line that is no longer being kept jumps them instead of reading gigabytes of
// nothing. Called with the buffer used up, so the descriptor's offset is the next unread
// byte. Errors are no failure here: the bytes are then read as any others.
void PassHoles(int descriptor)
{
    const off_t here = ::lseek(descriptor, 0, SEEK_CUR);
    if (here < 0 || ::lseek(descriptor, here, SEEK_DATA) >= 0 || errno != ENXIO) {
        return;
    }
    // Nothing but a hole up to the end of the file.
    ::lseek(descriptor, 0, SEEK_END);
}

} // namespace

TextLineReader::TextLineReader(const std::filesystem::path& file, std::uint64_t readLimit)
    : input_(-1, BufferSize), readLimit_(readLimit)
{
    // Opened once the buffer is there, so that a failed allocation leaves no descriptor open.
    input_.setDescriptor(OpenRegularFile(file));
}

TextLineReader::~TextLineReader()
{
    if (input_.descriptor() >= 0) {
        ::close(input_.descriptor());
    }
}

bool TextLineReader::fill()
{
    if (position_ < end_) {
        return true;
    }
    if (!hasFile()) {
        return false;
    }
    const ssize_t count = input_.fillFrom(0);
    if (count < 0) {
        Throw(errno);
    }
    bytesRead_ += static_cast<std::uint64_t>(count);
    if (bytesRead_ > readLimit_) {
        Throw(EIO);
    }
    position_ = 0;
    end_ = static_cast<std::size_t>(count);
    return count > 0;
}

bool TextLineReader::atEnd()
{
    return !fill() || input_.data()[position_] == EndOfText;
}

void TextLineReader::consumeLine(std::string* line, std::size_t keep)
{
    while (fill()) {
        const char* const begin = input_.data() + position_;
        const char* const end = input_.data() + end_;
        const char* const stop = FindLineStop(begin, end);
        const auto length = static_cast<std::size_t>(stop - begin);
        if (line != nullptr && line->size() < keep) {
            line->append(begin, std::min(length, keep - line->size()));
        }
        position_ += length;
        if (stop == end) {
            if (line == nullptr || line->size() >= keep) {
                PassHoles(input_.descriptor());
            }
            continue;
        }
        if (*stop == EndOfText) {
            return;
        }
        ++position_;
        if (fill() && input_.data()[position_] == LineFeed) {
            ++position_;
        }
        return;
    }
}

std::string TextLineReader::readLine(std::size_t keep)
{
    std::string line;
    consumeLine(&line, keep);
    return line;
}

void TextLineReader::skipLine()
{
    consumeLine(nullptr, 0);
}

void TextLineReader::rewind()
{
    position_ = 0;
    end_ = 0;
    if (hasFile() && ::lseek(input_.descriptor(), 0, SEEK_SET) < 0) {
        Throw(errno);
    }
}

void TextLineReader::close()
{
    const int descriptor = input_.descriptor();
    input_.setDescriptor(-1);
    // Linux releases the descriptor even when the close is interrupted.
    if (descriptor >= 0 && ::close(descriptor) != 0 && errno != EINTR) {
        Throw(errno);
    }
}

} // namespace chronavell
