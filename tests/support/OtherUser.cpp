#include "tests/support/OtherUser.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

int RunInChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunAsNobody(const std::function<int()>& body, const std::vector<gid_t>& groups)
{
    return RunInChild([&] {
        if (::geteuid() != 0 || ::setgroups(groups.size(), groups.data()) != 0 ||
            ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0)
            return kCannotSwitchUser;
        return body();
    });
}
