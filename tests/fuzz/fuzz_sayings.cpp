// The sayings file is the one file the program reads, and anybody can edit it: any content
// must load without an error into exactly the lines the file rules give, and every pick must
// show one of them in quotes. The input is the whole file.
//
// The expected lines come from a splitter written here from the file rules: a carriage
// return, alone or followed by a line feed, ends a line; a lone line feed stays in the line;
// the first Ctrl-Z ends the text; a line end at the very end opens no further line; only the
// first 101 lines are kept, each of them to its first 64 KiB. A pick shows the quoted line
// cut to 4096 bytes, moved back before any UTF-8 continuation byte at the cut.

#include "core/sayings.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace chronavell::fuzz {
namespace {

constexpr std::size_t MaxSayings = 101;
constexpr std::size_t KeptBytes = 65536;
constexpr std::size_t ShownBytes = 4096;
constexpr char EndOfText = '\x1A';

std::vector<std::string_view> ReferenceLines(std::string_view text)
{
    text = text.substr(0, text.find(EndOfText));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < MaxSayings) {
        const std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start, KeptBytes));
            break;
        }
        lines.push_back(text.substr(start, std::min(end - start, KeptBytes)));
        start = end + 1;
        if (start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string ReferenceShown(std::string_view line)
{
    std::string quoted = "\"" + std::string(line) + "\"";
    if (quoted.size() > ShownBytes) {
        std::size_t cut = ShownBytes;
        while (cut > 0 && (static_cast<unsigned char>(quoted[cut]) & 0xC0U) == 0x80U) {
            --cut;
        }
        quoted.resize(cut);
    }
    return quoted;
}

// The generator the pick is defined by: a 32-bit linear congruential step from the
// millisecond of the day, scaled into the number of sayings by the upper half of a 64-bit
// product.
std::size_t ReferencePick(std::uint32_t millisecond, std::size_t count)
{
    const std::uint32_t seed = millisecond * 0x08088405U + 1U;
    return static_cast<std::size_t>((std::uint64_t{seed} * count) >> 32U);
}

// A directory of this process's own, so that parallel fuzzing jobs never share the file.
class Scratch
{
public:
    Scratch()
    {
        std::string pattern =
            (Base() / ("chronavell_fuzz_sayings." + std::to_string(::getpid()) + ".XXXXXX"))
                .string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        directory_ = pattern;
        file_ = directory_ / "Sayings.txt";
    }
    ~Scratch()
    {
        std::error_code error;
        std::filesystem::remove_all(directory_, error);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& File() const { return file_; }

    void Write(std::string_view content) const
    {
        std::FILE* const out = std::fopen(file_.c_str(), "wb");
        CHRONAVELL_CHECK(out != nullptr, "cannot create " + file_.string());
        const std::size_t written = std::fwrite(content.data(), 1, content.size(), out);
        CHRONAVELL_CHECK(std::fclose(out) == 0 && written == content.size(),
                         "cannot write " + file_.string());
    }

private:
    // The file is rewritten for every input, which on a disk-backed /tmp costs more than the
    // load under test; memory-backed /dev/shm is several times faster. TMPDIR still wins.
    static std::filesystem::path Base()
    {
        if (std::getenv("TMPDIR") == nullptr && ::access("/dev/shm", W_OK | X_OK) == 0) {
            return "/dev/shm";
        }
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        return error ? std::filesystem::path("/tmp") : base;
    }

    std::filesystem::path directory_;
    std::filesystem::path file_;
};

Scratch* scratch = nullptr;

void RemoveScratch()
{
    delete scratch;
    scratch = nullptr;
}

std::string Describe(std::string_view content)
{
    constexpr std::size_t shown = 200;
    return "file of " + std::to_string(content.size()) + " bytes, starting '" +
           Escaped(content.substr(0, shown)) + "'";
}

} // namespace
} // namespace chronavell::fuzz

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    chronavell::fuzz::scratch = new chronavell::fuzz::Scratch();
    std::atexit(&chronavell::fuzz::RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace chronavell;
    using namespace chronavell::fuzz;

    const std::string_view content(reinterpret_cast<const char*>(data), size);
    scratch->Write(content);
    const std::vector<std::string_view> expected = ReferenceLines(content);
    const std::string what = Describe(content);

    SayingsTable table;
    try {
        LoadSayings(table, scratch->File());
    } catch (const EInOutError& error) {
        CHRONAVELL_CHECK(false, "load failed with '" + std::string(error.what()) + "': " + what);
    }

    CHRONAVELL_CHECK(table.LastIndex >= -1 && table.LastIndex <= MaxSayingIndex,
                     "LastIndex " + std::to_string(table.LastIndex) + ": " + what);
    const auto count = static_cast<std::size_t>(table.LastIndex + 1);
    CHRONAVELL_CHECK(count == expected.size(), std::to_string(count) + " sayings, expected " +
                                                   std::to_string(expected.size()) + ": " + what);
    for (std::size_t i = 0; i < table.Items.size(); ++i) {
        const std::string& item = table.Items[i];
        const std::string index = "saying " + std::to_string(i);
        CHRONAVELL_CHECK(item.find('\r') == std::string::npos, index + " holds a CR: " + what);
        CHRONAVELL_CHECK(item.find(EndOfText) == std::string::npos,
                         index + " holds a Ctrl-Z: " + what);
        if (i < count) {
            CHRONAVELL_CHECK(item == expected[i],
                             index + " reads '" + Escaped(item.substr(0, 80)) + "', expected '" +
                                 Escaped(expected[i].substr(0, 80)) + "': " + what);
        } else {
            CHRONAVELL_CHECK(item.empty(), index + " past the last is not empty: " + what);
        }
    }

    // Midnight, noon, the last millisecond of the day and one taken from the content.
    std::uint32_t fromContent = 0;
    for (std::size_t i = 0; i < size && i < 4; ++i) {
        fromContent = fromContent << 8U | data[i];
    }
    for (const std::uint32_t millisecond :
         {0U, 43'200'000U, 86'399'999U, fromContent % 86'400'000U}) {
        const std::string shown = PickSaying(table, millisecond);
        const std::string at = " at millisecond " + std::to_string(millisecond) + ": " + what;
        if (count == 0) {
            CHRONAVELL_CHECK(shown == MissingSayingsText, "picked '" + Escaped(shown) + "'" + at);
            continue;
        }
        const std::size_t index = ReferencePick(millisecond, count);
        CHRONAVELL_CHECK(shown == ReferenceShown(expected[index]),
                         "picked '" + Escaped(shown.substr(0, 80)) + "', expected saying " +
                             std::to_string(index) + at);
    }
    return 0;
}
