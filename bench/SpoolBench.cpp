// The print spool's costs, side by side with the usual text-to-PDF pipeline on the same
// plain 80 × 70 pages: pages per second and bytes per page; and one tick of the spool with
// a thousand lists waiting.

#include "platform/posix/PosixPlatform.h"
#include "spool/JobPrinter.h"
#include "spool/PageRenderer.h"
#include "spool/PrintSpool.h"
#include "support/MemoryFile.h"
#include "ui/MeasureWindow.h"
#include "ui/PrinterCanvas.h"

#include <QApplication>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kPages = 10;

class NoPrinter final : public zel::JobPrinter {
public:
    void BeginJob(zel::InputFile&, std::string_view) override {}
    bool PrintSlice() override { return true; }
    void CancelJob() noexcept override {}
};

fs::path BenchFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "zelbench.XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

// 80 × 70 characters a page, every column used.
std::string PlainLines() {
    std::string text;
    for (int line = 0; line < kPages * 70; ++line) {
        std::string row;
        for (int column = 0; column < 80; ++column) {
            row.push_back(static_cast<char>('!' + (line + column) % 90));
        }
        text += row + "\r\n";
    }
    return text;
}

// The pages the PDF really holds, as pdfinfo reads them; 0 when it cannot tell.
int PdfPageCount(const fs::path& pdf) {
    const std::string command = "pdfinfo '" + pdf.string() + "' 2>/dev/null";
    FILE* out = ::popen(command.c_str(), "r");
    if (out == nullptr) {
        return 0;
    }
    int pages = 0;
    char line[256];
    while (std::fgets(line, sizeof(line), out) != nullptr) {
        std::sscanf(line, "Pages: %d", &pages);
    }
    ::pclose(out);
    return pages;
}

// A pipeline that splits the text into other pages than the renderer's would not compare.
void SetPageCounters(benchmark::State& state, const fs::path& pdf) {
    const int pages = PdfPageCount(pdf);
    if (pages != kPages) {
        state.SkipWithError(
            ("the PDF holds " + std::to_string(pages) + " pages, not " + std::to_string(kPages))
                .c_str());
        return;
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes_per_page"] = static_cast<double>(fs::file_size(pdf)) / kPages;
}

void RendererToPdf(benchmark::State& state) {
    const std::string job = "\xAD"
                            "0BENCH\r\n" +
                            PlainLines();
    const fs::path pdf = BenchFolder() / "renderer.pdf";
    zel::MeasureWindow measure;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        zel::PrinterCanvas canvas(printer, measure);
        zel::test::MemoryFile file(job);
        zel::RenderPrintFile(file, canvas, "bench");
    }
    SetPageCounters(state, pdf);
}
BENCHMARK(RendererToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void EnscriptPs2Pdf(benchmark::State& state) {
    std::string text;
    for (const char c : PlainLines()) {
        if (c != '\r') {
            text.push_back(c);
        }
    }
    const fs::path input = BenchFolder() / "plain.txt";
    std::ofstream(input, std::ios::binary) << text;
    const fs::path pdf = BenchFolder() / "enscript.pdf";
    const std::string command = "enscript -q -B -l -L 70 -f Courier9.5 -o - '" + input.string() +
                                "' | ps2pdf - '" + pdf.string() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("enscript | ps2pdf failed");
            return;
        }
    }
    SetPageCounters(state, pdf);
}
BENCHMARK(EnscriptPs2Pdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void TickWithAThousandWaiting(benchmark::State& state) {
    const fs::path prefix = BenchFolder() / "prefix";
    const fs::path drive = BenchFolder() / "drive_c";
    const fs::path spool = drive / "Printing";
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(spool);
    if (!fs::exists(fs::symlink_status(prefix / "dosdevices" / "c:"))) {
        fs::create_directory_symlink(drive, prefix / "dosdevices" / "c:");
    }
    const std::string list = "\xAD"
                             "0LISTA\xAD"
                             "32017\xAD"
                             "41\r\n" +
                             PlainLines().substr(0, 82 * 70);
    for (int i = 0; i < 1000; ++i) {
        char name[16];
        std::snprintf(name, sizeof(name), "ws%04d.A17", i);
        std::ofstream(spool / name, std::ios::binary) << list;
    }
    zel::posix::PosixPlatform platform{zel::posix::WinePrefix(prefix)};
    NoPrinter printer;
    zel::PrintSpool printSpool(platform, printer, "C:\\Printing");
    for (auto _ : state) {
        if (!printSpool.Tick(true).printed) {
            state.SkipWithError("nothing printed");
            return;
        }
        state.PauseTiming();
        const std::string printed = printSpool.Finished().Row(1)[zel::kFileNameColumn];
        std::ofstream(spool / printed, std::ios::binary) << list;
        state.ResumeTiming();
    }
}
BENCHMARK(TickWithAThousandWaiting)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(BenchFolder(), ignored);
    return 0;
}
