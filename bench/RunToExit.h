#pragma once

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

struct ProcessRun {
    double seconds = 0;    // from start to exit
    double cpuSeconds = 0; // user and system time of the process
    long peakRssBytes = 0; // its resident set size at the highest
};

// Starts `program` with `args` and `env` (NAME=value entries, before the inherited ones),
// its output discarded, and waits for it. Anything but a normal exit with status 0
// throws, so a broken start never passes for a fast one.
inline ProcessRun RunMeasured(const std::string& program, const std::vector<std::string>& args,
                              const std::vector<std::string>& env)
{
    std::vector<char*> envp;
    for (const std::string& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    for (char** e = environ; *e; ++e)
        envp.push_back(*e);
    envp.push_back(nullptr);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not end normally");
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {std::chrono::duration<double>(end - start).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss * 1024};
}

// The seconds from start to exit of RunMeasured.
inline double RunToExit(const std::string& program, const std::vector<std::string>& args,
                        const std::vector<std::string>& env)
{
    return RunMeasured(program, args, env).seconds;
}
