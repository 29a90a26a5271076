#pragma once
// The print page's printing, one rule for both systems: the spool ticks with the main
// window's timer, a long job goes on in slices in idle time, and while the printer setup is
// open neither ticks nor slices print, as no job may be drawn onto a printer the user is
// changing. The face brings the printer, its idle time and the tables that show the jobs.

#include "panel/SliceScheduler.h"
#include "spool/PrintSpool.h"

#include <functional>
#include <string>

namespace zel {

class PrintPageSpool final {
public:
    // showJobs redraws the job tables from Spool(); the face may not have made them yet. The
    // spool's timing is its own but where a test gives one.
    PrintPageSpool(Platform& platform, JobPrinter& printer, std::string spoolDirectory,
                   FileTimeFormatter formatTime, SliceScheduler& slices,
                   std::function<void()> showJobs, SpoolTiming timing = {});
    PrintPageSpool(const PrintPageSpool&) = delete;
    PrintPageSpool& operator=(const PrintPageSpool&) = delete;

    // One cycle of the timer. A result with printingStopped set asks the panel to stop
    // printing and tell the error.
    SpoolTickResult Tick(bool printingEnabled);
    // The next slice of the job in progress; the scheduler calls it while started.
    void PrintSlice();
    // Runs the printer setup dialog with printing paused, and goes on after it.
    void SetUpPrinter(const std::function<void()>& dialog);

    [[nodiscard]] const PrintSpool& Spool() const { return m_spool; }

private:
    void Refresh();

    PrintSpool m_spool;
    SliceScheduler& m_slices;
    std::function<void()> m_showJobs;
    bool m_settingUp = false;
};

} // namespace zel
