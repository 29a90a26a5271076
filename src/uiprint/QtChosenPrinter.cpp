#include "uiprint/QtChosenPrinter.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>

namespace zel {

ChosenPrinter ChosenPrinterOf(const QPrinter& printer) {
    ChosenPrinter chosen;
    chosen.toFile =
        printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
    chosen.name = chosen.toFile ? QFile::encodeName(printer.outputFileName()).toStdString()
                                : printer.printerName().toStdString();
    const QPageLayout layout = printer.pageLayout();
    const QRect full = layout.fullRectPoints();
    // The layout carries the full-page mode too.
    const QRect printable = layout.paintRectPixels(printer.resolution());
    chosen.sheet = {static_cast<double>(full.width()), static_cast<double>(full.height()),
                    printer.resolution(), printable.left(), printable.top()};
    chosen.printable = {printable.width(), printable.height()};
    chosen.options.copies = printer.copyCount();
    chosen.options.collate = printer.collateCopies();
    if (printer.duplex() == QPrinter::DuplexLongSide) {
        chosen.options.sides = "two-sided-long-edge";
    } else if (printer.duplex() == QPrinter::DuplexShortSide) {
        chosen.options.sides = "two-sided-short-edge";
    }
    return chosen;
}

} // namespace zel
