#include "winui/MainWindow.h"

#include "catalogue/ProgramCatalogue.h"
#include "panel/MainWindowDescription.h"
#include "panel/PanelMessages.h"
#include "panel/RowPages.h"
#include "panel/WindowTitles.h"
#include "platform/Platform.h"
#include "text/WideText.h"
#include "winui/CommandForwarding.h"
#include "winui/ControlBuilder.h"
#include "winui/ControlParent.h"
#include "winui/Glyphs.h"
#include "winui/PrintControl.h"

#include <vector>

namespace zel {

namespace {

// A child made earlier lies above one made later: the browse buttons, which take no focus,
// come before the path field they lie over, the picture one first; the field clips them
// out. The group box comes below everything it frames, so that it clips none of it away.
constexpr NativeControl kInstallBoxOrder[] = {
    {"Panel4"},
    {"NDISKA", kNDISKA},
    {"NDISKC", kNDISKC},
    {"NBROWSEPIC", kNBROWSEPIC, WS_CLIPSIBLINGS},
    {"NBROWSE", kNBROWSE, WS_CLIPSIBLINGS},
    {"NPATH", kNPATH, WS_CLIPSIBLINGS},
    {"Button4", kButton4},
    {"GroupBox2"},
    {"Button5", kButton5},
};

constexpr NativeControl kPrintPageOrder[] = {
    {"Panel6"},
    {"GroupBox3"},
    {"edNyomDos", kEdNyomDos},
    {"edNyomWindows", kEdNyomWindows},
    {"Button2", kButton2},
    {"btNyomtat", kBtNyomtat},
    {"btMegszakit", kBtMegszakit},
};

// The job tables are the print control's own; their headings are made with the page.
constexpr NativeControl kJobListHeadings[] = {{"Label5"}, {"Label3"}};

Bounds BoundsOf(std::span<const ControlDescription> part, std::string_view name) {
    const ControlRect& rect = DescribedControl(part, name).rect;
    return {rect.left, rect.top, rect.width, rect.height};
}

// A child made earlier lies above a sibling made later; where the later one is to be seen
// over it, the earlier one gives up the part the later one covers.
void GiveWay(HWND window, HWND cover) {
    RECT own{};
    RECT covering{};
    GetWindowRect(window, &own);
    GetWindowRect(cover, &covering);
    const HRGN shape = CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top);
    const HRGN covered = CreateRectRgn(covering.left - own.left, covering.top - own.top,
                                       covering.right - own.left, covering.bottom - own.top);
    CombineRgn(shape, shape, covered, RGN_DIFF);
    DeleteObject(covered);
    SetWindowRgn(window, shape, FALSE);
}

} // namespace

MainWindow::MainWindow(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
                       MessageQueue& messages, std::function<void()> closed)
    : m_platform(platform),
      m_panel(platform, catalogue, std::move(startDirectory), *this, messages),
      m_closed(std::move(closed)) {
    UseCommonControls();
    CreateNative(
        kClassName, WideFromUtf8(kMainWindowTitle),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0,
        {CW_USEDEFAULT, CW_USEDEFAULT, LauncherPanel::kOuterWidth, LauncherPanel::kOuterHeight},
        nullptr);
    BuildUi();
    m_panel.FormCreate();
    m_printControl = std::make_unique<PrintControl>(
        m_platform, std::string(m_panel.SpoolDirectory().Text()), m_printPage["Panel6"],
        BoundsOf(JobListsDescription(), "StringGrid1"),
        BoundsOf(JobListsDescription(), "StringGrid2"), Handle());
    m_panel.SetPrintPage(m_printControl.get());
    SetTimer(Handle(), kTimer1, 1000, nullptr);
}

MainWindow::~MainWindow() {
    if (Handle() != nullptr) {
        KillTimer(Handle(), kTimer1);
    }
}

void MainWindow::BuildUi() {
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const auto pages = MainWindowPages();
    m_pageControl =
        MakeControl(Handle(), WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                    BoundsOf(pages, "PageControl1"), kPageControl1, WS_EX_CONTROLPARENT);
    int index = 0;
    for (const ControlDescription& page : pages.subspan(1)) {
        std::wstring caption = WideFromUtf8(page.caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(m_pageControl, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&item));
    }

    // The first page is what every start shows; the others are filled when first shown.
    for (std::size_t i = 0; i < kRowPageYears.size(); ++i) {
        m_pages[i] = MakePage();
    }
    m_pages[3] = MakePage();
    MakePrintPage(m_pages[3]);
    ShowPage(0);
}

HWND MainWindow::MakePage() {
    RECT area{};
    GetClientRect(m_pageControl, &area);
    SendMessageW(m_pageControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return MakeControlParent(m_pageControl,
                             {area.left, area.top, area.right - area.left, area.bottom - area.top},
                             PanelEdge::None);
}

void MainWindow::MakeRowPage(std::size_t index) {
    if (m_rowPages[index]) {
        return;
    }
    const auto part = RowPageDescription(index);
    std::vector<NativeControl> order;
    for (const ControlDescription& control : part) {
        order.push_back({control.name});
    }
    const DescribedControls& made =
        m_rowPages[index].emplace(BuildPart(m_pages[index], part, order));
    std::vector<HWND> panels;
    for (const ControlDescription& control : part) {
        if (control.kind == ControlKind::Panel) {
            panels.push_back(made[control.name]);
        } else if (!control.toolTip.empty()) {
            AddToolTip(made[control.name], WideFromUtf8(control.toolTip).c_str());
        }
    }
    if (index == 0) {
        // The install box lies over the lower ends of the two panels but follows them in
        // tab order, and a child made later lies below: the panels give up that part.
        const HWND panel4 = MakeInstallBox(m_pages[index]);
        for (const HWND panel : panels) {
            GiveWay(panel, panel4);
        }
    }
    m_panel.RowPageMade(index);
}

HWND MainWindow::MakeInstallBox(HWND page) {
    m_installBox = BuildPart(page, InstallBoxDescription(), kInstallBoxOrder);
    const DescribedControls& made = m_installBox;
    // The choices' captions give up what the path field covers.
    GiveWay(made["NDISKA"], made["NPATH"]);
    GiveWay(made["NDISKC"], made["NPATH"]);
    return made["Panel4"];
}

void MainWindow::MakePrintPage(HWND page) {
    m_printPage = BuildPart(page, PrintPageDescription(), kPrintPageOrder);
    // Only the headings are made here, and nothing asks for them again.
    static_cast<void>(BuildPart(m_printPage["Panel6"], JobListsDescription(), kJobListHeadings));
}

void MainWindow::AddToolTip(HWND control, const wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void MainWindow::ShowPage(int index) {
    if (index >= 0 && index < static_cast<int>(kRowPageYears.size())) {
        MakeRowPage(static_cast<std::size_t>(index));
    }
    SendMessageW(m_pageControl, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        ShowWindow(m_pages[i], static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
    }
}

void MainWindow::FocusControl(HWND control) {
    m_focus = control;
    if (IsWindowEnabled(Handle()) && GetActiveWindow() == Handle()) {
        SetFocus(control);
    }
}

RowControls MainWindow::Row(int slot) {
    if (const std::size_t page = RowPageOf(slot); page < kRowPageYears.size()) {
        MakeRowPage(page);
    }
    return MadeRow(slot);
}

RowControls MainWindow::MadeRow(int slot) const {
    const std::size_t page = RowPageOf(slot);
    if (page >= m_rowPages.size() || !m_rowPages[page]) {
        return {};
    }
    const DescribedControls& made = *m_rowPages[page];
    const RowControlNames names = RowControlNamesOf(slot);
    return {made[names.year], made[names.drive], made[names.settings]};
}

int MainWindow::SlotOfControl(HWND control) const {
    return control == nullptr ? 0 : RowSlotOfControl(NameOf(control), NameOf(GetParent(control)));
}

// The controls that pass their keys to the window's handler, as the Qt face's filter does;
// a key in any other control (a print grid, a print-mode switch) stays there.
std::optional<KeySender> MainWindow::SenderOf(HWND control) const {
    if (control == nullptr || control == Handle()) {
        return KeySender::Window;
    }
    if (SlotOfControl(control) != 0) {
        return KeySender::Row;
    }
    if (const std::string_view name = NameOf(control); !name.empty()) {
        return KeySenderOf(name);
    }
    return std::nullopt;
}

void MainWindow::OnKey(Key key) {
    const HWND focus = GetFocus();
    const auto sender = SenderOf(focus);
    if (sender && m_panel.KeyDown(*sender, key)) {
        return;
    }
    // Enter clicks the focused push or picture button, as the toolkit does in a dialog.
    wchar_t kind[16] = {};
    if (key == Key::Enter && focus != nullptr && GetClassNameW(focus, kind, 16) > 0 &&
        lstrcmpiW(kind, L"Button") == 0) {
        const LONG type = GetWindowLongW(focus, GWL_STYLE) & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    }
}

std::string_view MainWindow::NameOf(HWND control) const {
    for (const DescribedControls* part : {&m_installBox, &m_printPage}) {
        if (const std::string_view name = part->NameOf(control); !name.empty()) {
            return name;
        }
    }
    for (const std::optional<DescribedControls>& page : m_rowPages) {
        if (const std::string_view name = page ? page->NameOf(control) : ""; !name.empty()) {
            return name;
        }
    }
    return {};
}

void MainWindow::OnCommand(int id, int notification, HWND control) {
    if (control == nullptr) {
        // IsDialogMessage's Enter and Escape.
        if (id == IDOK || id == IDCANCEL) {
            OnKey(id == IDOK ? Key::Enter : Key::Escape);
        }
        return;
    }
    ForwardCommand(m_panel, NameOf(control), control, notification);
}

LRESULT MainWindow::ControlColour(HWND control, HDC context, UINT message) {
    const int slot = SlotOfControl(control);
    if (slot == 0) {
        return DefWindowProcW(Handle(), message, reinterpret_cast<WPARAM>(context),
                              reinterpret_cast<LPARAM>(control));
    }
    const bool enabled = IsWindowEnabled(MadeRow(slot).drive) != FALSE;
    const int colour = enabled ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(context, GetSysColor(colour));
    SetTextColor(context, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
}

void MainWindow::DrawOwnerButton(const DRAWITEMSTRUCT& item) const {
    const HDC context = item.hDC;
    RECT frame = item.rcItem;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    const std::string_view name = NameOf(item.hwndItem);
    const bool speed = name == "btNyomtat" || name == "btMegszakit";
    const bool down =
        speed ? (name == "btNyomtat") == m_printingEnabled : (item.itemState & ODS_SELECTED) != 0;
    FillRect(context, &frame, GetSysColorBrush(COLOR_BTNFACE));
    if (name == "NBROWSEPIC") {
        DrawBrowseGlyph(context, frame.left + 1, frame.top + 5, enabled);
        return;
    }
    DrawEdge(context, &frame, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int push = down ? 1 : 0;
    if (!speed) {
        DrawSettingsGlyph(context, frame.left + (frame.right - frame.left - 18) / 2 + push,
                          frame.top + (frame.bottom - frame.top - 18) / 2 + push, enabled);
        if ((item.itemState & ODS_FOCUS) != 0) {
            RECT focus = frame;
            InflateRect(&focus, -4, -4);
            DrawFocusRect(context, &focus);
        }
        return;
    }
    const std::wstring caption = WindowTextOf(item.hwndItem);
    const HGDIOBJ old = SelectObject(context, FormFont());
    SIZE extent{};
    GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const int width = 16 + 4 + extent.cx;
    const int left = frame.left + (frame.right - frame.left - width) / 2 + push;
    const int middle = (frame.top + frame.bottom) / 2 + push;
    if (name == "btNyomtat") {
        DrawTickGlyph(context, left, middle - 8, enabled);
    } else {
        DrawCrossGlyph(context, left, middle - 8, enabled);
    }
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TextOutW(context, left + 20, middle - extent.cy / 2, caption.c_str(),
             static_cast<int>(caption.size()));
    SelectObject(context, old);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        RunGuarded(m_panel.Errors(), [&] {
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        });
        return 0;
    case WM_NOTIFY:
        if (const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            header->hwndFrom == m_pageControl && header->code == TCN_SELCHANGE) {
            ShowPage(static_cast<int>(SendMessageW(m_pageControl, TCM_GETCURSEL, 0, 0)));
        }
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1) {
            m_panel.SpoolTick();
        }
        return 0;
    case WM_DRAWITEM:
        DrawOwnerButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        return ControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                             message);
    case WM_ACTIVATE:
        if (m_activation.OnActivate(Handle(), wParam)) {
            return 0;
        }
        return NativeWindow::OnMessage(message, wParam, lParam);
    case WM_CLOSE:
        CloseWindow();
        return 0;
    default:
        return NativeWindow::OnMessage(message, wParam, lParam);
    }
}

bool MainWindow::PreTranslate(const MSG& message) {
    // Before the dialog keys: Alt+K is the earlier years' page, never the exit button.
    if (message.message != WM_SYSCHAR) {
        return false;
    }
    const auto page = PageOfMnemonic(static_cast<char32_t>(message.wParam));
    if (page) {
        ShowPage(static_cast<int>(*page));
        SetFocus(m_pageControl);
    }
    return page.has_value();
}

} // namespace zel
