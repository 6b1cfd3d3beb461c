#include "program_run.h"

#include "child_process.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace chronavell {
namespace {

// Reads what is there; false at the end of the stream.
bool Drain(int fd, std::string* kept, std::size_t& lines)
{
    std::array<char, 65536> chunk{};
    const ssize_t count = ::read(fd, chunk.data(), chunk.size());
    if (count < 0) {
        return errno == EINTR || errno == EAGAIN;
    }
    const std::string_view text(chunk.data(), static_cast<std::size_t>(count));
    lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (kept != nullptr) {
        kept->append(text);
    }
    return count > 0;
}

} // namespace

ProgramRun RunProgram(const ProgramRun::Request& request)
{
    // A program that ends before it has read all its input must not end the test too.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> command{CHRONAVELL_DATE_PATH};
    command.insert(command.end(), request.Arguments.begin(), request.Arguments.end());
    ChildProcess child(command, request.Environment, request.OutputFile);
    ::fcntl(child.input(), F_SETFL, O_NONBLOCK);

    ProgramRun run;
    std::size_t errorLines = 0;
    std::size_t repeatsLeft = request.Input.empty() ? 0 : request.Repeats;
    std::string_view pending = repeatsLeft > 0 ? request.Input : std::string_view();
    if (repeatsLeft == 0) {
        child.closeInput();
    }
    bool outputOpen = child.output() >= 0;
    bool errorsOpen = true;
    while (outputOpen || errorsOpen) {
        std::array<pollfd, 3> watched{{{child.input(), POLLOUT, 0},
                                       {outputOpen ? child.output() : -1, POLLIN, 0},
                                       {errorsOpen ? child.errors() : -1, POLLIN, 0}}};
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            continue;
        }
        if (watched[0].revents != 0) {
            const ssize_t written = ::write(child.input(), pending.data(), pending.size());
            if (written < 0 && errno != EAGAIN && errno != EINTR) {
                child.closeInput(); // the program stopped reading
            } else if (written > 0) {
                pending.remove_prefix(static_cast<std::size_t>(written));
                if (pending.empty() && --repeatsLeft > 0) {
                    pending = request.Input;
                } else if (pending.empty()) {
                    child.closeInput();
                }
            }
        }
        if (watched[1].revents != 0) {
            outputOpen =
                Drain(child.output(), request.KeepOutput ? &run.Output : nullptr, run.OutputLines);
        }
        if (watched[2].revents != 0) {
            errorsOpen = Drain(child.errors(), &run.Errors, errorLines);
        }
    }
    child.closeInput();
    run.Status = child.wait();
    run.PeakKiB = child.peakKiB();
    return run;
}

} // namespace chronavell
