#pragma once

#include "core/descriptor_input.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace chronavell {

// Reads the lines of a file descriptor through one fixed buffer, so that memory stays the
// same whatever the length of the input or of any line in it. A line ends at a line feed or
// at the end of the input; a carriage return just before that end belongs to the line end.
class LineReader
{
public:
    struct Line
    {
        // The line without its line end; valid until the next call of next().
        std::string_view Text;
        // True when the line was longer than the buffer: Text holds its first part only.
        bool Cut = false;
    };

    // `beforeWait` runs before every read of the descriptor, which may block: a caller that
    // answers line by line flushes its output there, so that an interactive user or a
    // program at the other end of a pipe gets each answer before it sends the next line.
    LineReader(int fileDescriptor, std::function<void()> beforeWait);

    // The next line, or false at the end of the input or after a failed read.
    bool next(Line& line);
    // The errno of a failed read, 0 when the input simply ended.
    int error() const { return error_; }

private:
    static constexpr std::size_t Capacity = std::size_t{128} * 1024;

    // Reads more input behind the unread bytes; false at the end of the input.
    bool fill();
    // Drops input up to and including the next line feed, the rest of a cut line.
    void skipRestOfLine();
    void take(std::size_t end, std::size_t next, Line& line);

    DescriptorInput input_;
    std::function<void()> beforeWait_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool skipping_ = false;
    int error_ = 0;
};

} // namespace chronavell
