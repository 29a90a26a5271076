#pragma once
// The host's own tools, run from the tests: on Windows, Wine starts a Linux program as it
// starts a Windows one. Their output goes through a file there, never a pipe.

#include <string>

namespace zel::test {

// What /bin/sh -c script printed, its errors too; empty when it could not run.
[[nodiscard]] std::string Shell(const std::string& script);
#ifdef _WIN32
// The Windows path of a host path, through Wine's drive Z:.
[[nodiscard]] std::string HostPath(const std::string& unixPath);
#endif

} // namespace zel::test
