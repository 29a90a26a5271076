#include "platform/posix/CupsSubmission.h"

#include "platform/posix/CupsLibrary.h"
#include "text/CodePage1250.h"

#include <fstream>
#include <stdexcept>
#include <vector>

namespace zel::posix {
namespace {

[[noreturn]] void Refuse(const char* utf8Text, const std::string& queue) {
    std::string text = utf8Text;
    text.replace(text.find("%1"), 2, queue);
    throw std::runtime_error(Utf8ToCp1250(text));
}

constexpr const char* kUnreachable = "A(z) „%1” nyomtató nem érhető el.";
constexpr const char* kRefused = "A(z) „%1” nyomtató nem fogadta el a nyomtatást.";

bool Accepted(ipp_status_t status) {
    return status <= IPP_STATUS_OK_CONFLICTING;
}

class Options final {
public:
    Options(const CupsLibrary& cups, const CupsJobOptions& options) : m_cups(cups) {
        Add("copies", std::to_string(options.copies));
        Add("multiple-document-handling", options.collate ? "separate-documents-collated-copies"
                                                          : "separate-documents-uncollated-copies");
        Add("sides", options.sides);
    }
    ~Options() { m_cups.freeOptions(m_count, m_options); }
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    [[nodiscard]] int Count() const { return m_count; }
    [[nodiscard]] cups_option_t* Get() const { return m_options; }

private:
    void Add(const char* name, const std::string& value) {
        m_count = m_cups.addOption(name, value.c_str(), m_count, &m_options);
    }

    const CupsLibrary& m_cups;
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

// The queue has the job once its document is sent whole and the job is closed without error.
bool Send(const CupsLibrary& cups, cups_dest_t* dest, cups_dinfo_t* info, std::ifstream& pdf,
          const std::string& title, const CupsJobOptions& options,
          const std::atomic<bool>& abandoned) {
    const Options jobOptions(cups, options);
    int jobId = 0;
    if (abandoned ||
        !Accepted(cups.createDestJob(CUPS_HTTP_DEFAULT, dest, info, &jobId, title.c_str(),
                                     jobOptions.Count(), jobOptions.Get())) ||
        jobId <= 0) {
        return false;
    }
    if (cups.startDestDocument(CUPS_HTTP_DEFAULT, dest, info, jobId, title.c_str(), CUPS_FORMAT_PDF,
                               0, nullptr, 1) != HTTP_STATUS_CONTINUE) {
        cups.cancelDestJob(CUPS_HTTP_DEFAULT, dest, jobId);
        return false;
    }
    std::vector<char> block(std::size_t{64} * 1024);
    bool written = true;
    while (written && pdf) {
        pdf.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto count = static_cast<std::size_t>(pdf.gcount());
        written = count == 0 || cups.writeRequestData(CUPS_HTTP_DEFAULT, block.data(), count) ==
                                    HTTP_STATUS_CONTINUE;
    }
    written = written && pdf.eof();
    // An abandoned document is never closed, as closing it would print it; else it is closed
    // in any case, so that the connection is ready for the next job.
    const bool finished =
        !abandoned && Accepted(cups.finishDestDocument(CUPS_HTTP_DEFAULT, dest, info));
    // A server that answers only after the list went back to wait must not print it as well.
    if (!written || !finished || abandoned) {
        cups.cancelDestJob(CUPS_HTTP_DEFAULT, dest, jobId);
        return false;
    }
    return true;
}

} // namespace

void SubmitPdfToCups(const std::string& queue, const std::string& pdfPath, const std::string& title,
                     const CupsJobOptions& options, const std::atomic<bool>& abandoned) {
    std::ifstream pdf(pdfPath, std::ios::binary);
    if (!pdf) {
        Refuse(kRefused, queue);
    }
    const CupsLibrary* library = Cups();
    if (library == nullptr) {
        Refuse(kUnreachable, queue);
    }
    const CupsLibrary& cups = *library;
    // Asked afresh for every job: the queue may have gone since the last one.
    cups_dest_t* dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (dest == nullptr) {
        Refuse(kUnreachable, queue);
    }
    cups_dinfo_t* info = cups.copyDestInfo(CUPS_HTTP_DEFAULT, dest);
    const bool reachable = info != nullptr;
    const bool sent = reachable && Send(cups, dest, info, pdf, title, options, abandoned);
    if (reachable) {
        cups.freeDestInfo(info);
    }
    cups.freeDests(1, dest);
    if (!sent) {
        Refuse(reachable ? kRefused : kUnreachable, queue);
    }
}

} // namespace zel::posix
