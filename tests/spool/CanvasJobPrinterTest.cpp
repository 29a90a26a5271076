#include "spool/CanvasJobPrinter.h"

#include "RecordingCanvas.h"
#include "support/MemoryFile.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace zel::test {
namespace {

const std::string kList = "\xAD"
                          "0LISTA\r\nsor\r\n";

// Slices until the document is ended; how many more the job took before it counted as done.
int SlicesAfterTheEnd(CanvasJobPrinter& printer, const RecordingCanvas& canvas) {
    while (canvas.ended == 0) {
        if (printer.PrintSlice()) {
            return 0;
        }
    }
    int slices = 1;
    while (!printer.PrintSlice()) {
        ++slices;
    }
    return slices;
}

TEST(CanvasJobPrinter, AJobIsDoneOnlyOnceThePrinterHasTheDocument) {
    RecordingCanvas canvas;
    canvas.unansweredAsks = 3;
    CanvasJobPrinter printer(canvas);
    MemoryFile file(kList);
    printer.BeginJob(file, "lista");
    // Every unanswered ask is a slice not done, the one that ends the document among them.
    EXPECT_EQ(SlicesAfterTheEnd(printer, canvas), 3);
    EXPECT_EQ(canvas.ended, 1);
    EXPECT_EQ(canvas.aborted, 0);
    EXPECT_TRUE(printer.PrintSlice());
}

TEST(CanvasJobPrinter, AJobOnItsWayIsDroppedWhenCancelledOrRefused) {
    RecordingCanvas canvas;
    canvas.unansweredAsks = 100;
    CanvasJobPrinter printer(canvas);
    MemoryFile file(kList);
    printer.BeginJob(file, "lista");
    while (canvas.ended == 0) {
        ASSERT_FALSE(printer.PrintSlice());
    }
    printer.CancelJob();
    EXPECT_EQ(canvas.aborted, 1);
    EXPECT_TRUE(printer.PrintSlice());

    MemoryFile again(kList);
    printer.BeginJob(again, "lista");
    canvas.refuseDelivery = true;
    EXPECT_THROW(
        {
            while (!printer.PrintSlice()) {
            }
        },
        std::runtime_error);
    EXPECT_EQ(canvas.ended, 2);
    EXPECT_TRUE(printer.PrintSlice());
    printer.CancelJob();
    EXPECT_EQ(canvas.aborted, 1);
}

} // namespace
} // namespace zel::test
