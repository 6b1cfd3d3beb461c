#include "core/descriptor_input.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace chronavell {

DescriptorInput::DescriptorInput(int descriptor, std::size_t capacity)
    : buffer_(std::make_unique<char[]>(capacity)), capacity_(capacity), descriptor_(descriptor)
{
}

ssize_t DescriptorInput::fillFrom(std::size_t offset)
{
    for (;;) {
        // A failed read that sets no errno is then not blamed on an earlier call's error.
        errno = 0;
        const ssize_t count = ::read(descriptor_, buffer_.get() + offset, capacity_ - offset);
        if (count >= 0) {
            return count;
        }
        if (errno == EINTR) {
            continue;
        }
        // A parent may have set the input not to block; it is still read as a blocking read
        // would read it, waiting for what comes next.
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd ready{descriptor_, POLLIN, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR) {
                continue;
            }
        }
        return -1;
    }
}

} // namespace chronavell
