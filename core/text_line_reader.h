#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace chronavell {

// Reads an 8-bit text file line by line, byte for byte. A carriage return, or a carriage
// return followed by a line feed, ends a line; a line feed alone is part of the line. The
// text ends at the physical end of the file or at the first Ctrl-Z, whichever comes first.
// Every failure of the operating system throws EInOutError.
class TextLineReader
{
public:
    explicit TextLineReader(const std::filesystem::path& file);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;
    TextLineReader(TextLineReader&&) = delete;
    TextLineReader& operator=(TextLineReader&&) = delete;

    // True at the end of the text; reading on from there gives empty lines.
    bool AtEnd();
    // The next line without its line end; the reader moves past the line end.
    std::string ReadLine();
    void SkipLine();
    void Close();

private:
    static constexpr char CarriageReturn = '\r';
    static constexpr char LineFeed = '\n';
    static constexpr char EndOfText = '\x1A';

    void ConsumeLine(std::string* line);
    // Makes at least one unread byte available; false at the physical end of the file.
    bool Fill();

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

} // namespace chronavell
