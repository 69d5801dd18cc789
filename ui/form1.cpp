#include "form1.hpp"

#include <commctrl.h>

#include <string>
#include <utility>

#include "block.hpp"
#include "clipboard.hpp"
#include "hotkey_dialog.hpp"
#include "messages.hpp"
#include "module1.hpp"
#include "pictures.hpp"
#include "request.hpp"
#include "resource_ids.h"
#include "selection_outcome.hpp"
#include "startup.hpp"
#include "system_ports.hpp"
#include "win_text.hpp"

namespace numora::ui {
namespace {

constexpr wchar_t kClassName[] = L"Form1";
constexpr wchar_t kTitle[] = L"Suma žodžiais";
constexpr wchar_t kAppTitle[] = L"Numora";
constexpr wchar_t kSettingNotKept[] = L"Nustatymas galioja, bet nepavyko jo įsiminti";
constexpr wchar_t kNoText[] = L"Iškarpinėje nėra teksto";
constexpr wchar_t kNoAmounts[] = L"Iškarpinėje nėra sumų";
constexpr wchar_t kAmountsWritten[] = L"Sumos žodžiais iškarpinėje: ";
constexpr wchar_t kAmountsReplaced[] = L"Sumos žodžiais vietoj pažymėtų: ";
// The box gets the start of a copied cell: the edit control takes seconds
// over a long text, and no amount is this long.
constexpr std::size_t kBoxShowsBytes = 256;

// Asked of every "Form1" window by a second start; only Numora's answers so.
constexpr wchar_t kShowRequestName[] = L"Numora: show your window";
constexpr LRESULT kShowAnswer = 0x4E4D5241;

UINT show_request() {
    static const UINT message = RegisterWindowMessageW(kShowRequestName);
    return message;
}

// The text's start, cut at a character's first byte.
std::string_view start_of(std::string_view utf8) {
    if (utf8.size() <= kBoxShowsBytes) return utf8;
    std::size_t end = kBoxShowsBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    return utf8.substr(0, end);
}

Form1* self_of(HWND hwnd) {
    return reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

Form1::Form1(HINSTANCE instance) : instance_(instance) {}

bool Form1::Form_Load(int show, bool in_tray) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &FormProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_NUMORA));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return false;
    settings_ = win::read_settings();
    // Created where it will show, so that nothing moves it before the first paint.
    const RECT place = centred_on_primary(GetDpiForSystem());
    if (!CreateWindowExW(settings_.top_most ? WS_EX_TOPMOST : 0, kClassName, kTitle, kWindowStyle,
                         place.left, place.top, place.right - place.left, place.bottom - place.top,
                         nullptr, nullptr, instance_, this)) {
        return false;
    }
    // The word tables are compile-time data: nothing to fill at load.
    Module1::extend_system_menu(
        hwnd_, {settings_.currency, settings_.top_most, settings_.form, settings_.with_digits,
                win::starts_with_windows(win::this_program())});
    if (in_tray) tray_ = std::make_unique<NotifyIcon>(hwnd_, instance_);
    chords_ = Chords(hwnd_);
    foreground_ = Foreground(hwnd_);
    use_chords(chords_chosen());  // the icon's tooltip names them
    if (in_tray) {
        show_tray_icon();
    } else {
        ShowWindow(hwnd_, show);
    }
    SetFocus(control(kText1));
    Module1::install(hwnd_);
    return true;
}

bool Form1::bring_running_forward() {
    for (HWND window = nullptr;
         (window = FindWindowExW(nullptr, window, kClassName, nullptr)) != nullptr;) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        // This program was just started by the user: it may give the foreground away.
        AllowSetForegroundWindow(process);
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, show_request(), 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 2000,
                                &answer) != 0 &&
            static_cast<LRESULT>(answer) == kShowAnswer) {
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK Form1::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Form1* self = self_of(hwnd);
    return self != nullptr ? self->handle(message, wParam, lParam)
                           : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == show_request() && message != 0) return OnShowRequest();
    // The selection's words, promised on the clipboard, asked for by a paste.
    if (offered_.answers(hwnd_, message, wParam)) return 0;
    // Explorer started again, or the screen's DPI changed: the icon is shown again.
    if (message == NotifyIcon::taskbar_created() && message != 0 && tray_) {
        show_tray_icon();
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SYSCOMMAND:
            if (OnSysCommand(wParam)) return 0;
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_HOTKEY:
            OnHotKey(wParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;

        case WM_INITMENU:
            // The menu shows whether a chord is held by another program,
            // and whether Numora starts with Windows, as they are now.
            retake_hotkeys();
            Module1::show_checked(hwnd_, Module1::kStartupCommand,
                                  win::starts_with_windows(win::this_program()));
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case NotifyIcon::kMessage:
            OnNotifyIcon(LOWORD(lParam));
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void Form1::OnCreate() {
    cross_ = win::load_bitmap(instance_, IDB_PICTURE1);
    const UINT dpi = GetDpiForWindow(hwnd_);
    create_controls(dpi);
    // The primary screen may have another DPI than the system's.
    if (dpi != GetDpiForSystem()) {
        const RECT place = centred_on_primary(dpi);
        SetWindowPos(hwnd_, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Created in the tab order: the dialog manager tabs in z-order, and each new
// child goes below the ones before it. Placed and given their fonts at once.
void Form1::create_controls(UINT dpi) {
    fonts_.make(dpi, settings_.form, settings_.with_digits);
    for (const ControlId id : kTabOrder) {
        const ControlDesign& design = design_of(id);
        const RECT place = pixel_rect(design, dpi);
        HWND window = CreateWindowExW(
            design.ex_style, design.window_class, design.text, design.style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance_, nullptr);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.of(design.font)), FALSE);
    }
    SendMessageW(control(kPicture1), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(cross_.get()));
    SendMessageW(control(kOption1), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(control(kCheck1), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(control(kText1), EM_SETLIMITTEXT, 0, 0);  // no length limit
    SetWindowSubclass(control(kText1), &Text1Proc, 1, reinterpret_cast<DWORD_PTR>(this));
}

// The tooltips, the question-mark picture, whose GIF needs OLE, and the
// label's fitted font, once the window is on the screen and painted.
void Form1::after_first_paint() {
    fit_label_font();
    create_tooltips();
    question_ = win::load_gif(instance_, IDR_PICTURE2_GIF);
    SendMessageW(control(kPicture2), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(question_.get()));
}

void Form1::create_tooltips() {
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    for (const auto& tip : kTooltips) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(control(tip.id));
        tool.lpszText = const_cast<wchar_t*>(tip.text);
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The label is empty until a result shows: its font is fitted after the
// first paint, or before a result shows sooner.
void Form1::fit_label_font() {
    const HFONT font =
        fonts_.fit_label(GetDpiForWindow(hwnd_), settings_.form, settings_.with_digits);
    if (font != nullptr) {
        SendMessageW(control(kLabel1), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void Form1::lay_out(UINT dpi) {
    fonts_.make(dpi, settings_.form, settings_.with_digits);
    for (const auto& design : kControls) {
        const RECT place = pixel_rect(design, dpi);
        SetWindowPos(control(design.id), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control(design.id), WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.of(design.font)), TRUE);
    }
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
    lay_out(dpi);
    const RECT size = window_rect_for(dpi);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.right - size.left,
                 size.bottom - size.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnCommand(int id, int code) {
    // Windows sends the items of the system menu's submenus as system
    // commands, Wine as menu commands: both choose.
    if (code == 0) choose_from_submenu(static_cast<WPARAM>(id));
    if (id == kCommand1 && code == BN_CLICKED) Command1_Click();
    if (id == kCheck2 && code == BN_CLICKED) Check2_Click();
    if (id == kPicture1 && code == STN_CLICKED) Picture1_Click();
    if ((id == kOption1 || id == kOption2) && code == BN_CLICKED) {
        // Tab enters the option group at the selected button.
        for (const ControlId option : {kOption1, kOption2}) {
            const LONG_PTR style = GetWindowLongPtrW(control(option), GWL_STYLE);
            SetWindowLongPtrW(control(option), GWL_STYLE,
                              checked(option) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
        }
    }
}

void Form1::OnActivate(WPARAM state) {
    // Typing goes on where it was after a message box or another program.
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
    } else {
        SetFocus(focus_ != nullptr ? focus_ : control(kText1));
    }
}

LRESULT Form1::OnCtlColorStatic(HDC dc, HWND control_window) {
    if (control_window == control(kLabel1)) {
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control_window));
}

// The settings' items; every other command is the system's.
bool Form1::OnSysCommand(WPARAM command) {
    if (choose_from_submenu(command)) return true;
    constexpr std::array<std::pair<int, void (Form1::*)()>, 4> kItems{
        {{Module1::kHotkeyCommand, &Form1::change_hotkeys},
         {Module1::kStartupCommand, &Form1::toggle_start_with_windows},
         {Module1::kTopMostCommand, &Form1::toggle_top_most},
         {Module1::kWithDigitsCommand, &Form1::toggle_with_digits}}};
    for (const auto& [item, act] : kItems) {
        if (command != static_cast<WPARAM>(item)) continue;
        (this->*act)();
        return true;
    }
    return false;
}

// The Run value written or removed; the tick shows what is there now.
void Form1::toggle_start_with_windows() {
    const std::wstring program = win::this_program();
    const bool wanted = !win::starts_with_windows(program);
    const bool done = win::start_with_windows(wanted, program);
    Module1::show_checked(hwnd_, Module1::kStartupCommand, win::starts_with_windows(program));
    if (!done) show_message(kSettingNotKept);
}

// A left click, or Enter on the icon, shows the window; a right click, its menu.
void Form1::OnNotifyIcon(UINT event) {
    if (event == WM_LBUTTONUP || event == NIN_SELECT || event == NIN_KEYSELECT) {
        show_window();
    } else if (event == WM_RBUTTONUP || event == WM_CONTEXTMENU) {
        const NotifyIcon::Command chosen = tray_ ? tray_->choose() : NotifyIcon::Command::none;
        if (chosen == NotifyIcon::Command::open) show_window();
        if (chosen == NotifyIcon::Command::exit) end();
    }
}

// In front, with the focus in the box.
void Form1::show_window() {
    focus_ = control(kText1);
    bring_forward();
    SetFocus(control(kText1));
}

// A money form or a currency chosen in a submenu; false for any other command.
bool Form1::choose_from_submenu(WPARAM command) {
    if (const auto form = Module1::form_chosen(command)) {
        choose_form(*form);
        return true;
    }
    const Currency* currency = Module1::currency_chosen(command);
    if (currency != nullptr) choose_currency(*currency);
    return currency != nullptr;
}

void Form1::choose_currency(const Currency& currency) {
    Module1::show_currency(hwnd_, currency);
    if (&currency == settings_.currency) return;
    settings_.currency = &currency;
    // Written only when changed: a user who never chooses leaves no trace.
    if (!win::write_currency(currency)) show_message(kSettingNotKept);
}

void Form1::choose_form(MoneyForm form) {
    Module1::show_form(hwnd_, form);
    if (form == settings_.form) return;
    settings_.form = form;
    fonts_.unfit_label();
    fit_label_font();
    if (!win::write_form(form)) show_message(kSettingNotKept);
}

// The label's font is fitted again: the amount's text takes room beside its words.
void Form1::toggle_with_digits() {
    settings_.with_digits = !settings_.with_digits;
    Module1::show_checked(hwnd_, Module1::kWithDigitsCommand, settings_.with_digits);
    fonts_.unfit_label();
    fit_label_font();
    if (!win::write_with_digits(settings_.with_digits)) show_message(kSettingNotKept);
}

void Form1::toggle_top_most() {
    settings_.top_most = !settings_.top_most;
    Module1::show_checked(hwnd_, Module1::kTopMostCommand, settings_.top_most);
    set_top_most(settings_.top_most);
    if (!win::write_top_most(settings_.top_most)) show_message(kSettingNotKept);
}

void Form1::set_top_most(bool on) {
    // Wine places a window with owned popups below them, and so never on
    // top: the tooltips are made again around the change.
    const bool had_tips = tips_ != nullptr;
    if (had_tips) DestroyWindow(std::exchange(tips_, nullptr));
    SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (had_tips) create_tooltips();
}

// While the icon is there, the window hides to it; else Numora ends.
void Form1::OnClose() {
    if (tray_) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    end();
}

void Form1::end() {
    Form_Unload();
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK Form1::Text1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
    auto* form = reinterpret_cast<Form1*>(self);
    if (message == WM_GETDLGCODE && lParam != 0 &&
        reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        // Enter belongs to the box, not to the dialog manager's default button.
        return DLGC_WANTALLKEYS | DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_CHAR) {
        auto key = static_cast<wchar_t>(wParam);
        if (!form->Text1_KeyPress(key)) return 0;
    }
    if (message == WM_PASTE && form->Text1_Paste()) return 0;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool Form1::Text1_KeyPress(wchar_t& key) {
    if (key != L'\r') return true;
    key = 0;
    Command1_Click();
    return false;
}

// A cell copied from a spreadsheet ends in a line end, and the box keeps
// nothing from the first one on: line ends at either end are blanks. False
// when the clipboard has no text for the box to take.
bool Form1::Text1_Paste() {
    const auto clipboard = win::get_clipboard_text(hwnd_);
    if (clipboard.status != win::ClipboardText::Status::text) return false;
    const auto first = clipboard.text.find_first_not_of(L"\r\n");
    const auto last = clipboard.text.find_last_not_of(L"\r\n");
    const std::wstring text =
        first == std::wstring::npos ? L"" : clipboard.text.substr(first, last - first + 1);
    SendMessageW(control(kText1), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    return true;
}

bool Form1::checked(ControlId id) const {
    return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Over whatever of Numora's is open: the hotkey's dialog, say.
void Form1::show_message(const wchar_t* text) const {
    MessageBoxW(GetLastActivePopup(hwnd_), text, kAppTitle, MB_OK);
}

// What the options, the check boxes and the settings say, as one style.
Style Form1::style() const {
    return {.money = checked(kOption1),
            .first_capital = checked(kCheck1),
            .all_capitals = checked(kCheck2),
            .currency = settings_.currency,
            .form = settings_.form,
            .with_digits = settings_.with_digits};
}

void Form1::Command1_Click() {
    const auto separators = win::user_separators();
    const auto typed = win::to_utf8(win::window_text(control(kText1)));
    const auto outcome = request(typed, separators.view(true), style());
    if (!outcome.accepted()) {
        show_message(win::to_wide(outcome.text).c_str());
        // A refusal never touches the clipboard: the user's copy stays there.
        if (outcome.refusal != Refusal::too_large) Check2_Click();
        return;
    }
    fit_label_font();
    SetWindowTextW(control(kLabel1), win::to_wide(outcome.text).c_str());
    Check2_Click();
    if (!put_on_clipboard(win::window_text(control(kLabel1)))) show_message(kClipboardFailed);
}

// A box or dialog of Numora's is open: it comes forward, nothing more.
void Form1::OnHotKey(WPARAM id) {
    if (!IsWindowEnabled(hwnd_)) {
        bring_forward();
        return;
    }
    const auto use = Chords::use_of(id);
    if (use == ChordUse::clipboard) OnClipboardChord();
    if (use == ChordUse::selection) OnSelectionChord();
}

// Copy, press, paste: the clipboard's amount, or block of them, in words in
// its place, as the window would write it. A refusal changes nothing there:
// the window comes forward with the refused text and says why.
void Form1::OnClipboardChord() {
    const auto separators = win::user_separators();
    Converted converted;
    switch (replace_copied(hwnd_, written_, separators.view(true), style(), converted)) {
        case Copied::written:
            return show_written(converted.outcome, kAmountsWritten);
        case Copied::own_words:
            return;
        case Copied::busy:
            return refuse_copied(kClipboardUnread);
        case Copied::no_text:
            return refuse_copied(kNoText);
        case Copied::too_large:
            return refuse_copied(kTooMuch);
        case Copied::refused:
            return refuse_converted(converted);
        case Copied::newer_copy:
            return refuse_copied(kNewerCopy);
        case Copied::failed:
            return refuse_copied(kClipboardFailed);
    }
}

// Select, press: the selection in the program in front in words in its
// place, the clipboard as it was. Numora's own window does what Enter does.
// A message leaves the user where they were, their selection as it was; the
// clipboard's chord pressed meanwhile comes after.
void Form1::OnSelectionChord() {
    SystemPorts ports(hwnd_, chords_.chords()[static_cast<std::size_t>(ChordUse::selection)],
                      offered_);
    const auto separators = win::user_separators();
    const SelectionResult result =
        replace_selection(ports, ports, ports, hwnd_, separators.view(true), style());
    if (result.ends == Selection::own_window) {
        Command1_Click();
    } else if (result.ends == Selection::replaced) {
        show_written(result.converted.outcome, kAmountsReplaced);
    } else {
        SetWindowTextW(control(kLabel1), L"");
    }
    if (const std::wstring message = message_of(result); !message.empty()) {
        const HWND user = GetForegroundWindow();
        show_message(message.c_str());
        foreground_.give(user);
    }
    if (ports.clipboard_chord_pressed()) OnClipboardChord();
}

// The cell written, in the box, and its words, or how many, in the label.
void Form1::show_written(const BlockOutcome& outcome, std::wstring_view amounts_written) {
    fit_label_font();
    SetWindowTextW(control(kText1), win::to_wide(start_of(outcome.cell)).c_str());
    SetWindowTextW(control(kLabel1), outcome.single
                                         ? win::to_wide(outcome.text).c_str()
                                         : (std::wstring(amounts_written) +
                                            win::to_wide(std::to_string(outcome.amounts)))
                                               .c_str());
    Check2_Click();
}

// A text that was not written: too many cells, no amounts, or a cell refused.
void Form1::refuse_converted(const Converted& converted) {
    switch (converted.problem) {
        case Converted::Problem::too_many:
            return refuse_copied(kTooMuch);
        case Converted::Problem::no_amounts:
            return refuse_copied(kNoAmounts);
        case Converted::Problem::none:
            break;
    }
    refuse_copied(win::to_wide(message_of(converted.outcome)).c_str(), converted.outcome.cell);
}

// The clipboard keeps what it had, and the label names no words: the window
// comes forward with the refused cell, if any, and the reason.
void Form1::refuse_copied(const wchar_t* message, std::string_view cell) {
    if (!cell.empty()) SetWindowTextW(control(kText1), win::to_wide(start_of(cell)).c_str());
    SetWindowTextW(control(kLabel1), L"");
    come_forward(message);
}

// The window, restored, in front; over it the box or dialog of Numora's
// that is open, if one is.
void Form1::bring_forward() const {
    if (IsIconic(hwnd_)) {
        ShowWindow(hwnd_, SW_RESTORE);
    } else if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOW);
    }
    HWND front = GetLastActivePopup(hwnd_);
    SetForegroundWindow(front);
    BringWindowToTop(front);
}

// In front, with the message over it; then the box has the focus for a correction.
void Form1::come_forward(const wchar_t* message) {
    bring_forward();
    foreground_.keep_own();
    focus_ = control(kText1);
    show_message(message);
    SetFocus(control(kText1));
}

// A second start asks: the window shows itself.
LRESULT Form1::OnShowRequest() {
    bring_forward();
    return kShowAnswer;
}

// Words put on the clipboard; a hotkey pressed while they are still there
// finds nothing new to write.
bool Form1::put_on_clipboard(const std::wstring& text) {
    if (!win::put_clipboard_text(hwnd_, text)) return false;
    written_ = GetClipboardSequenceNumber();
    return true;
}

// The chords registered in place of those in force, shown as they are.
void Form1::use_chords(const ChordPair& chords) {
    chords_.use(chords);
    show_chords();
}

// The menu item and the icon's tooltip name the chords in force.
void Form1::show_chords() {
    const ChordPair& chords = chords_.chords();
    const std::wstring clipboard = win::name_of(chords[0]);
    const std::wstring selection = win::name_of(chords[1]);
    Module1::show_hotkeys(hwnd_, {clipboard, chords_.held_elsewhere(ChordUse::clipboard)},
                          {selection, chords_.held_elsewhere(ChordUse::selection)});
    if (tray_) tray_->name_chords(clipboard, selection);
}

// The chords in force, once another program has let them go.
void Form1::retake_hotkeys() {
    if (!choosing_chords_ && chords_.retake()) show_chords();
}

void Form1::OnTimer(UINT_PTR id) {
    if (id == Chords::kRetakeTimer) retake_hotkeys();
    if (id == NotifyIcon::kRetryTimer) show_tray_icon();
    if (id == Foreground::kTimer) foreground_.on_timer();
}

// Explorer may not have its area yet (at logon): the icon is tried again
// every second until it shows.
void Form1::show_tray_icon() {
    if (tray_->show()) {
        KillTimer(hwnd_, NotifyIcon::kRetryTimer);
    } else {
        SetTimer(hwnd_, NotifyIcon::kRetryTimer, NotifyIcon::kRetryMs, nullptr);
    }
}

// While the dialog is open no chord is registered, so that those in force
// can be typed into it and never act behind it.
void Form1::change_hotkeys() {
    chords_.release();
    choosing_chords_ = true;
    const ChordTaker taker{this, [](void* form, const ChordPair& chords) {
                               return static_cast<Form1*>(form)->take_hotkeys(chords);
                           }};
    const bool taken = ui::change_hotkeys(instance_, hwnd_, chords_chosen(), taker);
    choosing_chords_ = false;
    if (!taken) use_chords(chords_chosen());
}

// Chords taken are kept, and written down when changed; when another program
// holds one, none is registered and the item stays as it was.
std::optional<ChordUse> Form1::take_hotkeys(const ChordPair& chords) {
    chords_.use(chords);
    for (const ChordUse use : {ChordUse::clipboard, ChordUse::selection}) {
        if (chords_.held_elsewhere(use)) {
            chords_.release();
            return use;
        }
    }
    show_chords();
    bool kept = true;
    if (chords[0] != settings_.hotkey) kept = win::write_hotkey(chords[0]) && kept;
    if (chords[1] != settings_.selection_hotkey) {
        kept = win::write_selection_hotkey(chords[1]) && kept;
    }
    settings_.hotkey = chords[0];
    settings_.selection_hotkey = chords[1];
    if (!kept) show_message(kSettingNotKept);
    return std::nullopt;
}

void Form1::Check2_Click() {
    EnableWindow(control(kCheck1), !checked(kCheck2));
}

void Form1::Picture1_Click() {
    OnClose();
}

void Form1::Form_Unload() {
    Module1::remove(hwnd_);
}

}  // namespace numora::ui
