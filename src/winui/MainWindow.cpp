#include "winui/MainWindow.h"

#include "catalogue/ProgramCatalogue.h"
#include "panel/PanelMessages.h"
#include "panel/RowPages.h"
#include "panel/WindowTitles.h"
#include "platform/Platform.h"
#include "winui/ControlParent.h"
#include "winui/Glyphs.h"
#include "winui/PrintControl.h"
#include "winui/WideText.h"

#include <cwctype>

namespace zel {

namespace {

// The row pages' captions in their tab order, as kRowPageYears; the print page follows them.
const std::array<const char*, kRowPageYears.size()> kRowPageCaptions = {
    "&Program indítás",
    "&Korábbi évek",
    "&Korábbi évek II",
};
constexpr const char* kPrintPageCaption = "&Nyomtatás vezérlés";

constexpr int kBoldPixels = -12;
constexpr int kComboListHeight = 160;

std::wstring W(const char* utf8) {
    return WideFromUtf8(utf8);
}

std::wstring Heading(Product product) {
    return product == Product::Bookkeeping ? W("Egyszeres könyvviteli program")
                                           : W("Bérszámfejtő program");
}

int SlotOf(Product product, int year) {
    return (year - kFirstYear) * 2 + (product == Product::Bookkeeping ? 1 : 2);
}

HFONT BoldFormFont() {
    LOGFONTW form{};
    GetObjectW(FormFont(), sizeof form, &form);
    return NamedFont(L"MS Sans Serif", form.lfHeight, true);
}

// A label as wide and high as its text in its font.
HWND MakeLabel(HWND parent, std::wstring_view text, int left, int top, HFONT font) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const HWND label = MakeControl(parent, L"STATIC", text, SS_LEFT | SS_NOPREFIX,
                                   {left, top, extent.cx, extent.cy}, 0);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
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

void Check(HWND chosen, HWND other) {
    SendMessageW(chosen, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
}

} // namespace

MainWindow::MainWindow(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
                       MessageQueue& messages, std::function<void()> closed)
    : m_platform(platform),
      m_panel(platform, catalogue, std::move(startDirectory), *this, messages),
      m_closed(std::move(closed)) {
    UseCommonControls();
    CreateNative(
        kClassName, W(kMainWindowTitle),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0,
        {CW_USEDEFAULT, CW_USEDEFAULT, LauncherPanel::kOuterWidth, LauncherPanel::kOuterHeight},
        nullptr);
    BuildUi();
    m_panel.FormCreate();
    m_printControl = std::make_unique<PrintControl>(
        m_platform, std::string(m_panel.SpoolDirectory().Text()), m_panel6,
        Bounds{31, 109, 524, 126}, Bounds{31, 268, 524, 126}, Handle());
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
    m_pageControl =
        MakeControl(Handle(), WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                    {0, -1, 584, 474}, kPageControl1, WS_EX_CONTROLPARENT);
    int index = 0;
    for (const char* pageCaption : kRowPageCaptions) {
        std::wstring caption = W(pageCaption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(m_pageControl, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&item));
    }
    std::wstring printCaption = W(kPrintPageCaption);
    TCITEMW printItem{};
    printItem.mask = TCIF_TEXT;
    printItem.pszText = printCaption.data();
    SendMessageW(m_pageControl, TCM_INSERTITEMW, 3, reinterpret_cast<LPARAM>(&printItem));

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
    const RowPageYears years = kRowPageYears[index];
    if (MadeRow(SlotOf(Product::Bookkeeping, years.firstYear)).year != nullptr) {
        return;
    }
    const HWND page = m_pages[index];
    const std::array<HWND, 2> panels = {MakeProductPanel(page, years, Product::Bookkeeping),
                                        MakeProductPanel(page, years, Product::Payroll)};
    if (index == 0) {
        // The install box lies over the lower ends of the two panels but follows them in
        // tab order, and a child made later lies below: the panels give up that part.
        const HWND panel4 = MakeInstallBox(page);
        for (const HWND panel : panels) {
            GiveWay(panel, panel4);
        }
    }
    m_panel.RowPageMade(index);
}

HWND MainWindow::MakeProductPanel(HWND page, RowPageYears years, Product product) {
    const bool payroll = product == Product::Payroll;
    const HWND panel = MakeControlParent(
        page, payroll ? Bounds{292, -1, 294, 530} : Bounds{-1, -1, 293, 530}, PanelEdge::Raised);
    MakeLabel(panel, Heading(product), payroll ? 85 : 61, 26,
              NamedFont(L"MS Sans Serif", kBoldPixels, true));
    for (int year = years.firstYear; year <= years.lastYear; ++year) {
        MakeRow(panel, product, year, year - years.firstYear);
    }
    return panel;
}

void MainWindow::MakeRow(HWND panel, Product product, int year, int index) {
    const int slot = SlotOf(product, year);
    const int shift = product == Product::Payroll ? 3 : 0;
    const int top = 68 + 31 * index;
    const int firstId = kRowIds + 3 * (slot - 1);
    RowControls& row = m_rows[static_cast<std::size_t>(slot - 1)];

    row.year =
        MakeControl(panel, L"BUTTON", std::to_wstring(year), BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                    {24 + shift, top, 81, 22}, firstId);
    SendMessageW(row.year, WM_SETFONT,
                 reinterpret_cast<WPARAM>(NamedFont(L"MS Sans Serif", kBoldPixels, true)), FALSE);
    AddToolTip(row.year, L"Program indítása");

    row.drive = MakeControl(panel, L"COMBOBOX", L"",
                            CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                            {120 + shift, top, 97, 21 + kComboListHeight}, firstId + 1);

    // The caption is never drawn: it names the picture button for a screen reader.
    row.settings = MakeControl(panel, L"BUTTON", W("Beállítások"), BS_OWNERDRAW | WS_TABSTOP,
                               {232 + shift, top - 2, 33, 26}, firstId + 2);
    AddToolTip(row.settings, L"Be\u00E1ll\u00EDt\u00E1sok");
}

HWND MainWindow::MakeInstallBox(HWND page) {
    const HWND panel4 = MakeControlParent(page, {-1, 356, 586, 85}, PanelEdge::Raised);
    constexpr int kBoxLeft = 24;
    constexpr int kBoxTop = 6;
    const auto inBox = [](int left, int top, int width, int height) {
        return Bounds{kBoxLeft + left, kBoxTop + top, width, height};
    };
    // A child made earlier lies above one made later: the browse buttons, which take no
    // focus, come before the path field they lie over, the picture one first; the field
    // clips them out, and the choices' captions give up what the field covers.
    m_ndiskA =
        MakeControl(panel4, L"BUTTON", W(" &A: floppy lemezről"),
                    BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, inBox(20, 18, 121, 17), kNDISKA);
    m_ndiskC = MakeControl(panel4, L"BUTTON", W(" &Egyéb útvonalról:"),
                           BS_AUTORADIOBUTTON | WS_TABSTOP, inBox(20, 36, 113, 17), kNDISKC);
    Check(m_ndiskC, m_ndiskA);
    m_nbrowsePic =
        MakeControl(panel4, L"BUTTON", W("Tallózás"), BS_OWNERDRAW | WS_GROUP | WS_CLIPSIBLINGS,
                    inBox(330, 36, 11, 13), kNBROWSEPIC);
    m_nbrowse = MakeControl(panel4, L"BUTTON", L"", BS_PUSHBUTTON | WS_CLIPSIBLINGS,
                            inBox(328, 33, 16, 18), kNBROWSE);
    m_npath =
        MakeControl(panel4, L"EDIT", L"", ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP | WS_CLIPSIBLINGS,
                    inBox(126, 31, 220, 21), kNPATH, WS_EX_CLIENTEDGE);
    GiveWay(m_ndiskA, m_npath);
    GiveWay(m_ndiskC, m_npath);
    m_button4 = MakeControl(panel4, L"BUTTON", W("&Telepítés"), BS_PUSHBUTTON | WS_TABSTOP,
                            inBox(362, 20, 73, 25), kButton4);
    // Below everything it frames, so that it clips none of it away.
    MakeControl(panel4, L"BUTTON", W("  ZELKOR programok telepítése  "), BS_GROUPBOX,
                {kBoxLeft, kBoxTop, 451, 61}, 0);
    m_button5 = MakeControl(panel4, L"BUTTON", W("&Kilépés"), BS_PUSHBUTTON | WS_TABSTOP,
                            {487, 27, 74, 25}, kButton5);
    return panel4;
}

void MainWindow::MakePrintPage(HWND page) {
    m_panel6 = MakeControlParent(page, {-2, -2, 587, 493}, PanelEdge::Raised);

    constexpr int kBoxLeft = 32;
    constexpr int kBoxTop = 13;
    MakeControl(m_panel6, L"BUTTON", W("  Nyomtatás módja  "), BS_GROUPBOX,
                {kBoxLeft, kBoxTop, 382, 62}, 0);
    m_edNyomDos =
        MakeControl(m_panel6, L"BUTTON",
                    W("Hagyományos karakteres (kizárólag &DOS-kompatibilis nyomtató esetén) "),
                    BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
                    {kBoxLeft + 15, kBoxTop + 18, 358, 17}, kEdNyomDos);
    m_edNyomWindows = MakeControl(m_panel6, L"BUTTON", W("&Windows alapértelmezett nyomtatóval"),
                                  BS_AUTORADIOBUTTON | WS_TABSTOP,
                                  {kBoxLeft + 15, kBoxTop + 37, 204, 17}, kEdNyomWindows);
    Check(m_edNyomDos, m_edNyomWindows);
    m_button2 = MakeControl(m_panel6, L"BUTTON", W("Nyomtató &beállítás"),
                            BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, {440, 49, 115, 25}, kButton2);

    MakeLabel(m_panel6, W("Folyamatban lévő nyomtatások"), 31, 87, BoldFormFont());
    MakeLabel(m_panel6, W("Elvégzett nyomtatások"), 31, 246, BoldFormFont());
    // Speed buttons take no focus: the mouse alone moves them.
    m_btNyomtat = MakeControl(m_panel6, L"BUTTON", W("Nyomtatás engedélyezése"), BS_OWNERDRAW,
                              {31, 406, 175, 27}, kBtNyomtat);
    m_btMegszakit = MakeControl(m_panel6, L"BUTTON", W("Nyomtatás megszakítása"), BS_OWNERDRAW,
                                {380, 406, 175, 27}, kBtMegszakit);
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

const RowControls& MainWindow::MadeRow(int slot) const {
    return m_rows.at(static_cast<std::size_t>(slot - 1));
}

int MainWindow::SlotOfControl(HWND control) const {
    for (HWND candidate : {control, GetParent(control)}) {
        const int id = GetDlgCtrlID(candidate) - kRowIds;
        if (candidate == nullptr || id < 0 || id >= 3 * kSlotCount) {
            continue;
        }
        const int slot = id / 3 + 1;
        const RowControls& row = MadeRow(slot);
        if (candidate == row.year || candidate == row.drive || candidate == row.settings) {
            return slot;
        }
    }
    return 0;
}

// The controls that pass their keys to the window's handler, as the Qt face's filter does;
// a key in any other control (a print grid, a print-mode switch) stays there.
std::optional<KeySender> MainWindow::SenderOf(HWND control) const {
    if (control == nullptr || control == Handle()) {
        return KeySender::Window;
    }
    if (control == m_ndiskA) {
        return KeySender::FloppyChoice;
    }
    if (control == m_ndiskC) {
        return KeySender::OtherPathChoice;
    }
    if (control == m_npath) {
        return KeySender::PathField;
    }
    if (control == m_button4) {
        return KeySender::InstallButton;
    }
    if (control == m_button5) {
        return KeySender::ExitButton;
    }
    if (control == m_button2) {
        return KeySender::PrinterSetupButton;
    }
    if (SlotOfControl(control) != 0) {
        return KeySender::Row;
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

void MainWindow::OnCommand(int id, int notification, HWND control) {
    if (control == nullptr) {
        // IsDialogMessage's Enter and Escape.
        if (id == IDOK || id == IDCANCEL) {
            OnKey(id == IDOK ? Key::Enter : Key::Escape);
        }
        return;
    }
    if (const int slot = SlotOfControl(control); slot != 0 && GetDlgCtrlID(control) >= kRowIds) {
        const RowControls& row = MadeRow(slot);
        if (control == row.year && notification == BN_CLICKED) {
            m_panel.StartProgram(slot);
        } else if (control == row.settings && notification == BN_CLICKED) {
            m_panel.OpenSettings(slot);
        } else if (control == row.drive && notification == CBN_SELCHANGE) {
            // The edit field shows the chosen entry only after this notification.
            const auto chosen = SendMessageW(row.drive, CB_GETCURSEL, 0, 0);
            if (chosen != CB_ERR) {
                std::wstring entry(
                    static_cast<std::size_t>(SendMessageW(row.drive, CB_GETLBTEXTLEN, chosen, 0)),
                    L'\0');
                SendMessageW(row.drive, CB_GETLBTEXT, chosen,
                             reinterpret_cast<LPARAM>(entry.data()));
                SetWindowTextW(row.drive, entry.c_str());
            }
            m_panel.ChooseDrive(slot, ControlText(row.drive));
        } else if (control == row.drive && notification == CBN_EDITCHANGE) {
            m_panel.ChooseDrive(slot, ControlText(row.drive));
        }
        return;
    }
    if (notification == EN_SETFOCUS && control == m_npath) {
        m_panel.EnterInstallPath();
        return;
    }
    if (notification == EN_CHANGE && control == m_npath) {
        m_panel.EditInstallPath(ControlText(m_npath));
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    switch (id) {
    case kButton4:
        m_panel.Install();
        break;
    case kButton5:
        m_panel.Quit();
        break;
    case kNDISKA:
    case kNDISKC:
        m_panel.ChooseInstallSource(id == kNDISKA);
        break;
    case kNBROWSE:
    case kNBROWSEPIC:
        m_panel.BrowseForInstaller();
        break;
    case kButton2:
        m_panel.PrinterSetup();
        break;
    case kEdNyomDos:
    case kEdNyomWindows:
        m_panel.ChoosePrintMode(id == kEdNyomWindows);
        break;
    case kBtNyomtat:
    case kBtMegszakit:
        m_panel.SwitchPrinting(id == kBtNyomtat);
        break;
    default:
        break;
    }
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
    const bool speed = item.hwndItem == m_btNyomtat || item.hwndItem == m_btMegszakit;
    const bool down = speed ? (item.hwndItem == m_btNyomtat) == m_printingEnabled
                            : (item.itemState & ODS_SELECTED) != 0;
    FillRect(context, &frame, GetSysColorBrush(COLOR_BTNFACE));
    if (item.hwndItem == m_nbrowsePic) {
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
    if (item.hwndItem == m_btNyomtat) {
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
    // A tab's mnemonic chooses its page before any control's: Alt+K is the first of the
    // earlier years' pages, never the exit button.
    if (message.message != WM_SYSCHAR) {
        return false;
    }
    const auto pressed = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(message.wParam)));
    const int pages = static_cast<int>(SendMessageW(m_pageControl, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < pages; ++index) {
        const std::wstring caption = W(index < static_cast<int>(kRowPageCaptions.size())
                                           ? kRowPageCaptions[static_cast<std::size_t>(index)]
                                           : kPrintPageCaption);
        const auto mark = caption.find(L'&');
        if (mark != std::wstring::npos && mark + 1 < caption.size() &&
            static_cast<wchar_t>(std::towupper(caption[mark + 1])) == pressed) {
            ShowPage(index);
            SetFocus(m_pageControl);
            return true;
        }
    }
    return false;
}

} // namespace zel
