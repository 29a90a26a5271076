#include "panel/PrintPageSpool.h"

#include "platform/IoError.h"
#include "support/WineWorld.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace zel {
namespace {

// A job takes three slices; each slice is counted.
class SlicedPrinter final : public JobPrinter {
public:
    void BeginJob(InputFile& file, std::string_view) override {
        m_file = &file;
        m_slice = 0;
    }
    bool PrintSlice() override {
        ++slices;
        if (++m_slice < 3) {
            return false;
        }
        while (!m_file->Read(4096).empty()) {
        }
        ++jobs;
        return true;
    }
    void CancelJob() noexcept override { m_file = nullptr; }

    int slices = 0;
    int jobs = 0;

private:
    InputFile* m_file = nullptr;
    int m_slice = 0;
};

class RecordingScheduler final : public SliceScheduler {
public:
    void Start() override { started = true; }
    void Stop() override { started = false; }
    bool started = false;
};

class PrintPageSpoolTest : public ::testing::Test {
protected:
    PrintPageSpoolTest() {
        world.AddDrive('C');
        world.WriteFile("C:\\ZELKOR\\Printing\\ws0001.A17", "lista\r\n");
        platform = world.MakePlatform();
        // The list is printed as soon as it is there: no writer elsewhere is tested here.
        page = std::make_unique<PrintPageSpool>(
            *platform, printer, "C:\\ZELKOR\\Printing", FileTimeFormatter{}, slices,
            [this] { ++shown; }, SpoolTiming{std::chrono::milliseconds(0), {}});
    }

    // The scheduler's calls, as the event loop makes them while it is started.
    void RunSlices() {
        for (int guard = 0; slices.started && guard < 10; ++guard) {
            page->PrintSlice();
        }
    }

    test::WineWorld world;
    std::unique_ptr<Platform> platform;
    SlicedPrinter printer;
    RecordingScheduler slices;
    int shown = 0;
    std::unique_ptr<PrintPageSpool> page;
};

TEST_F(PrintPageSpoolTest, AJobGoesOnInIdleSlicesUntilPrintedAndTheTablesFollow) {
    (void)page->Tick(true);
    EXPECT_EQ(printer.slices, 1) << "the tick prints the first slice";
    EXPECT_TRUE(slices.started);
    EXPECT_GT(shown, 0);
    RunSlices();
    EXPECT_EQ(printer.jobs, 1);
    EXPECT_EQ(printer.slices, 3);
    EXPECT_FALSE(slices.started) << "no idle work is left once the job is printed";
    EXPECT_EQ(page->Spool().Finished().Count(), 1u);
}

TEST_F(PrintPageSpoolTest, NothingPrintsWhileThePrinterSetupIsOpenAndTheJobGoesOnAfterIt) {
    (void)page->Tick(true);
    ASSERT_TRUE(slices.started);
    page->SetUpPrinter([this] {
        EXPECT_FALSE(slices.started) << "idle slices pause while the dialog is up";
        // The dialog's own event loop may still run a slice that was already due.
        page->PrintSlice();
        EXPECT_EQ(printer.slices, 1);
    });
    EXPECT_TRUE(slices.started) << "the job goes on once the printer is set up";
    RunSlices();
    EXPECT_EQ(printer.jobs, 1);
}

TEST_F(PrintPageSpoolTest, ASetupThatFailsDoesNotLeavePrintingPaused) {
    (void)page->Tick(true);
    EXPECT_THROW(page->SetUpPrinter([] { throw IoError(IoErrorKind::AccessDenied); }), IoError);
    (void)page->Tick(true);
    EXPECT_TRUE(slices.started);
    RunSlices();
    EXPECT_EQ(printer.jobs, 1);
}

} // namespace
} // namespace zel
