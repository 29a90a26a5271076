// A print file of any bytes: its header parsed as the job list shows it, and its body laid
// out once in one pass and once in small slices, which must draw the same runs; every run
// lies on the page's grid rows.

#include "MemoryPlatform.h"
#include "spool/PageRenderer.h"
#include "spool/PrintJob.h"

#include <cstdlib>
#include <vector>

namespace {

class CountingCanvas final : public zel::Canvas {
public:
    zel::PageSize PrintablePage() override { return {4800, 6600}; }
    void BeginDocument(std::string_view) override { ++pages; }
    void NewPage() override { ++pages; }
    void EndDocument() override { ++ended; }
    void AbortDocument() noexcept override { ++aborted; }
    void SetStyle(bool, bool) override {}
    int TextWidth(std::u32string_view text) override { return 10 * static_cast<int>(text.size()); }
    void DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                 const zel::PixelRect& target) override {
        if (text.empty() || naturalWidth <= 0 || naturalHeight <= 0) {
            std::abort();
        }
        runs.push_back(target);
    }

    int pages = 0;
    int ended = 0;
    int aborted = 0;
    std::vector<zel::PixelRect> runs;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const zel::PrintHeader header = zel::ParsePrintHeader(zel::FirstLine(bytes));
    if (!header.recognised && !header.listName.empty()) {
        std::abort();
    }

    CountingCanvas whole;
    zel::fuzz::MemoryFile wholeFile(bytes);
    zel::RenderPrintFile(wholeFile, whole, "fuzz");

    CountingCanvas sliced;
    zel::fuzz::MemoryFile slicedFile(bytes);
    {
        zel::PrintFileRenderer renderer(slicedFile, sliced, "fuzz");
        const std::size_t budget = size == 0 ? 1 : 1 + data[0] % 64;
        while (!renderer.RenderSlice(budget)) {
        }
    }
    if (whole.ended != 1 || sliced.ended != 1 || whole.aborted != 0 || sliced.aborted != 0 ||
        whole.pages != sliced.pages || whole.runs != sliced.runs) {
        std::abort();
    }
    return 0;
}
