#include "spool/PrintJob.h"

#include "text/AsciiUpper.h"
#include "text/CodePage852.h"
#include "text/DosPath.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace zel {
namespace {

constexpr std::size_t kShortNameLength = 12;
constexpr int kMaxHeaderFields = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsListExtension(std::string_view ext) {
    if (ext.size() != 3) {
        return false;
    }
    const char product = AsciiUpper(ext[0]);
    const char decade = ext[1];
    return (product == 'A' || product == 'B') &&
           (decade == '0' || decade == '1' || decade == '2' || decade == '3' || decade == '9') &&
           IsDigit(ext[2]);
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

} // namespace

std::string_view SpoolExtension(std::string_view fileName) {
    const std::string_view shortName = fileName.substr(0, kShortNameLength);
    const auto dot = shortName.find('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    return shortName.substr(dot + 1, 3);
}

namespace {

constexpr std::string_view kPrintingExtension = ".WPR";
constexpr std::size_t kMarkLength = 8;
constexpr std::string_view kMarkLetters = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";

bool IsMark(std::string_view mark) {
    return !mark.empty() && mark.size() <= 2 * kMarkLength &&
           std::all_of(mark.begin(), mark.end(), [](char c) {
               return IsDigit(c) || (AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'Z');
           });
}

} // namespace

std::string WaitingNameOfPrinting(std::string_view printingName) {
    if (printingName.size() <= kPrintingExtension.size() ||
        AsciiUpper(printingName.substr(printingName.size() - kPrintingExtension.size())) !=
            kPrintingExtension) {
        return {};
    }
    const std::string_view rest =
        printingName.substr(0, printingName.size() - kPrintingExtension.size());
    const auto dot = rest.rfind('.');
    if (dot == std::string_view::npos || !IsMark(rest.substr(dot + 1))) {
        return {};
    }
    const std::string_view waiting = rest.substr(0, dot);
    return ClassifySpoolFile(waiting) == SpoolFileKind::Waiting ? std::string(waiting)
                                                                : std::string();
}

SpoolFileKind ClassifySpoolFile(std::string_view fileName) {
    if (!IsPlainFileName(fileName)) {
        return SpoolFileKind::Other;
    }
    if (!WaitingNameOfPrinting(fileName).empty()) {
        return SpoolFileKind::Printing;
    }
    const std::string_view ext = SpoolExtension(fileName);
    if (ext.size() != 3 || !EndsWith(fileName, ext)) {
        return SpoolFileKind::Other;
    }
    if (AsciiUpper(ext) == "WPR") {
        return SpoolFileKind::Leftover;
    }
    return IsListExtension(ext) ? SpoolFileKind::Waiting : SpoolFileKind::Other;
}

std::string MakeLauncherMark() {
    // Two launchers started at the same moment on two PCs, or in two PID namespaces with the
    // same process number, must not draw the same mark: the system's random source decides.
    std::random_device source;
    std::seed_seq seed{
        source(), source(),
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    std::mt19937 draw(seed);
    std::uniform_int_distribution<std::size_t> letter(0, kMarkLetters.size() - 1);
    std::string mark;
    for (std::size_t i = 0; i < kMarkLength; ++i) {
        mark += kMarkLetters[letter(draw)];
    }
    return mark;
}

std::string PrintingName(std::string_view fileName, std::string_view mark) {
    std::string name(fileName);
    return name.append(".").append(mark).append(kPrintingExtension);
}

std::string FirstLine(std::string_view bytes) {
    const auto end = bytes.find_first_of(std::string_view("\r\n\x1A", 3));
    return std::string(bytes.substr(0, std::min(end, kPrintLineCapacity)));
}

PrintHeader ParsePrintHeader(std::string_view firstLine) {
    PrintHeader header;
    const std::string_view line = firstLine.substr(0, kPrintLineCapacity);
    if (line.size() < 2 || line[0] != kFieldMark || line[1] != '0') {
        return header;
    }
    header.recognised = true;
    // The programs that read these headers had room for ten fields; the rest never counted.
    std::size_t start = 0;
    for (int field = 0; field < kMaxHeaderFields && start < line.size(); ++field) {
        const auto next = line.find(kFieldMark, start + 1);
        const std::string_view text = line.substr(start + 1, next - start - 1);
        start = next;
        if (text.empty()) {
            continue;
        }
        const std::string_view value = text.substr(1);
        switch (text[0]) {
        case '0': {
            std::string name = ListNameToCp1250(value);
            name.erase(name.find_last_not_of(' ') + 1);
            header.listName = std::move(name);
            break;
        }
        case '2':
            header.band = value;
            break;
        case '3':
            header.year = value;
            break;
        case '4':
            header.page = value;
            break;
        default:
            break;
        }
    }
    return header;
}

std::string WaitingNameFor(std::string_view printingName, const PrintHeader& header) {
    std::string extension = "A99";
    const std::string_view year = header.year;
    if (year.size() >= 2 && std::all_of(year.begin(), year.end(), IsDigit)) {
        const std::string candidate = "A" + std::string(year.substr(year.size() - 2));
        if (IsListExtension(candidate)) {
            extension = candidate;
        }
    }
    return ReplaceLastThree(printingName, extension);
}

} // namespace zel
