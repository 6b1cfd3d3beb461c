#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace chronavell {

LineReader::LineReader(int fileDescriptor, std::function<void()> beforeWait)
    : input_(fileDescriptor, Capacity), beforeWait_(std::move(beforeWait))
{
}

bool LineReader::next(Line& line)
{
    if (skipping_) {
        skipRestOfLine();
    }
    for (;;) {
        const char* begin = input_.data() + start_;
        const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
        if (feed != nullptr) {
            const auto end = static_cast<std::size_t>(feed - input_.data());
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
            line = {{input_.data(), Capacity}, true};
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
        std::memmove(input_.data(), input_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    if (beforeWait_) {
        beforeWait_();
    }
    const ssize_t count = input_.fillFrom(end_);
    if (count > 0) {
        end_ += static_cast<std::size_t>(count);
        return true;
    }
    if (count < 0) {
        error_ = errno;
    }
    atEnd_ = true;
    return false;
}

void LineReader::skipRestOfLine()
{
    for (;;) {
        const char* begin = input_.data() + start_;
        const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
        if (feed != nullptr) {
            start_ = static_cast<std::size_t>(feed - input_.data()) + 1;
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
    if (length > 0 && input_.data()[end - 1] == '\r') {
        --length;
    }
    line = {{input_.data() + start_, length}, false};
    start_ = next;
}

} // namespace chronavell
