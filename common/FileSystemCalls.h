#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// The operating-system calls behind saving a file, in one place so a test can make
// any one of them fail the way an I/O error, a full disk or a lost right would. Each
// returns what the system call returns and sets errno the same way.
namespace sys {

int Open(const std::string& path, int flags, mode_t mode = 0);
ssize_t Write(int fd, const void* data, std::size_t size);
int Fsync(int fd);
int Fchmod(int fd, mode_t mode);
int Fchown(int fd, uid_t owner, gid_t group);
int Ftruncate(int fd, off_t size);
int Fallocate(int fd, off_t size); // returns the error number, as posix_fallocate does
ssize_t Pread(int fd, void* data, std::size_t size, off_t offset);
int Rename(const std::string& from, const std::string& to);
int Unlink(const std::string& path);
int Close(int fd);

} // namespace sys

// Test seam: counts the calls above and makes the `n`-th one from now (1-based) fail
// with `errorNumber`; `n` = 0 turns failures off. The count is kept either way.
void FailNthFileCall(int n, int errorNumber);
// The same, and every call after it fails too: the process is as good as gone from the
// `n`-th call on, as when it is killed there.
void FailFileCallsFrom(int n, int errorNumber);
int FileCallsMade();
// The name of the call the last request made fail ("" while none has), for a test
// that reports it; turning failures off keeps it.
const char* FailedFileCallName();
