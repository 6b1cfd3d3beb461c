#pragma once

#include <cstddef>
#include <memory>
#include <sys/types.h>

namespace chronavell {

// The bytes of a file descriptor, read into one fixed buffer. The descriptor belongs to the
// caller, who opens and closes it: this only reads from it.
class DescriptorInput
{
public:
    DescriptorInput(int descriptor, std::size_t capacity);

    // -1 when there is nothing to read from.
    int descriptor() const { return descriptor_; }
    void setDescriptor(int descriptor) { descriptor_ = descriptor; }
    char* data() { return buffer_.get(); }

    // Reads what comes next into the buffer from `offset` up to its end: the number of bytes
    // read, 0 at the end of the input, or -1 with errno saying why the read failed.
    ssize_t fillFrom(std::size_t offset);

private:
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    int descriptor_;
};

} // namespace chronavell
