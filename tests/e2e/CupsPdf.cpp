#include "CupsPdf.h"

#include <QProcess>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr int kToolMs = 30000;

std::optional<QString> Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kToolMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

void Replace(std::string& text, std::string_view name, const std::string& value) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
        text.replace(at, name.size(), value);
        at += value.size();
    }
}

} // namespace

std::string CupsProblem() {
    const auto scheduler = Run("lpstat", {"-r"});
    if (!scheduler || !scheduler->contains("scheduler is running")) {
        return "the CUPS scheduler is not running";
    }
    const auto destination = Run("lpstat", {"-d"});
    if (!destination || !destination->contains(kPdfQueue)) {
        return std::string("the default printer is not ") + kPdfQueue;
    }
    const auto queue = Run("lpstat", {"-p", kPdfQueue});
    if (!queue || !queue->contains("enabled")) {
        return std::string("the queue ") + kPdfQueue + " is not enabled";
    }
    return {};
}

fs::path CupsPdfFolder() {
    std::string out = "/var/spool/cups-pdf/${USER}";
    std::ifstream config("/etc/cups/cups-pdf.conf");
    for (std::string line; std::getline(config, line);) {
        if (line.starts_with("Out ") || line.starts_with("Out\t")) {
            out = line.substr(4);
            out.erase(0, out.find_first_not_of(" \t"));
            out.erase(out.find_last_not_of(" \t\r") + 1);
        }
    }
    // cups-pdf names the job owner's folders from the user database, not from our $HOME.
    const passwd* user = ::getpwuid(::getuid());
    if (user != nullptr) {
        Replace(out, "${HOME}", user->pw_dir);
        Replace(out, "${USER}", user->pw_name);
    }
    return out;
}

std::set<fs::path> PdfsIn(const fs::path& folder) {
    std::set<fs::path> pdfs;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".pdf") {
            pdfs.insert(it->path());
        }
    }
    return pdfs;
}

int PageCount(const fs::path& pdf) {
    const auto info = Run("pdfinfo", {QString::fromStdString(pdf.string())});
    for (const QString& line : info.value_or(QString()).split('\n')) {
        if (line.startsWith("Pages:")) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

QString PdfText(const fs::path& pdf) {
    QString text =
        Run("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"}).value_or("");
    return text.replace(QChar(0x00A0), u' ');
}

} // namespace zel::test
