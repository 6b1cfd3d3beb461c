#include "unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

namespace chronavell::test_support {

int RunUnprivileged(const std::function<int()>& check)
{
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            ::_exit(126);
        }
        ::_exit(check());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace chronavell::test_support
