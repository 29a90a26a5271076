#include "support/CupsPdf.h"

#include "support/UnixTools.h"

#include <sstream>
#include <string_view>

namespace zel::test {
namespace {

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

bool Says(const std::string& output, std::string_view what) {
    return output.find(what) != std::string::npos;
}

void Replace(std::string& text, std::string_view name, const std::string& value) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
        text.replace(at, name.size(), value);
        at += value.size();
    }
}

} // namespace

std::string CupsProblem() {
    if (!Says(Shell("lpstat -r"), "scheduler is running")) {
        return "the CUPS scheduler is not running";
    }
    if (!Says(Shell("lpstat -d"), kPdfQueue)) {
        return std::string("the default printer is not ") + kPdfQueue;
    }
    if (!Says(Shell(std::string("lpstat -p ") + kPdfQueue), "enabled")) {
        return std::string("the queue ") + kPdfQueue + " is not enabled";
    }
    return {};
}

// cups-pdf names the job owner's folders from the user database, not from the test's $HOME.
std::string CupsPdfFolder() {
    std::string folder = Trimmed(Shell("sed -n 's/^Out[[:space:]]*//p' /etc/cups/cups-pdf.conf"));
    if (folder.empty()) {
        folder = "/var/spool/cups-pdf/${USER}";
    }
    Replace(folder, "${HOME}", Trimmed(Shell("getent passwd $(id -u) | cut -d: -f6")));
    Replace(folder, "${USER}", Trimmed(Shell("id -un")));
    return folder;
}

std::set<std::string> PdfsIn(const std::string& folder) {
    std::set<std::string> pdfs;
    std::istringstream lines(Shell("ls -1 '" + folder + "' | grep '\\.pdf$'"));
    for (std::string line; std::getline(lines, line);) {
        pdfs.insert(folder + "/" + line);
    }
    return pdfs;
}

int PageCount(const std::string& pdf) {
    std::istringstream lines(Shell("pdfinfo '" + pdf + "'"));
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Pages:")) {
            try {
                return std::stoi(line.substr(6));
            } catch (const std::exception&) {
                return -1;
            }
        }
    }
    return -1;
}

std::string PdfText(const std::string& pdf) {
    std::string text = Shell("pdftotext -layout '" + pdf + "' -");
    Replace(text, "\xC2\xA0", " ");
    return text;
}

} // namespace zel::test
