#include "core/sayings.h"
#include "core/text_line_reader.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace chronavell {
namespace {

namespace fs = std::filesystem;

// The code and message of the input/output error a load ends with; 0 and nothing when it ends
// well.
std::pair<int, std::string> LoadFailure(SayingsTable& table, const fs::path& file)
{
    try {
        LoadSayings(table, file);
    } catch (const EInOutError& error) {
        return {error.ErrorCode, error.what()};
    }
    return {0, {}};
}

class SayingsFile : public testing::Test
{
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("chronavell-sayings-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string& bytes)
    {
        fs::path file = folder_ / "Sayings.txt";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    static std::vector<std::string> loaded(const SayingsTable& table)
    {
        return {table.Items.begin(), table.Items.begin() + (table.LastIndex + 1)};
    }

    fs::path folder_;
};

TEST_F(SayingsFile, LineRules)
{
    using Lines = std::vector<std::string>;
    struct Case
    {
        const char* Name;
        std::string Bytes;
        Lines Expected;
    };
    const std::string ctrlZ(1, '\x1A');
    const std::vector<Case> cases = {
        {"empty file", "", {}},
        {"Ctrl-Z first", ctrlZ + "hidden\r\n", {}},
        {"only CR LF", "\r\n", {""}},
        {"only CR", "\r", {""}},
        {"last line without line end", "one\r\ntwo\r\nthree", {"one", "two", "three"}},
        {"final line end opens nothing", "one\r\ntwo\r\n", {"one", "two"}},
        {"CR alone ends a line", "one\rtwo\rthree\r", {"one", "two", "three"}},
        {"LF alone stays in the saying", "one\ntwo\nthree\n", {"one\ntwo\nthree\n"}},
        {"LF CR is a kept LF then a line end", "a\n\rb", {"a\n", "b"}},
        {"CR CR gives an empty saying", "a\r\rb", {"a", "", "b"}},
        {"empty line in between", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"Ctrl-Z in the second line",
         "first\r\nsec" + ctrlZ + "ond\r\nthird\r\n",
         {"first", "sec"}},
        {"Ctrl-Z right after a line end", "first\r\n" + ctrlZ + "\r\n", {"first"}},
        {"Ctrl-Z between CR and LF", "first\r" + ctrlZ + "\nmore", {"first"}},
        {"blanks belong to the saying", "  spaced  \r\n\tTab\t\r\n", {"  spaced  ", "\tTab\t"}},
        {"bytes kept as they are",
         std::string("\xE9t\xE9\0x\xFF\r\n", 7),
         {std::string("\xE9t\xE9\0x\xFF", 6)}},
        {"NUL bytes do not end a line", std::string("a\0b\r\nc", 6), {std::string("a\0b", 3), "c"}},
    };
    for (const Case& c : cases) {
        SayingsTable table;
        LoadSayings(table, write(c.Bytes));
        EXPECT_EQ(loaded(table), c.Expected) << c.Name;
    }
}

TEST_F(SayingsFile, LongLinesKeepTheirFirst64KiB)
{
    // Longer than the reader's buffer, with the CR LF split across a buffer boundary; then
    // lines past what a saying keeps, whose rest must still end where the line ends.
    const std::string longLine(MaxSayingBytes - 1, 'x');
    const std::string overLong(MaxSayingBytes + 1, 'o');
    const std::string huge(MaxSayingBytes * 5 + 7, 'h');
    SayingsTable table;
    LoadSayings(table,
                write(longLine + "\r\n" + longLine + "y\r\n" + overLong + "\r" + huge + "\r\nz"));
    EXPECT_EQ(loaded(table), (std::vector<std::string>{longLine, longLine + "y",
                                                       overLong.substr(0, MaxSayingBytes),
                                                       huge.substr(0, MaxSayingBytes), "z"}));
}

// How many bytes this process has had from read() so far.
std::uint64_t BytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return 0;
}

// A sparse file of 2 GiB holds a few bytes on disk; its holes read as NUL bytes. Loading it
// must neither hold nor read gigabytes of them.
TEST_F(SayingsFile, SparseFileLoadsWithoutReadingItsHoles)
{
    const fs::path file = write("first");
    constexpr std::uint64_t gibibyte = std::uint64_t{1} << 30U;
    {
        std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(static_cast<std::streamoff>(gibibyte));
        out << "\r\nsecond\r\n";
    }
    fs::resize_file(file, 2 * gibibyte);

    const std::uint64_t before = BytesRead();
    SayingsTable table;
    LoadSayings(table, file);
    const std::uint64_t read = BytesRead() - before;

    EXPECT_LT(read, std::uint64_t{4} << 20U);
    // Sizes first: a failure must not print gigabytes.
    ASSERT_EQ(table.LastIndex, 2);
    for (const std::string& saying : table.Items) {
        ASSERT_LE(saying.size(), MaxSayingBytes);
    }
    std::string first = "first";
    first.resize(MaxSayingBytes, '\0');
    EXPECT_EQ(loaded(table),
              (std::vector<std::string>{first, "second", std::string(MaxSayingBytes, '\0')}));
}

// The process's page map poses as a regular file and reads as hundreds of GiB of NUL bytes
// that no seek can pass over. The load gives up at its limit, neither before nor much after,
// and says so as an input/output error.
TEST_F(SayingsFile, FileThatNeverEndsIsAnInputOutputError)
{
    const fs::path file = folder_ / "Sayings.txt";
    fs::create_symlink("/proc/self/pagemap", file);
    const std::uint64_t before = BytesRead();
    SayingsTable table;
    const auto [code, message] = LoadFailure(table, file);
    const std::uint64_t read = BytesRead() - before;
    EXPECT_EQ(code, EIO);
    EXPECT_EQ(message, "Input/output error");
    EXPECT_GE(read, MaxSayingsReadBytes);
    EXPECT_LE(read, MaxSayingsReadBytes + (std::uint64_t{1} << 20U));
}

// A read that fails ends the load with its error, never as the end of the file: the process's
// memory poses as a regular file whose first page cannot be read.
TEST_F(SayingsFile, FailedReadIsAnInputOutputError)
{
    const fs::path file = folder_ / "Sayings.txt";
    fs::create_symlink("/proc/self/mem", file);
    SayingsTable table;
    EXPECT_EQ(LoadFailure(table, file), std::pair(EIO, std::string("Input/output error")));
}

// A program started with its standard input closed opens the sayings file as descriptor 0,
// which is a file like any other: it loads, and is closed again whether the load ends well or
// with an error.
TEST_F(SayingsFile, FileOpenedAsDescriptorZero)
{
    const fs::path good = write("one\r\ntwo");
    const fs::path unreadable = folder_ / "mem";
    fs::create_symlink("/proc/self/mem", unreadable);
    const int input = ::dup(STDIN_FILENO);
    ASSERT_GE(input, 0);
    ::close(STDIN_FILENO);
    SayingsTable table;
    LoadSayings(table, good);
    const bool goodClosed = ::fcntl(STDIN_FILENO, F_GETFD) < 0;
    SayingsTable failed;
    const int code = LoadFailure(failed, unreadable).first;
    const bool unreadableClosed = ::fcntl(STDIN_FILENO, F_GETFD) < 0;
    ::dup2(input, STDIN_FILENO);
    ::close(input);
    EXPECT_EQ(loaded(table), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(goodClosed);
    EXPECT_EQ(code, EIO);
    EXPECT_TRUE(unreadableClosed);
}

// The limit counts the bytes a reader may have: a file of exactly that many reads to its end,
// one byte fewer allowed is the input/output error.
TEST_F(SayingsFile, ReadLimitAllowsExactlyItsBytes)
{
    const fs::path file = write("abc\r\nde");
    for (const auto& [limit, code] : {std::pair{7, 0}, std::pair{6, EIO}}) {
        std::vector<std::string> lines;
        int error = 0;
        try {
            TextLineReader reader(file, static_cast<std::uint64_t>(limit));
            while (!reader.atEnd()) {
                lines.push_back(reader.readLine(16));
            }
        } catch (const EInOutError& failure) {
            error = failure.ErrorCode;
        }
        EXPECT_EQ(error, code) << limit;
        const std::vector<std::string> expected =
            code == 0 ? std::vector<std::string>{"abc", "de"} : std::vector<std::string>{};
        EXPECT_EQ(lines, expected) << limit;
    }
}

TEST_F(SayingsFile, KeepsTheFirst101Lines)
{
    std::string bytes;
    for (int i = 0; i < 250; ++i) {
        bytes += "saying " + std::to_string(i) + "\r\n";
    }
    SayingsTable table;
    LoadSayings(table, write(bytes));
    EXPECT_EQ(table.LastIndex, 100);
    EXPECT_EQ(table.Items.front(), "saying 0");
    EXPECT_EQ(table.Items.back(), "saying 100");
}

TEST_F(SayingsFile, ExactlyFilledTable)
{
    std::string bytes;
    for (int i = 0; i < 101; ++i) {
        bytes += std::to_string(i) + "\r";
    }
    SayingsTable table;
    LoadSayings(table, write(bytes));
    EXPECT_EQ(table.LastIndex, 100);
    EXPECT_EQ(table.Items[100], "100");
}

TEST_F(SayingsFile, NoFileLeavesNoSaying)
{
    SayingsTable table;
    table.LastIndex = 3;
    LoadSayings(table, folder_ / "Sayings.txt");
    EXPECT_EQ(table.LastIndex, -1);

    fs::create_directory(folder_ / "Sayings.txt");
    table.LastIndex = 3;
    LoadSayings(table, folder_ / "Sayings.txt");
    EXPECT_EQ(table.LastIndex, -1);
    EXPECT_EQ(PickSaying(table, 0), MissingSayingsText);
}

// The file beside the program, never one of the same name in the folder the program was
// started from: a path that is not absolute names no file.
TEST_F(SayingsFile, RelativePathIsNoFile)
{
    write("from the working folder\r\n");
    const fs::path saved = fs::current_path();
    fs::current_path(folder_);
    for (const fs::path& path :
         {fs::path(""), fs::path("Sayings.txt"), fs::path("./Sayings.txt")}) {
        SayingsTable table;
        LoadSayings(table, path);
        EXPECT_EQ(table.LastIndex, -1) << path;
    }
    fs::current_path(saved);
}

TEST_F(SayingsFile, ReloadClearsSlotsOfTheEarlierLoad)
{
    SayingsTable table;
    LoadSayings(table, write("a\r\nb\r\nc\r\n"));
    LoadSayings(table, write("z\r\n"));
    EXPECT_EQ(table.LastIndex, 0);
    EXPECT_EQ(table.Items[1], "");
}

// What an unreadable file does to the loader, as a status: 0 when the load failed with
// "File access denied" and left the table as it was.
int LoadUnreadable(const fs::path& file)
{
    SayingsTable table;
    table.Items[0] = "kept";
    try {
        LoadSayings(table, file);
        return 1;
    } catch (const EInOutError& error) {
        if (error.ErrorCode != 5 || std::string(error.what()) != "File access denied") {
            return 2;
        }
    }
    return table.LastIndex == -1 && table.Items[0] == "kept" ? 0 : 3;
}

TEST_F(SayingsFile, UnreadableFileIsAccessDenied)
{
    const fs::path file = write("a\r\nb\r\n");
    fs::permissions(file, fs::perms::none);
    // The unprivileged child must be able to reach the folder, though not read the file.
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::others_exec);
    EXPECT_EQ(test_support::RunUnprivileged([&] { return LoadUnreadable(file); }), 0)
        << "1 no error, 2 wrong error, 3 table changed";
}

// A failure of the operating system that even root meets: no descriptor left to open with.
TEST_F(SayingsFile, NoFreeDescriptorIsTooManyOpenFiles)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers check memory through descriptors of their own, and with "
                    "none left they take every object for a bad one";
#endif
    const fs::path file = write("a\r\n");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);

    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    SayingsTable table;
    const auto [code, message] = LoadFailure(table, file);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    EXPECT_EQ(code, 4);
    EXPECT_EQ(message, "Too many open files");
    EXPECT_EQ(table.LastIndex, -1);
}

TEST(InOutError, MessagesByCode)
{
    struct Case
    {
        int Code;
        const char* Message;
    };
    for (const Case& c :
         {Case{2, "File not found"}, Case{3, "Invalid filename"}, Case{4, "Too many open files"},
          Case{5, "File access denied"}, Case{100, "Read beyond end of file"},
          Case{101, "Disk full"}, Case{106, "Invalid numeric input"}, Case{32, "I/O error 32"},
          Case{0, "I/O error 0"}}) {
        const EInOutError error(c.Code);
        EXPECT_EQ(error.ErrorCode, c.Code);
        EXPECT_STREQ(error.what(), c.Message);
    }
}

TEST(InOutError, FromErrno)
{
    struct Case
    {
        int Errno;
        int Code;
        const char* Message;
    };
    for (const Case& c :
         {Case{EACCES, 5, "File access denied"}, Case{EPERM, 5, "File access denied"},
          Case{ENOENT, 2, "File not found"}, Case{ENAMETOOLONG, 3, "Invalid filename"},
          Case{EMFILE, 4, "Too many open files"}, Case{ENFILE, 4, "Too many open files"},
          Case{ENOSPC, 101, "Disk full"}, Case{EIO, EIO, "Input/output error"},
          Case{EISDIR, EISDIR, "Is a directory"}, Case{4096, 4096, "I/O error 4096"}}) {
        const EInOutError error = EInOutError::fromErrno(c.Errno);
        EXPECT_EQ(error.ErrorCode, c.Code) << c.Errno;
        EXPECT_STREQ(error.what(), c.Message) << c.Errno;
    }
}

TEST(PickSaying, WorkedExampleAndEdges)
{
    SayingsTable table;
    // A table that was never loaded holds no saying.
    EXPECT_EQ(PickSaying(table, 0), MissingSayingsText);
    table.LastIndex = 9;
    for (int i = 0; i <= 9; ++i) {
        table.Items.at(static_cast<std::size_t>(i)) = "saying " + std::to_string(i);
    }
    // 12:00:00.000 UTC draws the fourth of ten sayings.
    EXPECT_EQ(PickSaying(table, 43'200'000), "\"saying 3\"");
    // Midnight always draws the first: the generator's first step gives 1.
    EXPECT_EQ(PickSaying(table, 0), "\"saying 0\"");
    // The same reading of the clock gives the same saying.
    EXPECT_EQ(PickSaying(table, 12'345'678), PickSaying(table, 12'345'678));
}

TEST(PickSaying, EveryIndexIsReachableAndNoneBeyond)
{
    SayingsTable table;
    table.LastIndex = 100;
    for (std::size_t i = 0; i < table.Items.size(); ++i) {
        table.Items.at(i) = std::to_string(i);
    }
    std::vector<int> hits(101, 0);
    for (std::uint32_t ms = 0; ms < 86'400'000; ms += 997) {
        const std::string text = PickSaying(table, ms);
        hits.at(static_cast<std::size_t>(std::stoi(text.substr(1)))) += 1;
    }
    for (int count : hits) {
        EXPECT_GT(count, 0);
    }
    // A table that claims more than its slots picks among the slots it has.
    SayingsTable claiming = table;
    claiming.LastIndex = 1'000'000;
    for (std::uint32_t ms = 0; ms < 86'400'000; ms += 86'399) {
        EXPECT_EQ(PickSaying(claiming, ms), PickSaying(table, ms)) << ms;
    }
}

TEST(PickSaying, QuotesKeepBlanksAndEmptySayings)
{
    SayingsTable table;
    table.LastIndex = 0;
    table.Items[0] = "  Faith  ";
    EXPECT_EQ(PickSaying(table, 5), "\"  Faith  \"");
    table.Items[0] = "";
    EXPECT_EQ(PickSaying(table, 5), "\"\"");
    table.LastIndex = -1;
    EXPECT_EQ(PickSaying(table, 5), MissingSayingsText);
}

// The label shows no more than ShownSayingBytes of the quoted saying, and a pick builds no
// more: the cut falls before a UTF-8 character, never inside one.
TEST(PickSaying, CutsToWhatTheLabelShows)
{
    const auto x = [](std::size_t count) { return std::string(count, 'x'); };
    struct Case
    {
        const char* Name;
        std::string Saying;
        std::string Shown;
    };
    const std::vector<Case> cases = {
        {"fits with both quotes", x(4094), '"' + x(4094) + '"'},
        {"the closing quote is cut", x(4095), '"' + x(4095)},
        {"a long saying", x(MaxSayingBytes), '"' + x(4095)},
        {"a character ending at the cut", x(4093) + "\xC3\xA9y", '"' + x(4093) + "\xC3\xA9"},
        {"a character across the cut", x(4094) + "\xC3\xA9", '"' + x(4094)},
        {"a three-byte character across the cut", x(4093) + "\xE2\x82\xAC", '"' + x(4093)},
        {"single-byte text is cut at the byte", std::string(5000, '\xE9'),
         '"' + std::string(4095, '\xE9')},
        {"nothing but continuation bytes", std::string(5000, '\x80'), ""},
    };
    SayingsTable table;
    table.LastIndex = 0;
    for (const Case& c : cases) {
        table.Items[0] = c.Saying;
        EXPECT_EQ(PickSaying(table, 5), c.Shown) << c.Name;
    }
}

} // namespace
} // namespace chronavell
