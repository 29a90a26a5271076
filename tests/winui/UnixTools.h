#pragma once
// The host's own tools, run from the Windows tests: Wine starts a Linux program as it starts
// a Windows one. Their output goes through a file, never a pipe.

#include <string>

namespace zel::test {

// What /bin/sh -c script printed; empty when it could not run.
[[nodiscard]] std::string Shell(const std::string& script);
// The Windows path of a host path, through Wine's drive Z:.
[[nodiscard]] std::string HostPath(const std::string& unixPath);

} // namespace zel::test
