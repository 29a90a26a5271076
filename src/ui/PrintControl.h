#pragma once
// What the print tab drives: the spool of the main window's timer, printing onto the
// current desktop printer, its two job lists and the printer setup. The window keeps the
// buttons; it asks this to tick with their state and stops printing when a job fails. A job
// goes on in slices from the event loop between ticks; a failure in a slice is told by the
// next tick. The spool keeps its lists from the first tick on, so the tables that show them
// may come later: the print page is seldom shown, and building them cost a tenth of the
// start.

#include "panel/PrintPage.h"
#include "panel/PrintPageSpool.h"
#include "panel/SliceScheduler.h"
#include "ui/DesktopPrinting.h"
#include "ui/JobGridView.h"

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace zel {

class StringGrid;

class PrintControl final : public PrintPage, private SliceScheduler {
    Q_DISABLE_COPY_MOVE(PrintControl)

public:
    using PrintingMaker = std::function<std::unique_ptr<DesktopPrinting>()>;

    // owner is the window the printer setup dialog blocks while it is up. The spool's timing
    // is its own but where a test gives one; the desktop printer comes from the print
    // support module, made when a job or the setup first needs it, but where a test makes it.
    PrintControl(Platform& platform, std::string spoolDirectory, QWidget& owner,
                 SpoolTiming timing = {}, PrintingMaker makePrinting = {});

    // From now on the job lists are shown in these tables, filled at once with what the
    // spool holds.
    void ShowJobsIn(StringGrid& running, StringGrid& finished);

    // One cycle of Timer1; shows its outcome in the grids. A result with printingStopped
    // set asks the panel to put btMegszakit down and show the error.
    SpoolTickResult Tick(bool printingEnabled) override;
    // The printer setup dialog; what the user chooses serves every later job.
    std::string SetupPrinter() override;

    [[nodiscard]] QPrinter& Printer() { return m_printer.Made().Printer(); }
    // The printer of a DOS program's own printing; empty for the default one.
    [[nodiscard]] std::string CharacterPrinter();
    [[nodiscard]] const PrintSpool& Spool() const { return m_page.Spool(); }

private:
    // The spool's printer until the desktop printer is made: nothing to print before a job.
    class PrintingOnDemand final : public JobPrinter {
    public:
        explicit PrintingOnDemand(PrintingMaker make) : m_make(std::move(make)) {}
        void BeginJob(InputFile& file, std::string_view title) override {
            Made().BeginJob(file, title);
        }
        bool PrintSlice() override { return !m_made || m_made->PrintSlice(); }
        void CancelJob() noexcept override;
        [[nodiscard]] DesktopPrinting& Made();
        [[nodiscard]] bool IsMade() const { return m_made != nullptr; }

    private:
        PrintingMaker m_make;
        std::unique_ptr<DesktopPrinting> m_made;
    };

    void Start() override { m_slices.start(); }
    void Stop() override { m_slices.stop(); }
    void ShowJobs();

    PrintingOnDemand m_printer;
    QTimer m_slices;
    PrintPageSpool m_page;
    std::optional<JobGridView> m_running;
    std::optional<JobGridView> m_finished;
    QWidget& m_owner;
};

} // namespace zel
