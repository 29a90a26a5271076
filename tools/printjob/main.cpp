// Prints one print file through the launcher's renderer, for trying a printer or a list by
// hand and for the end-to-end tests: zelprintjob [-P PRINTER] FILE [OUT.pdf]. Without
// OUT.pdf the job goes to PRINTER, or the default printer; the exit status is 0 only when
// the printing system accepted the job.

#include "pdf/PdfCanvas.h"
#include "spool/PageRenderer.h"
#include "ui/QtText.h"
#include "uiprint/MeasureWindow.h"
#include "uiprint/QtChosenPrinter.h"
#include "uiprint/QtPrintFont.h"

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
    QStringList arguments = QApplication::arguments().mid(1);
    QString printerName;
    if (arguments.size() >= 2 && arguments.front() == QStringLiteral("-P")) {
        printerName = arguments.at(1);
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr, "usage: zelprintjob [-P PRINTER] FILE [OUT.pdf]\n");
        return 2;
    }
    QFile file(arguments.at(0));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zelprintjob: cannot read %s\n", qPrintable(arguments.at(0)));
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!printerName.isEmpty()) {
        printer.setPrinterName(printerName);
    }
    if (arguments.size() == 2) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(arguments.at(1));
    }
    zel::MeasureWindow measure;
    zel::QtPrintFont font(measure);
    zel::PdfCanvas canvas([&printer] { return zel::ChosenPrinterOf(printer); }, font);
    QtInputFile input(file);
    try {
        zel::RenderPrintFile(input, canvas, file.fileName().toStdString());
        // Each ask waits a moment for the queue's answer.
        while (!canvas.DocumentDelivered()) {
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelprintjob: %s\n", qPrintable(zel::FromCp1250(error.what())));
        return 1;
    }
    return 0;
}
