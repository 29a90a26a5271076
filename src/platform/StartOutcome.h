#pragma once
// What became of one start of a program, with the reason: the caller tells the user from
// this alone, and never has to ask the machine a second question to learn why.

namespace zel {

enum class StartOutcomeKind {
    Started,
    // The program's running lock was taken by another start after the caller's check.
    LockTaken,
    // A DOS program, and nothing here runs one.
    NoDosBox,
    // Missing, not a program, or the system refused it: systemError says why where it did.
    CannotStart,
};

struct StartOutcome {
    StartOutcomeKind kind = StartOutcomeKind::CannotStart;
    // errno, or GetLastError on Windows; 0 where no system call failed.
    int systemError = 0;

    [[nodiscard]] bool Started() const { return kind == StartOutcomeKind::Started; }
    friend bool operator==(const StartOutcome&, const StartOutcome&) = default;
    [[nodiscard]] static StartOutcome Success() { return {StartOutcomeKind::Started, 0}; }
    [[nodiscard]] static StartOutcome Failure(int systemError = 0) {
        return {StartOutcomeKind::CannotStart, systemError};
    }
};

} // namespace zel
