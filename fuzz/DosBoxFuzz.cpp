// The DOSBox configuration and the command tail from any drive folders, labels and parameter
// text: the tail is one line of at most 126 characters, and every line of the autoexec is
// one of the launcher's own commands, whatever the texts held.

#include "dos/DosBoxConfig.h"
#include "dos/DosStart.h"

#include <cstdlib>
#include <string>

namespace {

bool OwnCommand(std::string_view line, char loaderDrive) {
    const std::string run = std::string(1, loaderDrive) + ":\\" + zel::kDosStartLoaderName;
    return line == "@echo off" || line == "exit" || line.starts_with("mount ") ||
           line.starts_with(run);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The parameter text runs to the first byte 0xFF; the rest gives drives: root, 0xFE, label.
    const std::size_t split = std::min(bytes.find('\xFF'), bytes.size());
    const std::string tail = zel::DosCommandTail(bytes.substr(0, split));
    if (tail.size() > zel::kDosTailCapacity + 1) {
        std::abort();
    }
    for (const char c : tail) {
        if (static_cast<unsigned char>(c) < 0x20 && !(c == ' ')) {
            std::abort();
        }
    }
    if (zel::ComposeDosStartData(2, "\\ZELKONYV.97", "C:\\ZELKONYV.97\\A97.EXE", tail)->size() !=
        zel::kDosStartDataSize) {
        std::abort();
    }

    zel::DosBoxSetup setup;
    setup.loaderFolder = "/tmp/zelstart";
    char letter = 'C';
    std::string_view rest = split < bytes.size() ? bytes.substr(split + 1) : std::string_view();
    while (!rest.empty() && letter <= 'W') {
        const std::size_t end = std::min(rest.find('\xFF'), rest.size());
        const std::string_view entry = rest.substr(0, end);
        const std::size_t mark = std::min(entry.find('\xFE'), entry.size());
        zel::DosBoxDrive drive;
        drive.letter = letter++;
        drive.nativeRoot = entry.substr(0, mark);
        drive.label = mark < entry.size() ? entry.substr(mark + 1) : std::string_view();
        drive.cdrom = !entry.empty() && (entry.front() & 1) != 0;
        setup.drives.push_back(drive);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    const std::string config = zel::ComposeDosBoxConfig(setup);
    const std::size_t autoexec = config.find("[autoexec]\n");
    if (autoexec == std::string::npos) {
        std::abort();
    }
    std::string_view lines = std::string_view(config).substr(autoexec + 11);
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        if (end == std::string_view::npos || !OwnCommand(lines.substr(0, end), setup.loaderDrive)) {
            std::abort();
        }
        lines.remove_prefix(end + 1);
    }
    return 0;
}
