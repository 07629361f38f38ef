#pragma once

#include <string>

// True when `path` is a directory (not a link to one) that belongs to this user and
// that nobody else may enter: the only kind of place a lock or a journal is trusted in.
bool IsPrivateDirectory(const std::string& path);

// Creates the directory `path` and any missing parent, each new one open to its owner
// alone (0700); directories already there are left as the user made them. True when the
// directory exists afterwards.
bool MakeDirectories(const std::string& path);

// `path`, created as above where missing, when it then is a private directory; else
// empty, so no caller puts its files where another user could reach them.
std::string PrivateDirectory(const std::string& path);

// The user's state directory for Pennivel: $XDG_STATE_HOME/pennivel, else
// ~/.local/state/pennivel; empty when neither variable names an absolute path.
std::string StateDirectoryPath();
// The same, created where missing; empty when it is not private.
std::string PrivateStateDirectory();
