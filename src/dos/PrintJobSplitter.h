#pragma once
// What a DOS program prints is one stream; a printer wants jobs. A job ends when the program
// falls silent: soon after a page end (a form feed, perhaps followed by line ends), only
// after a long pause in the middle of a page, and whenever the program ends.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class PrintJobSplitter final {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration kPauseAfterPage = std::chrono::seconds(3);
    static constexpr Clock::duration kPauseInPage = std::chrono::seconds(15);

    void Take(std::string_view bytes, Clock::time_point now);
    // The job a pause has ended by now.
    [[nodiscard]] std::optional<std::string> Ended(Clock::time_point now);
    // When the job taken so far ends unless more comes; nothing without a job.
    [[nodiscard]] std::optional<Clock::time_point> Deadline() const;
    // The program has ended: whatever it printed last.
    [[nodiscard]] std::optional<std::string> Finish();

private:
    [[nodiscard]] bool AtPageEnd() const;

    std::string m_job;
    Clock::time_point m_last;
};

} // namespace zel
