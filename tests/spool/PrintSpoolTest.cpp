#include "spool/PrintSpool.h"

#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

using namespace std::chrono_literals;

const std::string kSpool = "C:\\ZELKOR\\Printing";

// Keeps what it was given, a slice at a time; fails, as a missing printer does, while told to.
class RecordingPrinter final : public JobPrinter {
public:
    void BeginJob(InputFile& file, std::string_view title) override {
        m_file = &file;
        m_bytes.clear();
        m_title = title;
        m_slice = 0;
    }
    bool PrintSlice() override {
        if (whilePrinting) {
            whilePrinting();
        }
        if (!failure.empty()) {
            m_file = nullptr;
            throw std::runtime_error(failure);
        }
        m_bytes += m_file->Read(4096);
        if (++m_slice < slices) {
            return false;
        }
        for (std::string piece; !(piece = m_file->Read(4096)).empty();) {
            m_bytes += piece;
        }
        m_file = nullptr;
        jobs.push_back(m_bytes);
        titles.push_back(m_title);
        return true;
    }
    void CancelJob() noexcept override {
        m_file = nullptr;
        ++cancelled;
    }

    std::string failure;
    std::function<void()> whilePrinting;
    int slices = 1; // how many slices a job takes
    int cancelled = 0;
    std::vector<std::string> jobs;
    std::vector<std::string> titles;

private:
    InputFile* m_file = nullptr;
    std::string m_bytes;
    std::string m_title;
    int m_slice = 0;
};

// A look at the machine that sees no process at all, as a launcher on another PC sees this
// one's: every regular file seems free.
class BlindProbe final : public SharingProbe {
public:
    explicit BlindProbe(Platform& platform) : m_platform(platform) {}
    SharingAnswer CanOpenExclusive(std::string_view path) override {
        return {m_platform.FileExists(path), std::nullopt};
    }
    SharingAnswer CanOpenDenyWrite(std::string_view path) override {
        return {m_platform.FileExists(path), std::nullopt};
    }

private:
    Platform& m_platform;
};

// Renames of what it claims fail while told to, as in a folder the user may not write.
class StubbornPlatform final : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    FileClaim ClaimFile(std::string_view folder, std::string_view name,
                        const std::optional<FileStamp>& expected) override;
    std::unique_ptr<InputFile> OpenRegularFileForRead(std::string_view path) override {
        ++reads;
        return ForwardingPlatform::OpenRegularFileForRead(path);
    }
    std::unique_ptr<SharingProbe> MakeSharingProbe() override {
        return blind ? std::make_unique<BlindProbe>(Inner()) : Inner().MakeSharingProbe();
    }
    bool refuseRenames = false;
    std::string refuseRenamesOf; // a file name whose renames fail
    int reads = 0;
    int claims = 0;
    bool blind = false;
    std::function<void()> beforeRename;
    std::function<void()> beforeClaim;
};

class StubbornClaim final : public ClaimedFile {
public:
    StubbornClaim(StubbornPlatform& platform, std::unique_ptr<ClaimedFile> inner, std::string name)
        : m_platform(platform), m_inner(std::move(inner)), m_name(std::move(name)) {}
    InputFile& Content() override { return m_inner->Content(); }
    std::optional<FileStamp> Stamp() override { return m_inner->Stamp(); }
    bool Rename(std::string_view name) override {
        if (m_platform.beforeRename) {
            m_platform.beforeRename();
        }
        if (m_platform.refuseRenames || m_name == m_platform.refuseRenamesOf ||
            !m_inner->Rename(name)) {
            return false;
        }
        m_name = name;
        return true;
    }
    bool Delete() override { return m_inner->Delete(); }

private:
    StubbornPlatform& m_platform;
    std::unique_ptr<ClaimedFile> m_inner;
    std::string m_name;
};

FileClaim StubbornPlatform::ClaimFile(std::string_view folder, std::string_view name,
                                      const std::optional<FileStamp>& expected) {
    if (beforeClaim) {
        beforeClaim();
    }
    ++claims;
    FileClaim claim = ForwardingPlatform::ClaimFile(folder, name, expected);
    if (claim.file) {
        claim.file =
            std::make_unique<StubbornClaim>(*this, std::move(claim.file), std::string(name));
    }
    return claim;
}

class PrintSpoolTest : public ::testing::Test {
protected:
    PrintSpoolTest()
        : m_root(m_world.AddDrive('C')),
          m_platform(std::make_unique<StubbornPlatform>(m_world.MakePlatform())),
          m_spool(
              *m_platform, m_printer, kSpool,
              [](const LocalDateTime& t) { return std::to_string(t.year); }, Timing(0ms)) {
        fs::create_directories(Folder());
    }

    // Time on a clock of the test's own, which moves only when told.
    [[nodiscard]] SpoolTiming Timing(std::chrono::milliseconds settle) {
        return {settle, [this] { return m_now; }};
    }
    [[nodiscard]] std::string Printing(const std::string& name) const {
        return PrintingName(name, m_spool.Mark());
    }

    [[nodiscard]] fs::path Folder() const { return m_root / "ZELKOR" / "Printing"; }
    void Write(const std::string& name, const std::string& bytes) {
        WriteNativeFile(Folder() / name, bytes);
    }
    static std::string List(const std::string& name) {
        return "\xAD"
               "0" +
               name + "\r\nbody of " + name + "\r\n";
    }
    [[nodiscard]] std::set<std::string> FolderNames() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
    [[nodiscard]] std::vector<std::string> RunningNames() const { return RunningNames(m_spool); }
    [[nodiscard]] static std::vector<std::string> RunningNames(const PrintSpool& spool) {
        std::vector<std::string> names;
        for (int row = 1; row < spool.Running().RowCount(); ++row) {
            names.push_back(spool.Running().Row(row)[kFileNameColumn]);
        }
        return names;
    }
    void Append(const std::string& name, const std::string& bytes) {
        std::ofstream file(Folder() / name, std::ios::binary | std::ios::app);
        file << bytes;
    }

    SpoolTiming::Clock::time_point m_now{};
    WineWorld m_world;
    fs::path m_root;
    RecordingPrinter m_printer;
    std::unique_ptr<StubbornPlatform> m_platform;
    PrintSpool m_spool;
};

TEST_F(PrintSpoolTest, AnEmptyFolderShowsTheHeadersAndOneEmptyRow) {
    EXPECT_TRUE(m_spool.Tick(true).scanned);
    ASSERT_EQ(m_spool.Running().RowCount(), 2);
    EXPECT_EQ(m_spool.Running().Row(0), JobColumnHeaders());
    EXPECT_EQ(m_spool.Running().Row(0)[2], Utf8ToCp1250("Nyomtatás időpontja"));
    EXPECT_EQ(m_spool.Running().Row(1), JobRow{});
    EXPECT_EQ(m_spool.Finished().Row(0), JobColumnHeaders());
    EXPECT_TRUE(m_printer.jobs.empty());
}

TEST_F(PrintSpoolTest, OneJobPerTickInNameOrder) {
    Write("ws0003.A17", List("harmadik"));
    Write("ws0001.B21", List("első"));
    Write("ws0002.A17", List("második"));

    const SpoolTickResult first = m_spool.Tick(true);
    EXPECT_TRUE(first.printed);
    ASSERT_EQ(m_printer.jobs.size(), 1u);
    EXPECT_EQ(m_printer.jobs[0], List("első"));
    EXPECT_EQ(m_printer.titles[0], "első");
    EXPECT_EQ(RunningNames(), (std::vector<std::string>{"ws0002.A17", "ws0003.A17"}));
    EXPECT_EQ(m_spool.Finished().RowCount(), 2);
    EXPECT_EQ(m_spool.Finished().Row(1)[kFileNameColumn], "ws0001.B21");
    EXPECT_EQ(FolderNames(), (std::set<std::string>{"ws0002.A17", "ws0003.A17"}));

    m_spool.Tick(true);
    m_spool.Tick(true);
    EXPECT_EQ(m_printer.jobs.size(), 3u);
    EXPECT_EQ(m_printer.jobs[2], List("harmadik"));
    ASSERT_EQ(m_spool.Finished().RowCount(), 4);
    EXPECT_EQ(m_spool.Finished().Row(1)[kFileNameColumn], "ws0003.A17");
    EXPECT_EQ(m_spool.Finished().Row(3)[kFileNameColumn], "ws0001.B21");
    EXPECT_EQ(m_spool.Running().RowCount(), 2);
    EXPECT_EQ(m_spool.Running().Row(1)[kListNameColumn], "");
    EXPECT_TRUE(FolderNames().empty());

    m_spool.Tick(true);
    EXPECT_EQ(m_printer.jobs.size(), 3u);
}

TEST_F(PrintSpoolTest, AListStillBeingWrittenWaitsUntilItsWriterClosesIt) {
    Write("ws0001.A17", List("félkész"));
    {
        std::ofstream writer(Folder() / "ws0001.A17", std::ios::app);
        ASSERT_TRUE(writer.is_open());
        m_spool.Tick(true);
        EXPECT_TRUE(m_printer.jobs.empty());
        EXPECT_EQ(m_spool.Running().Row(1)[kFileNameColumn], "");
    }
    // A reader does not hold the writer's place.
    std::ifstream reader(Folder() / "ws0001.A17");
    EXPECT_TRUE(m_spool.Tick(true).printed);
}

TEST_F(PrintSpoolTest, OnlyRegularListFilesOfTheFolderArePrinted) {
    Write("ws0001.TXT", "text");
    Write("ws0002", "no extension");
    Write("ws0003.A17.TXT", List("long name"));
    Write("wsé04.A17", List("ékezetes"));
    Write("ws\xFF"
          "5.A17",
          List("broken name"));
    Write("ws0006.A17x", List("four letters"));
    fs::create_directories(Folder() / "ws0007.A17");
    fs::create_symlink(Folder() / "ws0001.TXT", Folder() / "ws0008.WPR");
    // A link that a stranger planted in the shared folder must not print a private file.
    WriteNativeFile(m_root / "private.txt", List("titok"));
    fs::create_symlink(m_root / "private.txt", Folder() / "ws0009.A17");
    ASSERT_EQ(::mkfifo((Folder() / "ws0010.A17").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((Folder() / "ws0011.WPR").c_str(), 0600), 0);

    for (int i = 0; i < 3; ++i) {
        m_spool.Tick(true);
    }
    ASSERT_EQ(m_printer.jobs.size(), 1u);
    EXPECT_EQ(m_printer.jobs[0], List("ékezetes"));
    EXPECT_EQ(FolderNames(), (std::set<std::string>{"ws0001.TXT", "ws0002", "ws0003.A17.TXT",
                                                    "ws\xFF"
                                                    "5.A17",
                                                    "ws0006.A17x", "ws0007.A17", "ws0008.WPR",
                                                    "ws0009.A17", "ws0010.A17", "ws0011.WPR"}));
    EXPECT_EQ(ReadNativeFile(m_root / "private.txt"), List("titok"));
}

TEST_F(PrintSpoolTest, AJobLeftByALauncherThatIsGoneIsPrinted) {
    Write("ws0001.WPR", "\xAD"
                        "0Berjegyzek\xAD"
                        "32021\r\nbody\r\n");
    Write("ws0002.WPR", "\xAD"
                        "0fej nelkul\r\n");
    {
        // While another launcher prints it, the job is its own.
        std::ifstream printing(Folder() / "ws0001.WPR");
        m_spool.Tick(true);
        EXPECT_TRUE(FolderNames().contains("ws0001.WPR"));
    }
    m_spool.Tick(true);
    m_spool.Tick(true);
    ASSERT_EQ(m_printer.jobs.size(), 2u);
    EXPECT_EQ(m_printer.titles, (std::vector<std::string>{"fej nelkul", "Berjegyzek"}));
    EXPECT_EQ(m_spool.Finished().Row(1)[kFileNameColumn], "ws0001.A21");
    EXPECT_EQ(m_spool.Finished().Row(2)[kFileNameColumn], "ws0002.A99");
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(PrintSpoolTest, StoppingAJobInProgressPutsItBackWhole) {
    Write("ws0001.A17", List("hosszú") + std::string(20000, 'x'));
    m_printer.slices = 3;
    EXPECT_FALSE(m_spool.Tick(true).printed);
    EXPECT_TRUE(m_spool.JobInProgress());
    EXPECT_EQ(FolderNames(), std::set<std::string>{Printing("ws0001.A17")});
    // Ticks while the job goes on start nothing else.
    Write("ws0000.A17", List("korábbi"));
    EXPECT_FALSE(m_spool.Tick(true).scanned);
    EXPECT_FALSE(m_spool.PrintSlice().printed);

    EXPECT_FALSE(m_spool.Tick(false).printingStopped);
    EXPECT_FALSE(m_spool.JobInProgress());
    EXPECT_EQ(m_printer.cancelled, 1);
    EXPECT_TRUE(m_printer.jobs.empty());
    EXPECT_EQ(FolderNames(), (std::set<std::string>{"ws0000.A17", "ws0001.A17"}));
    EXPECT_EQ(ReadNativeFile(Folder() / "ws0001.A17"), List("hosszú") + std::string(20000, 'x'));

    m_printer.slices = 2;
    m_spool.Tick(true);
    EXPECT_TRUE(m_spool.PrintSlice().printed);
    EXPECT_FALSE(m_spool.JobInProgress());
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("korábbi")});
}

TEST_F(PrintSpoolTest, AFailureInALaterSliceIsReportedByTheNextTick) {
    Write("ws0001.A17", List("egy"));
    m_printer.slices = 2;
    m_spool.Tick(true);
    m_printer.failure = "A nyomtató nem fogadta el";
    EXPECT_TRUE(m_spool.PrintSlice().printingStopped);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});

    const SpoolTickResult reported = m_spool.Tick(true);
    EXPECT_TRUE(reported.printingStopped);
    EXPECT_EQ(reported.error, "A nyomtató nem fogadta el");
    EXPECT_FALSE(m_spool.Tick(false).printingStopped);
}

TEST_F(PrintSpoolTest, ALauncherClosedDuringAJobLeavesTheListWaiting) {
    Write("ws0001.A17", List("egy"));
    m_printer.slices = 2;
    {
        PrintSpool spool(*m_platform, m_printer, kSpool, {}, Timing(0ms));
        spool.Tick(true);
        EXPECT_EQ(FolderNames(), std::set<std::string>{PrintingName("ws0001.A17", spool.Mark())});
    }
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
}

TEST_F(PrintSpoolTest, RowsShowTheHeaderOrTheFileName) {
    Write("ws0001.A17", "\xAD"
                        "0Gy\x93jt\x93   \xAD"
                        "22\xAD"
                        "32017\xAD"
                        "45\r\n");
    Write("ws0002.A17", "no header\r\n");
    Write("ws0003.A17", std::string("\x00\xFF\xAD\x1A", 4));
    ASSERT_TRUE(m_platform->SetLastWriteTime(kSpool + "\\ws0002.A17", {2017, 3, 9, 14, 5, 0}));
    m_platform->refuseRenames = true;

    m_spool.Tick(true);
    const JobGrid& running = m_spool.Running();
    ASSERT_EQ(running.RowCount(), 4);
    EXPECT_EQ(running.Row(1), (JobRow{Utf8ToCp1250("Győjtő"), Utf8ToCp1250("2017. év"),
                                      running.Row(1)[kTimeColumn], "5", "2", "", "ws0001.A17"}));
    EXPECT_EQ(running.Row(2), (JobRow{"ws0002.A17", "", "2017", "", "", "", "ws0002.A17"}));
    EXPECT_EQ(running.Row(3)[kListNameColumn], "ws0003.A17");
}

TEST_F(PrintSpoolTest, WithPrintingStoppedNothingIsTouched) {
    Write("ws0001.A17", List("egy"));
    m_platform->refuseRenames = true;
    m_spool.Tick(true);
    m_platform->refuseRenames = false;
    const JobGrid before = m_spool.Running();
    Write("ws0002.A17", List("kettő"));

    EXPECT_FALSE(m_spool.Tick(false).scanned);
    EXPECT_EQ(m_spool.Running().Revision(), before.Revision());
    EXPECT_TRUE(m_printer.jobs.empty());
    EXPECT_EQ(FolderNames(), (std::set<std::string>{"ws0001.A17", "ws0002.A17"}));
}

TEST_F(PrintSpoolTest, AFailedJobGoesBackAndPrintsWhenThePrinterIsMended) {
    Write("ws0001.A17", List("egy"));
    m_printer.failure = "Nincs nyomtató";

    const SpoolTickResult failed = m_spool.Tick(true);
    EXPECT_TRUE(failed.printingStopped);
    EXPECT_FALSE(failed.printed);
    EXPECT_EQ(failed.error, "Nincs nyomtató");
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    EXPECT_EQ(m_spool.Running().Row(1)[kFileNameColumn], "ws0001.A17");
    EXPECT_EQ(m_spool.Finished().Row(1), JobRow{});

    // The cycle that failed has let go of the spool.
    m_printer.failure.clear();
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("egy")});
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(PrintSpoolTest, AFailedJobNeverTakesTheNameOfANewerList) {
    Write("ws0001.A17", List("egy"));
    m_printer.failure = "Nincs nyomtató";
    m_printer.whilePrinting = [this] { Write("ws0001.A17", List("uj")); };
    EXPECT_TRUE(m_spool.Tick(true).printingStopped);
    EXPECT_EQ(FolderNames(), (std::set<std::string>{"ws0001.A17", "ws0001~1.A17"}));

    m_printer.failure.clear();
    m_printer.whilePrinting = nullptr;
    m_spool.Tick(true);
    m_spool.Tick(true);
    EXPECT_EQ(m_printer.jobs, (std::vector<std::string>{List("uj"), List("egy")}));
}

TEST_F(PrintSpoolTest, ACycleThatEndsInAnErrorLetsGoOfTheSpool) {
    Write("ws0001.A17", List("egy"));
    bool fail = true;
    PrintSpool spool(
        *m_platform, m_printer, kSpool,
        [&fail](const LocalDateTime&) {
            if (fail) {
                throw std::runtime_error("clock");
            }
            return std::string("ma");
        },
        Timing(0ms));
    EXPECT_THROW(spool.Tick(true), std::runtime_error);
    fail = false;
    EXPECT_TRUE(spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("egy")});
}

TEST_F(PrintSpoolTest, AJobThatCannotGoBackIsRestoredByALaterScan) {
    Write("ws0001.A17", List("egy"));
    m_printer.failure = "Nincs nyomtató";
    m_platform->refuseRenamesOf = Printing("ws0001.A17");
    EXPECT_TRUE(m_spool.Tick(true).printingStopped);
    EXPECT_EQ(FolderNames(), std::set<std::string>{Printing("ws0001.A17")});

    m_platform->refuseRenamesOf.clear();
    m_printer.failure.clear();
    m_spool.Tick(true);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    m_spool.Tick(true);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("egy")});
}

TEST_F(PrintSpoolTest, AJobThatCannotBeTakenKeepsItsPlaceInTheQueue) {
    Write("ws0001.A17", List("egy"));
    Write("ws0002.A17", List("kettő"));
    Write("ws0003.A17", List("három"));
    // The first cannot be renamed this tick: the second must not print before it.
    m_platform->refuseRenamesOf = "ws0001.A17";
    EXPECT_FALSE(m_spool.Tick(true).printed);
    m_platform->refuseRenamesOf.clear();
    EXPECT_TRUE(m_printer.jobs.empty());
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("egy")});

    // The next vanishes between the scan and its print; the one behind it prints next tick.
    m_platform->beforeClaim = [this] { fs::remove(Folder() / "ws0002.A17"); };
    EXPECT_FALSE(m_spool.Tick(true).printed);
    m_platform->beforeClaim = nullptr;
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs, (std::vector<std::string>{List("egy"), List("három")}));
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(PrintSpoolTest, AListIsReadAgainWhenItChangedAndOnlyThen) {
    // Nothing leaves the queue, so every list is listed at every tick.
    m_platform->refuseRenames = true;
    const auto writeOld = [this](const std::string& name, const std::string& listName) {
        Write(name, List(listName));
        ASSERT_TRUE(m_platform->SetLastWriteTime(kSpool + "\\" + name, {2017, 3, 9, 14, 5, 0}));
    };
    writeOld("ws0001.A17", "eredeti");
    writeOld("ws0002.A17", "masodik");
    writeOld("ws0003.A17", "harmadik");
    m_spool.Tick(true);
    EXPECT_EQ(m_platform->reads, 3);
    m_spool.Tick(true);
    EXPECT_EQ(m_platform->reads, 3);
    EXPECT_EQ(m_spool.Running().Row(1)[kListNameColumn], "eredeti");
    EXPECT_EQ(m_spool.Running().Row(1)[kTimeColumn], "2017");

    // Written again in place, and another file of the same length put in a list's place.
    Write("ws0001.A17", List("ujraira"));
    WriteNativeFile(m_root / "cserelt", List("cserelt"));
    fs::rename(m_root / "cserelt", Folder() / "ws0002.A17");
    // A link put in a list's place shows neither the list nor what the link leads to.
    WriteNativeFile(m_root / "private.txt", List("titok"));
    fs::remove(Folder() / "ws0003.A17");
    fs::create_symlink(m_root / "private.txt", Folder() / "ws0003.A17");
    m_spool.Tick(true);
    EXPECT_EQ(RunningNames(), (std::vector<std::string>{"ws0001.A17", "ws0002.A17"}));
    EXPECT_EQ(m_spool.Running().Row(1)[kListNameColumn], "ujraira");
    EXPECT_EQ(m_spool.Running().Row(2)[kListNameColumn], "cserelt");

    // Written again at once, within the same tick of the file system's clock: no stamp tells
    // the two apart, so a list of this second is read at every tick.
    Write("ws0001.A17", List("azonnal"));
    m_spool.Tick(true);
    Write("ws0001.A17", List("megint!"));
    m_spool.Tick(true);
    EXPECT_EQ(m_spool.Running().Row(1)[kListNameColumn], "megint!");
}

TEST_F(PrintSpoolTest, AThousandWaitingListsAreListedInOrder) {
    for (int i = 999; i >= 0; --i) {
        char name[16];
        std::snprintf(name, sizeof(name), "ws%04d.A17", i);
        Write(name, List(name));
    }
    m_spool.Tick(true);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("ws0000.A17")});
    const std::vector<std::string> names = RunningNames();
    ASSERT_EQ(names.size(), 999u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(names.front(), "ws0001.A17");
}

// Names that another account plants in a shared spool folder, and links: nothing outside
// the folder is ever printed, renamed or deleted, on the drive or above its root.
TEST_F(PrintSpoolTest, NoNameOrLinkLeadsOutOfTheFolder) {
    const fs::path payroll = m_root / "home" / "private" / "payroll.B17";
    const fs::path hidden = m_root / "home" / "private" / "pay.WPR";
    const fs::path above = m_root.parent_path() / "outside.B17";
    WriteNativeFile(payroll, List("fizetesek"));
    WriteNativeFile(hidden, List("titkos"));
    WriteNativeFile(above, List("kint"));
    fs::permissions(payroll, fs::perms::owner_read | fs::perms::owner_write);
    const std::set<std::string> planted = {
        "ws.B17\\..\\..\\..\\home\\private\\payroll.B17",
        "ws.B17\\..\\..\\..\\home\\private\\pay.WPR",
        "ws.B17\\..\\..\\..\\..\\..\\..\\outside.B17",
        "ws0001.A17\\..\\..\\..\\home\\private\\payroll.B17.K3F9Q2ZD.WPR",
        "ws0002.A17",
        "ws0003.WPR",
        "ws0004.A17.K3F9Q2ZD.WPR",
        "ws0005.A17"};
    // The planted names are names of their own here; the ".." inside them is text.
    for (const char* name : {"ws.B17\\..\\..\\..\\home\\private\\payroll.B17",
                             "ws.B17\\..\\..\\..\\home\\private\\pay.WPR",
                             "ws.B17\\..\\..\\..\\..\\..\\..\\outside.B17",
                             "ws0001.A17\\..\\..\\..\\home\\private\\payroll.B17.K3F9Q2ZD.WPR"}) {
        Write(name, List("csali"));
    }
    fs::create_symlink(payroll, Folder() / "ws0002.A17");
    fs::create_symlink(hidden, Folder() / "ws0003.WPR");
    fs::create_symlink(payroll, Folder() / "ws0004.A17.K3F9Q2ZD.WPR");
    // A second name of a private file is that file, not a list.
    fs::create_hard_link(above, Folder() / "ws0005.A17");

    for (int i = 0; i < 5; ++i) {
        m_spool.Tick(true);
    }
    EXPECT_TRUE(m_printer.jobs.empty());
    EXPECT_EQ(FolderNames(), planted);
    EXPECT_EQ(ReadNativeFile(payroll), List("fizetesek"));
    EXPECT_EQ(ReadNativeFile(hidden), List("titkos"));
    EXPECT_EQ(ReadNativeFile(above), List("kint"));
    EXPECT_EQ(fs::hard_link_count(above), 2u);
    EXPECT_TRUE(fs::is_regular_file(m_root / "home" / "private" / "payroll.B17"));
}

TEST_F(PrintSpoolTest, AListIsTakenOnlyOnceItHasStayedUnchangedForTheSettleTime) {
    RecordingPrinter printer;
    PrintSpool spool(*m_platform, printer, kSpool, {}, Timing(2000ms));
    Write("ws0001.A17", List("lassan"));
    EXPECT_FALSE(spool.Tick(true).printed);
    EXPECT_EQ(RunningNames(spool), std::vector<std::string>{"ws0001.A17"});
    m_now += 1000ms;
    EXPECT_FALSE(spool.Tick(true).printed);
    // Its writer, on a PC whose processes no look here sees, goes on: the time begins anew.
    Append("ws0001.A17", "tovabb\r\n");
    m_now += 1000ms;
    EXPECT_FALSE(spool.Tick(true).printed);
    m_now += 1999ms;
    EXPECT_FALSE(spool.Tick(true).printed);
    EXPECT_EQ(m_platform->claims, 0);
    m_now += 1ms;
    EXPECT_TRUE(spool.Tick(true).printed);
    EXPECT_EQ(printer.jobs, std::vector<std::string>{List("lassan") + "tovabb\r\n"});
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(PrintSpoolTest, AListWrittenBetweenTheLookAndTheTakingIsNotTaken) {
    Write("ws0001.A17", List("egy"));
    m_platform->beforeClaim = [this] { Append("ws0001.A17", "ketto\r\n"); };
    EXPECT_FALSE(m_spool.Tick(true).printed);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    m_platform->beforeClaim = nullptr;
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("egy") + "ketto\r\n"});
}

// A writer on another PC that goes on writing into a list already taken: the list is never
// deleted unprinted; it goes back and prints again, whole.
TEST_F(PrintSpoolTest, AListThatChangesAfterItWasTakenGoesBackAndPrintsWhole) {
    Write("ws0001.A17", List("fel"));
    m_printer.slices = 3;
    m_spool.Tick(true);
    ASSERT_TRUE(m_spool.JobInProgress());
    Append(Printing("ws0001.A17"), "vege\r\n");
    EXPECT_FALSE(m_spool.Tick(true).printed);
    EXPECT_FALSE(m_spool.JobInProgress());
    EXPECT_EQ(m_printer.cancelled, 1);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});

    // Changed while its last slice went to the printer: printed, but not deleted.
    m_printer.slices = 1;
    m_printer.whilePrinting = [this] {
        m_printer.whilePrinting = nullptr;
        Append(Printing("ws0001.A17"), "utolso\r\n");
    };
    EXPECT_FALSE(m_spool.Tick(true).printed);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs.back(), List("fel") + "vege\r\nutolso\r\n");
    EXPECT_TRUE(FolderNames().empty());
}

// Another launcher's claim is seen even where its process is not (another PC): the list
// under its printing name is left alone while the claim lives, and goes back to wait once
// the launcher is gone.
TEST_F(PrintSpoolTest, AnotherLaunchersListWaitsUntilItsClaimIsLetGo) {
    m_platform->blind = true;
    Write("ws0001.A17", List("masike"));
    const std::string othersName = "ws0001.A17.M4S1K0PC.WPR";
    FileClaim other = m_platform->Inner().ClaimFile(kSpool, "ws0001.A17", std::nullopt);
    ASSERT_EQ(other.outcome, ClaimOutcome::Claimed);
    ASSERT_TRUE(other.file->Rename(othersName));
    Write("ws0002.A17", List("sajat"));
    for (int i = 0; i < 4; ++i) {
        m_spool.Tick(true);
    }
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("sajat")});
    EXPECT_EQ(FolderNames(), std::set<std::string>{othersName});

    // Its launcher died while printing: the claim went with it.
    other.file.reset();
    m_spool.Tick(true);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs.back(), List("masike"));
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(PrintSpoolTest, TwoLaunchersOverOneFolderPrintEachArrivingListExactlyOnce) {
    // Neither sees the other's processes, as on two PCs: only the claims keep them apart.
    m_platform->blind = true;
    RecordingPrinter secondPrinter;
    PrintSpool second(*m_platform, secondPrinter, kSpool, {}, Timing(0ms));
    m_printer.slices = 3;
    secondPrinter.slices = 2;
    std::multiset<std::string> written;
    for (int round = 0; round < 400; ++round) {
        if (round % 3 == 0 && written.size() < 24) {
            for (int i = 0; i < 2; ++i) {
                char name[16];
                std::snprintf(name, sizeof(name), "ws%04d.A17", static_cast<int>(written.size()));
                Write(name, List(name));
                written.insert(List(name));
            }
        }
        m_spool.Tick(true);
        second.Tick(true);
        m_spool.PrintSlice();
        second.PrintSlice();
        if (written.size() == 24 && FolderNames().empty() && !m_spool.JobInProgress() &&
            !second.JobInProgress()) {
            break;
        }
    }
    std::multiset<std::string> printed(m_printer.jobs.begin(), m_printer.jobs.end());
    printed.insert(secondPrinter.jobs.begin(), secondPrinter.jobs.end());
    EXPECT_EQ(printed, written);
    EXPECT_FALSE(m_printer.jobs.empty());
    EXPECT_FALSE(secondPrinter.jobs.empty());
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(PrintSpoolTest, AListThatCannotBeTakenIsSetAsideTheUserToldOnceAndTheNextPrints) {
    Write("ws0001.A17", List("elakadt"));
    Write("ws0002.A17", List("ketto"));
    Write("ws0003.A17", List("harom"));
    m_platform->refuseRenamesOf = "ws0001.A17";
    EXPECT_FALSE(m_spool.Tick(true).printed);
    EXPECT_FALSE(m_spool.Tick(true).printed);
    const SpoolTickResult third = m_spool.Tick(true);
    EXPECT_EQ(third.stuckList, std::optional<std::string>("ws0001.A17"));
    EXPECT_TRUE(third.printed);
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("ketto")});
    const SpoolTickResult fourth = m_spool.Tick(true);
    EXPECT_FALSE(fourth.stuckList);
    EXPECT_TRUE(fourth.printed);
    // With nothing else to print it is tried again, without a word, and prints once it can.
    EXPECT_FALSE(m_spool.Tick(true).stuckList);
    EXPECT_EQ(RunningNames(), std::vector<std::string>{"ws0001.A17"});
    m_platform->refuseRenamesOf.clear();
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs,
              (std::vector<std::string>{List("ketto"), List("harom"), List("elakadt")}));
}

// A folder under an earlier version's printing name once held its list's rename for ever.
TEST_F(PrintSpoolTest, AFolderUnderAnOldPrintingNameHoldsNothingUp) {
    fs::create_directories(Folder() / "ws0000.WPR");
    Write("ws0000.A17", List("nulla"));
    Write("ws0001.A17", List("egy"));
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_TRUE(m_spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs, (std::vector<std::string>{List("nulla"), List("egy")}));
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0000.WPR"});
}

} // namespace
} // namespace zel::test
