#pragma once

#include "core/descriptor_input.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace chronavell {

// Reads an 8-bit text file line by line, byte for byte. A carriage return, or a carriage
// return followed by a line feed, ends a line; a line feed alone is part of the line. The
// text ends at the physical end of the file or at the first Ctrl-Z, whichever comes first.
//
// The file is opened once and read through that one descriptor however often the reader
// rewinds, so that what is read is always the file that was checked, even when another file
// takes its name meanwhile. Only a regular file is read: anything else at the path (nothing, a
// directory, a pipe, a device) leaves the reader without a file, and the open never waits for
// a pipe's writer. Every failure of the operating system throws EInOutError.
//
// A file may still pose as regular and never end. The reader reads at most `readLimit` bytes
// of it over its life, rewinds included; a read that goes past them throws EInOutError for an
// input/output error, so that no file can keep the reader busy for ever.
class TextLineReader
{
public:
    TextLineReader(const std::filesystem::path& file, std::uint64_t readLimit);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;
    TextLineReader(TextLineReader&&) = delete;
    TextLineReader& operator=(TextLineReader&&) = delete;

    // False when there was no regular file to read: every line is then at its end.
    bool hasFile() const { return input_.descriptor() >= 0; }
    // True at the end of the text; reading on from there gives empty lines.
    bool atEnd();
    // The first `keep` bytes of the next line, without its line end; the rest of the line is
    // passed over, and the reader moves past the line end.
    std::string readLine(std::size_t keep);
    void skipLine();
    // Back to the first line of the same file.
    void rewind();
    void close();

private:
    void consumeLine(std::string* line, std::size_t keep);
    // Makes at least one unread byte available; false at the physical end of the file.
    bool fill();

    DescriptorInput input_;
    std::uint64_t readLimit_;
    std::uint64_t bytesRead_ = 0;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

} // namespace chronavell
