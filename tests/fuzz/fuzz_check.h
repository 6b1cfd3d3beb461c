#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace chronavell::fuzz {

// A property that does not hold ends the run with a message on stderr: libFuzzer then keeps
// the input as a crash artifact, and the message says which property it broke. The sanitizer
// and fuzzer runtimes treat abort() as a deadly signal.
[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              std::string_view detail)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    if (!detail.empty()) {
        std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    std::fflush(stderr);
    std::abort();
}

// The bytes of a text with everything outside printable ASCII escaped, for failure messages.
inline std::string Escaped(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    return out;
}

// An error message is a C string, so a text with a NUL byte can only be compared up to it.
inline bool SameMessage(const char* what, std::string_view expected)
{
    return std::string_view(what) == expected.substr(0, expected.find('\0'));
}

} // namespace chronavell::fuzz

#define CHRONAVELL_CHECK(condition, detail)                                                        \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            ::chronavell::fuzz::Fail(__FILE__, __LINE__, #condition, (detail));                    \
        }                                                                                          \
    } while (false)
