#pragma once
// What the print tab drives: the spool of the main window's timer, printing onto the
// current desktop printer, its two job lists and the printer setup. The window keeps the
// buttons; it asks this to tick with their state and stops printing when a job fails.

#include "spool/CanvasJobPrinter.h"
#include "spool/PrintSpool.h"
#include "ui/JobGridView.h"
#include "ui/MeasureWindow.h"
#include "ui/PrinterCanvas.h"

#include <QPrinter>
#include <memory>

class QWidget;

namespace zel {

class StringGrid;

class PrintControl final {
    Q_DISABLE_COPY_MOVE(PrintControl)

public:
    PrintControl(Platform& platform, std::string spoolDirectory, StringGrid& running,
                 StringGrid& finished);

    // One cycle of Timer1; shows its outcome in the grids. A result with printingStopped
    // set asks the window to put btMegszakit down and show the error.
    SpoolTickResult Tick(bool printingEnabled);
    // The printer setup dialog; what the user chooses serves every later job.
    void SetupPrinter(QWidget* owner);

    [[nodiscard]] QPrinter& Printer() { return m_printer; }
    // The printer character printing goes to: the one chosen in the setup, else empty for
    // the default one.
    [[nodiscard]] std::string CharacterPrinter() const;
    [[nodiscard]] const PrintSpool& Spool() const { return m_spool; }

private:
    QPrinter m_printer;
    MeasureWindow m_measure;
    PrinterCanvas m_canvas;
    CanvasJobPrinter m_jobPrinter;
    PrintSpool m_spool;
    JobGridView m_running;
    JobGridView m_finished;
    bool m_settingUp = false;
    bool m_chosen = false;
};

} // namespace zel
