#pragma once

#include <functional>
#include <sys/types.h>
#include <vector>

// Permission bits do not bind root, and the tests run as root in CI. These run a body
// in a child process as the unprivileged user "nobody" (group "nogroup", plus the
// supplementary `groups`), where the bits apply; anything the body changes in its
// process (limits, signals) stays in the child.
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// The body's result (0..255), or kCannotSwitchUser when the child could not become
// "nobody" (the tests do not run as root, so permission cases are left to the caller).
inline constexpr int kCannotSwitchUser = 254;
int RunAsNobody(const std::function<int()>& body, const std::vector<gid_t>& groups = {});

// Runs the body in a child process as the current user.
int RunInChild(const std::function<int()>& body);
