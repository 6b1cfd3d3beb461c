#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace chronavell {

LineReader::LineReader(int fileDescriptor, std::function<void()> beforeWait)
    : fileDescriptor_(fileDescriptor), beforeWait_(std::move(beforeWait)),
      buffer_(std::make_unique<char[]>(Capacity))
{
}

bool LineReader::next(Line& line)
{
    if (skipping_) {
        skipRestOfLine();
    }
    for (;;) {
        const char* begin = buffer_.get() + start_;
        const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
        if (feed != nullptr) {
            const auto end = static_cast<std::size_t>(feed - buffer_.get());
            take(end, end + 1, line);
            return true;
        }
        if (atEnd_) {
            if (start_ == end_) {
                return false;
            }
            take(end_, end_, line);
            return true;
        }
        if (start_ == 0 && end_ == Capacity) {
            // No line end in a full buffer: hand out what there is and drop the rest.
            line = {{buffer_.get(), Capacity}, true};
            start_ = end_ = 0;
            skipping_ = true;
            return true;
        }
        fill();
    }
}

bool LineReader::fill()
{
    if (start_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    if (beforeWait_) {
        beforeWait_();
    }
    for (;;) {
        const ssize_t count = ::read(fileDescriptor_, buffer_.get() + end_, Capacity - end_);
        if (count > 0) {
            end_ += static_cast<std::size_t>(count);
            return true;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        // A parent may have set the input not to block; the program still answers a line at a
        // time, so it waits for the next one as a blocking read would.
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready{fileDescriptor_, POLLIN, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR) {
                continue;
            }
        }
        if (count < 0) {
            error_ = errno;
        }
        atEnd_ = true;
        return false;
    }
}

void LineReader::skipRestOfLine()
{
    for (;;) {
        const char* begin = buffer_.get() + start_;
        const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
        if (feed != nullptr) {
            start_ = static_cast<std::size_t>(feed - buffer_.get()) + 1;
            skipping_ = false;
            return;
        }
        start_ = end_ = 0;
        if (!fill()) {
            skipping_ = false;
            return;
        }
    }
}

void LineReader::take(std::size_t end, std::size_t next, Line& line)
{
    std::size_t length = end - start_;
    if (length > 0 && buffer_[end - 1] == '\r') {
        --length;
    }
    line = {{buffer_.get() + start_, length}, false};
    start_ = next;
}

} // namespace chronavell
