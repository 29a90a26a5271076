#include "CupsPdf.h"

#include "UnixTools.h"

#include <sstream>

namespace zel::test {
namespace {

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

void Replace(std::string& text, const std::string& name, const std::string& value) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
        text.replace(at, name.size(), value);
        at += value.size();
    }
}

} // namespace

// The home is the user database's, not the test world's.
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

} // namespace zel::test
