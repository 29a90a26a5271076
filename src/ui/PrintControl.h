#pragma once
// What the print tab drives: the spool of the main window's timer, printing onto the
// current desktop printer, its two job lists and the printer setup. The window keeps the
// buttons; it asks this to tick with their state and stops printing when a job fails. A job
// goes on in slices from the event loop between ticks; a failure in a slice is told by the
// next tick.

#include "spool/CanvasJobPrinter.h"
#include "spool/PrintSpool.h"
#include "ui/JobGridView.h"
#include "ui/MeasureWindow.h"
#include "ui/PrinterCanvas.h"

#include <QPrinter>
#include <QTimer>
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
    [[nodiscard]] const PrintSpool& Spool() const { return m_spool; }

private:
    void PrintSlice();
    void Refresh();

    QPrinter m_printer;
    MeasureWindow m_measure;
    PrinterCanvas m_canvas;
    CanvasJobPrinter m_jobPrinter;
    PrintSpool m_spool;
    JobGridView m_running;
    JobGridView m_finished;
    QTimer m_slices;
    bool m_settingUp = false;
};

} // namespace zel
