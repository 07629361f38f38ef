#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs `body` in a child process that, when the tests run as root, first becomes the
// user "nobody", since root may write anywhere. Returns the child's exit status: what
// `body` returned, 125 when the rights could not be dropped, -1 when the child crashed.
inline int ExitStatusAsNobody(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(125);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
