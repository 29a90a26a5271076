#pragma once
// A process that sees this machine's processes as a launcher on another PC would: not at
// all. It is the first process of a PID namespace of its own with its own /proc, as
// `unshare --pid --fork --mount-proc` makes; everything it starts ends when it returns.
// Making one needs root.

#include <functional>
#include <optional>
#include <sys/types.h>

namespace zel::test {

class OwnPidNamespace final {
public:
    // Runs body there at once; its result (0 to 199) becomes the process's exit code.
    explicit OwnPidNamespace(const std::function<int()>& body);
    // Kills what still runs.
    ~OwnPidNamespace();
    OwnPidNamespace(const OwnPidNamespace&) = delete;
    OwnPidNamespace& operator=(const OwnPidNamespace&) = delete;

    // Waits for body's result; nothing when no namespace could be made here.
    [[nodiscard]] std::optional<int> Wait();

    // Whether namespaces can be made here at all.
    [[nodiscard]] static bool Available();

private:
    pid_t m_child = -1;
};

// A one-way signal between processes, made before they part: Wait blocks until Open.
class Gate final {
public:
    Gate();
    ~Gate();
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;

    void Open();
    void Wait() const;

private:
    int m_read = -1;
    int m_write = -1;
};

} // namespace zel::test
