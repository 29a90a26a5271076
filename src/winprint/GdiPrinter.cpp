#include "winprint/GdiPrinter.h"

#include "text/WideText.h"

#include <commdlg.h>
#include <cstring>
#include <stdexcept>
#include <winspool.h>

namespace zel {
namespace {

constexpr const char* kNotStarted = "A nyomtatás nem indítható el a(z) „%1” nyomtatón.";
constexpr const char* kRefused = "A(z) „%1” nyomtató nem fogadta el a nyomtatást.";

std::wstring DefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size <= 1) {
        return {};
    }
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) {
        return {};
    }
    name.resize(wcsnlen(name.c_str(), name.size()));
    return name;
}

// A movable block holding bytes, as the common dialogs take their settings.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) {
        return nullptr;
    }
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

HGLOBAL DevNamesOf(const std::wstring& printer) {
    const std::wstring driver = L"winspool";
    std::vector<wchar_t> block(sizeof(DEVNAMES) / sizeof(wchar_t));
    const auto append = [&block](const std::wstring& text) {
        const auto offset = static_cast<WORD>(block.size());
        block.insert(block.end(), text.begin(), text.end());
        block.push_back(L'\0');
        return offset;
    };
    DEVNAMES names{};
    names.wDriverOffset = append(driver);
    names.wDeviceOffset = append(printer);
    names.wOutputOffset = append(L"");
    std::memcpy(block.data(), &names, sizeof names);
    return GlobalCopy(block.data(), block.size() * sizeof(wchar_t));
}

} // namespace

GdiPrinter::~GdiPrinter() {
    AbortDocument();
}

bool GdiPrinter::Setup(HWND owner) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_PRINTSETUP;
    if (!m_name.empty()) {
        dialog.hDevNames = DevNamesOf(m_name);
        if (!m_settings.empty()) {
            dialog.hDevMode = GlobalCopy(m_settings.data(), m_settings.size());
        }
    }
    const bool chosen = PrintDlgW(&dialog) != FALSE;
    if (chosen && dialog.hDevNames != nullptr) {
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames));
        m_name = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
        GlobalUnlock(dialog.hDevNames);
        m_settings.clear();
        if (dialog.hDevMode != nullptr) {
            const auto* settings = static_cast<const std::byte*>(GlobalLock(dialog.hDevMode));
            const auto* mode = reinterpret_cast<const DEVMODEW*>(settings);
            m_settings.assign(settings, settings + mode->dmSize + mode->dmDriverExtra);
            GlobalUnlock(dialog.hDevMode);
        }
    }
    GlobalFree(dialog.hDevNames);
    GlobalFree(dialog.hDevMode);
    return chosen;
}

void GdiPrinter::Select(std::wstring name) {
    m_name = std::move(name);
    m_settings.clear();
}

std::string GdiPrinter::ChosenName() const {
    return Cp1250FromWide(m_name);
}

std::wstring GdiPrinter::PrinterName() const {
    std::wstring printer = m_name.empty() ? DefaultPrinter() : m_name;
    if (printer.empty()) {
        throw std::runtime_error(Cp1250FromWide(WideFromUtf8("Nincs kiválasztott nyomtató.")));
    }
    return printer;
}

const DEVMODEW* GdiPrinter::Settings() const {
    return m_settings.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(m_settings.data());
}

HDC GdiPrinter::OpenContext(bool forDrawing, const std::wstring& printer) const {
    return forDrawing ? CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, Settings())
                      : CreateICW(L"WINSPOOL", printer.c_str(), nullptr, Settings());
}

void GdiPrinter::Fail(const char* utf8Text, const std::wstring& printer) {
    AbortDocument();
    std::wstring text = WideFromUtf8(utf8Text);
    text.replace(text.find(L"%1"), 2, printer);
    throw std::runtime_error(Cp1250FromWide(text));
}

PageSize GdiPrinter::PrintableArea() {
    const std::wstring printer = PrinterName();
    const HDC information = OpenContext(false, printer);
    if (information == nullptr) {
        Fail(kNotStarted, printer);
    }
    const PageSize page{GetDeviceCaps(information, HORZRES), GetDeviceCaps(information, VERTRES)};
    DeleteDC(information);
    return page;
}

HDC GdiPrinter::BeginDocument(std::string_view title) {
    AbortDocument();
    m_documentPrinter = PrinterName();
    m_document = OpenContext(true, m_documentPrinter);
    if (m_document == nullptr) {
        Fail(kNotStarted, m_documentPrinter);
    }
    const std::wstring name = WideFromCp1250(title);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (StartDocW(m_document, &document) <= 0) {
        DeleteDC(m_document);
        m_document = nullptr;
        Fail(kNotStarted, m_documentPrinter);
    }
    if (StartPage(m_document) <= 0) {
        Fail(kRefused, m_documentPrinter);
    }
    return m_document;
}

void GdiPrinter::NewPage() {
    if (m_document == nullptr) {
        Fail(kRefused, m_documentPrinter);
    }
    if (EndPage(m_document) <= 0 || StartPage(m_document) <= 0) {
        Fail(kRefused, m_documentPrinter);
    }
}

void GdiPrinter::EndDocument() {
    if (m_document == nullptr) {
        Fail(kRefused, m_documentPrinter);
    }
    if (EndPage(m_document) <= 0 || EndDoc(m_document) <= 0) {
        Fail(kRefused, m_documentPrinter);
    }
    DeleteDC(m_document);
    m_document = nullptr;
}

void GdiPrinter::AbortDocument() noexcept {
    if (m_document != nullptr) {
        AbortDoc(m_document);
        DeleteDC(m_document);
        m_document = nullptr;
    }
}

} // namespace zel
