#include "cli/output_buffer.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace chronavell {

OutputBuffer::OutputBuffer(int fileDescriptor)
    : fileDescriptor_(fileDescriptor), buffer_(std::make_unique<char[]>(Capacity))
{
}

void OutputBuffer::append(std::string_view text)
{
    if (used_ + text.size() > Capacity) {
        flush();
        if (text.size() > Capacity) {
            writeOut(text);
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
}

void OutputBuffer::put(char c)
{
    if (used_ == Capacity) {
        flush();
    }
    buffer_[used_++] = c;
}

bool OutputBuffer::flush()
{
    writeOut({buffer_.get(), used_});
    used_ = 0;
    return error_ == 0;
}

void OutputBuffer::writeOut(std::string_view bytes)
{
    while (!bytes.empty() && error_ == 0) {
        const ssize_t written = ::write(fileDescriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            // Output set not to block by a parent is full until the reader catches up: wait
            // for room as a blocking write would.
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd room{fileDescriptor_, POLLOUT, 0};
                if (::poll(&room, 1, -1) < 0 && errno != EINTR) {
                    error_ = errno;
                }
            } else if (errno != EINTR) {
                error_ = errno;
            }
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace chronavell
