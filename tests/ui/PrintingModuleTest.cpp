#include "ui/PrintingModule.h"

#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"
#include "ui/PrintControl.h"
#include "ui/StringGrid.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

// The text a failed opening of candidates tells, in UTF-8.
std::string RefusalOf(const std::vector<std::string>& candidates) {
    try {
        static_cast<void>(OpenPrintingModule(candidates));
    } catch (const std::runtime_error& e) {
        return Cp1250ToUtf8(e.what());
    }
    return {};
}

std::string BuiltModule() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + '/' +
           kPrintingModuleName;
}

TEST(PrintingModule, OnlyTheLaunchersOwnModuleIsOpened) {
    const TempDir dir;
    const std::string missing = (dir.Path() / "zelpult-printing.so").string();
    // The user reads one short line after the print page's own words; where it was looked
    // for, and why each place failed, goes to the error output.
    ::testing::internal::CaptureStderr();
    const std::string missingTold = RefusalOf({missing});
    const std::string logged = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(missingTold, "A nyomtatási modul (zelpult-printing.so) nem tölthető be.");
    EXPECT_NE(logged.find(missing + ": "), std::string::npos) << logged;
    EXPECT_NE(RefusalOf({ZEL_MODULE_PROBE}).find("nem az Indítópulté"), std::string::npos);

    // The module built beside the tests makes a desktop printer that names no printer for
    // DOS printing until a setup is confirmed.
    const DesktopPrintingMaker make = OpenPrintingModule({missing, BuiltModule()});
    ASSERT_NE(make, nullptr);
    const std::unique_ptr<DesktopPrinting> printing(make());
    EXPECT_EQ(printing->CharacterPrinter(), "");
    EXPECT_EQ(printing->Printer().resolution(), QPrinter(QPrinter::HighResolution).resolution());
}

// A print page whose module cannot be opened keeps its list and says why, at each job.
TEST(PrintingModule, AJobThatFindsNoModuleWaitsAndIsTold) {
    WineWorld world;
    const fs::path root = world.AddDrive('C');
    fs::create_directories(root / "Printing");
    WriteNativeFile(root / "Printing" / "ws0001.A17", "sor\r\n");
    const auto platform = world.MakePlatform();
    QWidget owner;
    const std::string missing = (root / "zelpult-printing.so").string();
    int tries = 0;
    PrintControl control(*platform, "C:\\Printing", owner, {std::chrono::milliseconds(0), {}}, [&] {
        ++tries;
        return std::unique_ptr<DesktopPrinting>(OpenPrintingModule({missing})());
    });
    for (int tick = 1; tick <= 2; ++tick) {
        const SpoolTickResult failed = control.Tick(true);
        EXPECT_TRUE(failed.printingStopped);
        EXPECT_NE(Cp1250ToUtf8(failed.error).find("nyomtatási modul"), std::string::npos)
            << Cp1250ToUtf8(failed.error);
        EXPECT_TRUE(fs::exists(root / "Printing" / "ws0001.A17"));
        EXPECT_EQ(tries, tick);
    }
    EXPECT_EQ(control.CharacterPrinter(), "");
}

} // namespace
} // namespace zel::test
