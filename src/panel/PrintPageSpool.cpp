#include "panel/PrintPageSpool.h"

#include <utility>

namespace zel {
namespace {

// The dialog may end in an error: printing must not stay paused for the rest of the run.
class SetupGuard final {
public:
    explicit SetupGuard(bool& settingUp) : m_settingUp(settingUp) { m_settingUp = true; }
    ~SetupGuard() { m_settingUp = false; }
    SetupGuard(const SetupGuard&) = delete;
    SetupGuard& operator=(const SetupGuard&) = delete;

private:
    bool& m_settingUp;
};

} // namespace

PrintPageSpool::PrintPageSpool(Platform& platform, JobPrinter& printer, std::string spoolDirectory,
                               FileTimeFormatter formatTime, SliceScheduler& slices,
                               std::function<void()> showJobs, SpoolTiming timing)
    : m_spool(platform, printer, std::move(spoolDirectory), std::move(formatTime),
              std::move(timing)),
      m_slices(slices), m_showJobs(std::move(showJobs)) {}

SpoolTickResult PrintPageSpool::Tick(bool printingEnabled) {
    if (m_settingUp) {
        return {};
    }
    SpoolTickResult result = m_spool.Tick(printingEnabled);
    Refresh();
    return result;
}

void PrintPageSpool::PrintSlice() {
    if (m_settingUp) {
        return;
    }
    // A failure in a slice is told by the next tick, which stops printing.
    (void)m_spool.PrintSlice();
    Refresh();
}

void PrintPageSpool::SetUpPrinter(const std::function<void()>& dialog) {
    {
        const SetupGuard guard(m_settingUp);
        m_slices.Stop();
        dialog();
    }
    Refresh();
}

void PrintPageSpool::Refresh() {
    if (m_showJobs) {
        m_showJobs();
    }
    if (m_spool.JobInProgress()) {
        m_slices.Start();
    } else {
        m_slices.Stop();
    }
}

} // namespace zel
