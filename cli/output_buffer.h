#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace chronavell {

// Gathers output for one file descriptor and hands it over in large writes, so that a batch
// of short lines costs one system call per buffer, not one per line. The first failed write
// is kept: later output is dropped and error() tells the program to end with a failure
// instead of claiming success.
class OutputBuffer
{
public:
    explicit OutputBuffer(int fileDescriptor);

    void append(std::string_view text);
    void put(char c);
    // Writes out whatever is gathered; false once any write has failed.
    bool flush();
    // The errno of the first failed write, 0 while none has failed.
    int error() const { return error_; }

private:
    static constexpr std::size_t Capacity = std::size_t{64} * 1024;

    void writeOut(std::string_view bytes);

    int fileDescriptor_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};

} // namespace chronavell
