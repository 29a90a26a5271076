#pragma once
// A module of the launcher's own, opened at run time from a folder it may lie in. Only a file
// that nobody but root or this user could have put there is opened: a copy of the launcher on
// a shared drive must never run code that somebody else left beside it.

#include <string>
#include <vector>

namespace zel::posix {

struct OpenedModule {
    // Never closed: what the module made may outlive any one use of it.
    void* handle = nullptr;
    // Why none was opened: each candidate's reason, in order, in UTF-8.
    std::string refusal;
};

// The first candidate that is there and may be trusted, links followed: a regular file owned
// by root or this user that nobody else may write (a group only where it is the user's own),
// in a folder of the same kind or in one that is root's and keeps each entry to its owner, as
// /tmp.
OpenedModule OpenTrustedModule(const std::vector<std::string>& candidates);

} // namespace zel::posix
