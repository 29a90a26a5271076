#pragma once
// What the print tab drives on Windows: the spool of the main window's timer, printing onto
// the GDI printer, its two job lists and the printer setup dialog. The main window keeps
// the buttons; it asks this to tick with their state and stops printing when a job fails.
// A job goes on in slices from the message loop's idle time between ticks; a failure in a
// slice is told by the next tick.

#include "panel/PrintPage.h"
#include "panel/PrintPageSpool.h"
#include "panel/SliceScheduler.h"
#include "winprint/DesktopJobPrinter.h"
#include "winui/Controls.h"
#include "winui/IdleSlices.h"
#include "winui/JobGridControl.h"

#include <string>

namespace zel {

class GdiPrinter;
class Platform;

class PrintControl final : public PrintPage, private SliceScheduler {
public:
    // Makes the two job grids (StringGrid1: waiting, StringGrid2: printed) as children of
    // page at the given bounds; owner is the window the printer setup dialog blocks. The
    // spool's timing is its own but where a test gives one.
    PrintControl(Platform& platform, std::string spoolDirectory, HWND page, Bounds waitingGrid,
                 Bounds printedGrid, HWND owner, SpoolTiming timing = {});
    ~PrintControl() override;
    PrintControl(const PrintControl&) = delete;
    PrintControl& operator=(const PrintControl&) = delete;

    SpoolTickResult Tick(bool printingEnabled) override;
    std::string SetupPrinter() override;
    // The printer of a DOS program's own printing; empty for the default one.
    [[nodiscard]] std::string CharacterPrinter();

    [[nodiscard]] const PrintSpool& Spool() const { return m_page.Spool(); }
    // The printer of later jobs; set up on first use.
    [[nodiscard]] GdiPrinter& Printer() { return m_printer.Printer(); }

private:
    void Start() override { m_slices.Start(); }
    void Stop() override { m_slices.Stop(); }
    void ShowJobs();

    DesktopJobPrinter m_printer;
    IdleSlices m_slices;
    PrintPageSpool m_page;
    JobGridControl m_running;
    JobGridControl m_finished;
    HWND m_owner;
};

} // namespace zel
