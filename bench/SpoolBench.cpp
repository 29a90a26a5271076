// The print spool's costs, side by side with Qt's own PDF engine and with the usual
// text-to-PDF pipeline on the same plain 80 × 70 pages, 10 and 100 of them: pages per second
// and bytes per page; and one tick of the spool with a thousand lists waiting, on an idle
// machine and among 500 other processes holding 8 files each.

#include "QtEngineCanvas.h"
#include "SleepingChildren.h"
#include "SpoolBenchWorld.h"
#include "pdf/PdfCanvas.h"
#include "platform/posix/PosixPlatform.h"
#include "spool/JobPrinter.h"
#include "spool/PageRenderer.h"
#include "spool/PrintSpool.h"
#include "support/MemoryFile.h"
#include "uiprint/MeasureWindow.h"
#include "uiprint/QtChosenPrinter.h"
#include "uiprint/QtPrintFont.h"

#include <QApplication>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

using zel::bench::BenchFolder;
using zel::bench::NoPrinter;

constexpr int kFilesPerProcess = 8;

// 80 × 70 characters a page, every column used.
std::string PlainLines(int pages) {
    std::string text;
    for (int line = 0; line < pages * 70; ++line) {
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
void SetPageCounters(benchmark::State& state, const fs::path& pdf, int pages) {
    const int held = PdfPageCount(pdf);
    if (held != pages) {
        state.SkipWithError(
            ("the PDF holds " + std::to_string(held) + " pages, not " + std::to_string(pages))
                .c_str());
        return;
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes_per_page"] = static_cast<double>(fs::file_size(pdf)) / pages;
}

std::string PlainJob(int pages) {
    return "\xAD"
           "0BENCH\r\n" +
           PlainLines(pages);
}

// range(0): pages.
void RendererToPdf(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const std::string job = PlainJob(pages);
    const fs::path pdf = BenchFolder() / "renderer.pdf";
    zel::MeasureWindow measure;
    zel::QtPrintFont font(measure);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        zel::PdfCanvas canvas([&printer] { return zel::ChosenPrinterOf(printer); }, font);
        zel::test::MemoryFile file(job);
        zel::RenderPrintFile(file, canvas, "bench");
    }
    SetPageCounters(state, pdf, pages);
}
BENCHMARK(RendererToPdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same pages through Qt's PDF engine, as they were printed before.
void QtEngineToPdf(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const std::string job = PlainJob(pages);
    const fs::path pdf = BenchFolder() / "qtengine.pdf";
    zel::MeasureWindow measure;
    for (auto _ : state) {
        zel::bench::QtEngineCanvas canvas(QString::fromStdString(pdf.string()), measure);
        zel::test::MemoryFile file(job);
        zel::RenderPrintFile(file, canvas, "bench");
    }
    SetPageCounters(state, pdf, pages);
}
BENCHMARK(QtEngineToPdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

void EnscriptPs2Pdf(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    std::string text;
    for (const char c : PlainLines(pages)) {
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
    SetPageCounters(state, pdf, pages);
}
BENCHMARK(EnscriptPs2Pdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

zel::bench::SleepingChildren& Children() {
    static zel::bench::SleepingChildren children(BenchFolder() / "busy", kFilesPerProcess);
    return children;
}

// range(0): other processes, each holding kFilesPerProcess files open. The spool's first
// tick, which finds every list already there, is not timed: the ticks that follow are the
// ones a running launcher pays for every second.
void TickWithAThousandWaiting(benchmark::State& state) {
    std::ofstream(BenchFolder() / "busy") << "held by every other process";
    if (!Children().Resize(state.range(0))) {
        state.SkipWithError("could not start the other processes");
        return;
    }
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
                             PlainLines(1);
    // Lists that have waited a while, as they do behind a long one; a list of the current
    // second is read again at every tick.
    const auto written = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    for (int i = 0; i < 1000; ++i) {
        char name[16];
        std::snprintf(name, sizeof(name), "ws%04d.A17", i);
        std::ofstream(spool / name, std::ios::binary) << list;
        fs::last_write_time(spool / name, written);
    }
    zel::posix::PosixPlatform platform{zel::posix::WinePrefix(prefix)};
    NoPrinter printer;
    // The lists have long been quiet: each tick may take one at once.
    zel::SpoolTiming timing;
    timing.settle = std::chrono::milliseconds(0);
    zel::PrintSpool printSpool(platform, printer, "C:\\Printing", {}, std::move(timing));
    if (printSpool.Tick(true).printed) {
        std::ofstream(spool / printSpool.Finished().Jobs().front().fileName, std::ios::binary)
            << list;
    }
    for (auto _ : state) {
        if (!printSpool.Tick(true).printed) {
            state.SkipWithError("nothing printed");
            return;
        }
        state.PauseTiming();
        const std::string printed = printSpool.Finished().Jobs().front().fileName;
        std::ofstream(spool / printed, std::ios::binary) << list;
        state.ResumeTiming();
    }
}
BENCHMARK(TickWithAThousandWaiting)
    ->Arg(0)
    ->Arg(500)
    ->ArgName("processes")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
