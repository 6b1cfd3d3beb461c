#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace chronavell {
namespace {

struct Pipe
{
    int Read = -1;
    int Write = -1;
};

Pipe MakePipe()
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    return {ends[0], ends[1]};
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           const std::vector<std::string>& environment, const char* outputFile)
{
    const Pipe in = MakePipe();
    const Pipe out = outputFile == nullptr ? MakePipe() : Pipe{};
    const Pipe err = MakePipe();
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);

    pid_ = ::fork();
    if (pid_ < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        // The test ignores SIGPIPE; the program gets the default a shell would give it.
        std::signal(SIGPIPE, SIG_DFL);
        const int stdoutFd =
            outputFile == nullptr ? out.Write : ::open(outputFile, O_WRONLY | O_CLOEXEC);
        if (stdoutFd < 0 || ::dup2(in.Read, 0) < 0 || ::dup2(stdoutFd, 1) < 0 ||
            ::dup2(err.Write, 2) < 0) {
            ::_exit(127);
        }
        for (const std::string& setting : environment) {
            ::putenv(const_cast<char*>(setting.c_str()));
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(in.Read);
    ::close(out.Write);
    ::close(err.Write);
    input_ = in.Write;
    output_ = out.Read;
    errors_ = err.Read;
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        wait();
    }
    for (const int fd : {input_, output_, errors_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void ChildProcess::closeInput()
{
    if (input_ >= 0) {
        ::close(input_);
        input_ = -1;
    }
}

int ChildProcess::wait()
{
    int status = 0;
    rusage usage{};
    pid_t ended = -1;
    do {
        ended = ::wait4(pid_, &status, 0, &usage);
    } while (ended < 0 && errno == EINTR);
    pid_ = -1;
    if (ended < 0) {
        return -1;
    }
    peakKiB_ = usage.ru_maxrss;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace chronavell
