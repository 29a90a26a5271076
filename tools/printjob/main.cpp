// Prints one print file through the launcher's renderer, for trying a printer or a list by
// hand and for the end-to-end tests: zelprintjob FILE [OUT.pdf]. Without OUT.pdf the job
// goes to the default printer.

#include "spool/PageRenderer.h"
#include "ui/MeasureWindow.h"
#include "ui/PrinterCanvas.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <cstdio>
#include <exception>

namespace {

class QtInputFile final : public zel::InputFile {
public:
    explicit QtInputFile(QFile& file) : m_file(file) {}
    std::uint64_t Size() override { return static_cast<std::uint64_t>(m_file.size()); }
    std::string Read(std::size_t maxBytes) override {
        const QByteArray bytes = m_file.read(static_cast<qint64>(maxBytes));
        return bytes.toStdString();
    }

private:
    QFile& m_file;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: zelprintjob FILE [OUT.pdf]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zelprintjob: cannot read %s\n", argv[1]);
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (argc == 3) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
    }
    zel::MeasureWindow measure;
    zel::PrinterCanvas canvas(printer, measure);
    QtInputFile input(file);
    try {
        zel::RenderPrintFile(input, canvas, file.fileName().toStdString());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelprintjob: %s\n", error.what());
        return 1;
    }
    return 0;
}
