#include "driver.hpp"

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>

#include "clipboard.hpp"
#include "control_ids.hpp"
#include "key_input.hpp"
#include "win_text.hpp"

namespace numora::e2e {
namespace {

using win::key_input;

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

std::wstring class_of(HWND window) {
    wchar_t name[64];
    const int length = GetClassNameW(window, name, 64);
    return std::wstring(name, static_cast<std::size_t>(length));
}

DWORD process_of(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// WM_GETTEXT works across processes, where GetWindowTextW reads only a cached caption.
std::wstring window_text(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

// A named CALLBACK: on 32-bit Windows a lambda would have the wrong calling convention.
template <typename Visit>
BOOL CALLBACK visit_window(HWND window, LPARAM context) {
    (*reinterpret_cast<Visit*>(context))(window);
    return TRUE;
}

template <typename Visit>
void for_each_top_window(Visit visit) {
    EnumWindows(visit_window<Visit>, reinterpret_cast<LPARAM>(&visit));
}

template <typename Visit>
void for_each_child(HWND parent, Visit visit) {
    EnumChildWindows(parent, visit_window<Visit>, reinterpret_cast<LPARAM>(&visit));
}

HWND find_top_window(DWORD process, const wchar_t* window_class, bool visible = true) {
    HWND found = nullptr;
    for_each_top_window([&](HWND window) {
        if (found == nullptr && process_of(window) == process &&
            (!visible || IsWindowVisible(window)) && class_of(window) == window_class) {
            found = window;
        }
    });
    return found;
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

POINT centre_of(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Where the pointer is comes with each button event: a move made apart, by
// SetCursorPos, may be overtaken by an older motion from the display under
// load, and the click then lands elsewhere.
INPUT mouse_at(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

std::string narrow(std::wstring_view text) {
    return win::to_utf8(text);
}

}  // namespace

// A program ended a moment ago may hold the hotkey's chord a while yet.
static bool default_chord_free() {
    constexpr int kProbe = 0xBFFF;
    if (!RegisterHotKey(nullptr, kProbe, MOD_CONTROL | MOD_SHIFT, VK_F11)) return false;
    UnregisterHotKey(nullptr, kProbe);
    return true;
}

// The program's command line: its path, then the arguments.
static std::wstring command_line(std::wstring_view arguments) {
    std::wstring command = L"\"" + environment(L"NUMORA_EXE") + L"\"";
    if (!arguments.empty()) command += L" " + std::wstring(arguments);
    return command;
}

App::App(std::wstring_view arguments) {
    // Started once the chord is free, so that it takes it at once.
    if (!default_chord_free()) {
        std::printf("NOTE: Ctrl+Shift+F11 still held as numora.exe starts\n");
        wait_until(default_chord_free);
    }
    std::wstring command = command_line(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        throw std::runtime_error("numora.exe did not start; is NUMORA_EXE set?");
    }
    WaitForInputIdle(process_.hProcess, 10000);
    const bool visible = arguments.find(L"/tray") == std::wstring_view::npos;
    wait_until([&] { return (form_ = find_top_window(process_.dwProcessId, L"Form1", visible)); },
               10000ms);
    if (form_ == nullptr) throw std::runtime_error("numora.exe showed no window");
    thread_ = GetWindowThreadProcessId(form_, nullptr);
}

App::~App() {
    if (running()) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::wstring App::text(int id) const {
    return window_text(item(id));
}

bool App::checked(int id) const {
    return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int App::focused_id() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread_, &info) || info.hwndFocus == nullptr) return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

RECT App::client_rect_of(int id) const {
    RECT rect;
    GetWindowRect(item(id), &rect);
    MapWindowPoints(HWND_DESKTOP, form_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void App::settle() const {
    // Twice: the first may come before input queued behind it is read.
    for (int i = 0; i < 2; ++i) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        Sleep(10);
    }
}

// Said, so that a stress run shows how often a step needs its second try.
void App::note_retry(std::string_view name, const std::string& found) {
    std::printf("RETRY step '%.*s': %s\n", static_cast<int>(name.size()), name.data(),
                found.c_str());
    std::fflush(stdout);
}

void App::fail_step(std::string_view name, const std::string& found) {
    throw StepFailed("step '" + std::string(name) + "' took no effect, tried twice; " + found);
}

// Keys go to the window in front: another may have taken the focus, a
// message box just closed or a window of the display's.
void App::activate() const {
    const auto in_front = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetForegroundWindow() == form_ && GetGUIThreadInfo(thread_, &info) &&
               info.hwndActive == form_;
    };
    if (in_front()) return;
    step(
        "bring the window to the front", [&] { SetForegroundWindow(form_); }, in_front,
        [&] {
            return "wanted Form1 in front, found window " +
                   std::to_string(reinterpret_cast<std::uintptr_t>(GetForegroundWindow()));
        });
}

void App::click(int id) const {
    click_at(centre_of(item(id)));
}

void App::click_at(POINT screen) const {
    activate();
    send({mouse_at(screen, 0), mouse_at(screen, MOUSEEVENTF_LEFTDOWN),
          mouse_at(screen, MOUSEEVENTF_LEFTUP)});
    settle();
}

void App::set_checked(int id, bool wanted) const {
    if (checked(id) == wanted) return;
    step(
        "click control " + std::to_string(id), [&] { click(id); },
        [&] { return checked(id) == wanted; },
        [&] { return std::string("wanted it ") + (wanted ? "checked" : "clear") + ", found not"; });
}

void App::fill(std::wstring_view typed) const {
    using numora::ui::kText1;
    step(
        "click into the number box", [&] { click(kText1); }, [&] { return focused_id() == kText1; },
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            GetGUIThreadInfo(thread_, &info);
            return "wanted the focus there, found it on " + std::to_string(focused_id()) +
                   ((info.flags & GUI_INMENUMODE) != 0 ? ", in menu mode" : "") +
                   ((info.flags & GUI_SYSTEMMENUMODE) != 0 ? ", in the system menu" : "");
        });
    step(
        "type " + narrow(typed),
        [&] {
            activate();
            press({VK_END});
            press({VK_SHIFT, VK_HOME});
            press({VK_DELETE});
            type(typed);
        },
        [&] { return text(kText1) == typed; },
        [&] { return "the number box holds \"" + narrow(text(kText1)) + "\""; });
}

void App::request(std::wstring_view typed) const {
    fill(typed);
    activate();
    press({VK_RETURN});
    settle();
}

std::optional<DWORD> run_another(std::wstring_view arguments, Duration limit) {
    std::wstring command = command_line(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    std::optional<DWORD> code;
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0) {
        DWORD exit_code = 0;
        GetExitCodeProcess(process.hProcess, &exit_code);
        code = exit_code;
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

WindowThread::WindowThread(Make make, void* owner)
    : make_(make), owner_(owner), ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = CreateThread(nullptr, 0, &WindowThread::run, this, 0, nullptr);
    WaitForSingleObject(ready_, 5000);
}

WindowThread::~WindowThread() {
    PostThreadMessageW(id(), WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
}

DWORD WINAPI WindowThread::run(void* context) {
    auto* self = static_cast<WindowThread*>(context);
    HWND window = self->make_(self->owner_);
    SetEvent(self->ready_);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DestroyWindow(window);
    return 0;
}

LRESULT CALLBACK OtherWindow::counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == 'C') {
        ++reinterpret_cast<OtherWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))->c_presses_;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND OtherWindow::make(void* context) {
    auto* self = static_cast<OtherWindow*>(context);
    WNDCLASSW own{};
    own.lpfnWndProc = &OtherWindow::counting;
    own.hInstance = GetModuleHandleW(nullptr);
    own.lpszClassName = self->class_;
    if (std::wstring_view(self->class_) != L"STATIC") RegisterClassW(&own);
    self->window_ =
        CreateWindowExW(0, self->class_, L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                        20, 300, 120, nullptr, nullptr, own.hInstance, nullptr);
    SetWindowLongPtrW(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return self->window_;
}

void OtherWindow::activate() const {
    for (int attempt = 0; attempt < 2; ++attempt) {
        SetForegroundWindow(window_);
        if (wait_until([&] { return GetForegroundWindow() == window_; })) return;
    }
    throw StepFailed("step 'bring another window to the front' took no effect, tried twice");
}

bool App::running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> App::wait_exit(Duration limit) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) !=
        WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void press(std::initializer_list<WORD> chord) {
    std::vector<INPUT> inputs;
    for (const WORD key : chord) inputs.push_back(key_input(key, 0));
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
        inputs.push_back(key_input(*key, KEYEVENTF_KEYUP));
    }
    send(std::move(inputs));
}

void hold(std::initializer_list<WORD> keys, bool down) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) inputs.push_back(key_input(key, down ? 0 : KEYEVENTF_KEYUP));
    send(std::move(inputs));
}

// The editor's frame gives the focus to its text box, as Notepad's does.
LRESULT CALLBACK editor_frame(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
        SetFocus(GetWindow(frame, GW_CHILD));
        return 0;
    }
    return DefWindowProcW(frame, message, wParam, lParam);
}

HWND Editor::make(void* context) {
    auto* self = static_cast<Editor*>(context);
    WNDCLASSW frame{};
    frame.lpfnWndProc = &editor_frame;
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.lpszClassName = L"NumoraTestEditor";
    RegisterClassW(&frame);
    self->frame_ =
        CreateWindowExW(0, frame.lpszClassName, L"Sąskaita", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                        40, 420, 160, nullptr, nullptr, frame.hInstance, nullptr);
    self->window_ = CreateWindowExW(
        0, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0, 400,
        120, self->frame_, nullptr, frame.hInstance, nullptr);
    SendMessageW(self->window_, EM_SETLIMITTEXT, 0, 0);  // no length limit, as in Notepad
    SetWindowSubclass(self->window_, &Editor::EditProc, 1, reinterpret_cast<DWORD_PTR>(self));
    SetFocus(self->window_);  // the frame was activated before its text box was made
    return self->frame_;
}

LRESULT CALLBACK Editor::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR context) {
    auto* self = reinterpret_cast<Editor*>(context);
    // Ctrl+Shift+C and Ctrl+Shift+V are this program's other commands.
    if (message == WM_CHAR && (wParam == 3 || wParam == 22) && GetKeyState(VK_SHIFT) < 0) {
        return 0;
    }
    if (message == WM_CHAR && wParam == 3) Sleep(self->copy_delay_);
    if (message == WM_CHAR && wParam == 22) Sleep(self->paste_delay_);
    // The user's click elsewhere comes before the copy lands, whatever the
    // machine's load: the chord sees it as soon as it sees the copy.
    if (message == WM_COPY) {
        if (HWND elsewhere = self->on_copy_.exchange(nullptr)) SetForegroundWindow(elsewhere);
    }
    if (message == WM_COPY && self->copy_lines_ && self->copy_line(edit)) return 0;
    return DefSubclassProc(edit, message, wParam, lParam);
}

void Editor::show(std::wstring_view text, int start, int end) const {
    const std::wstring whole(text);
    SendMessageW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(whole.c_str()));
    SendMessageW(window_, EM_SETSEL, static_cast<WPARAM>(start), end);
    const auto focused = [&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return GetGUIThreadInfo(thread_.id(), &gui) && gui.hwndFocus == window_;
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        SetForegroundWindow(frame_);
        if (wait_until([&] { return GetForegroundWindow() == frame_ && focused(); })) break;
        if (attempt == 1)
            throw StepFailed("step 'the editor in front' took no effect, tried twice");
    }
    DWORD first = 0, last = 0;
    SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    if (window_text(window_) != whole || first != DWORD(start) || last != DWORD(end)) {
        throw StepFailed("step 'the editor's text and selection' took no effect");
    }
}

std::wstring Editor::text() const {
    return window_text(window_);
}

void Editor::on_copy_activate(HWND window) const {
    on_copy_ = window;
}

void Editor::delay(DWORD copy_ms, DWORD paste_ms) const {
    copy_delay_ = copy_ms;
    paste_delay_ = paste_ms;
}

void Editor::copy_lines(bool on) const {
    copy_lines_ = on;
}

// Nothing selected: the caret's line and a line end, with Visual Studio's marker.
bool Editor::copy_line(HWND edit) {
    DWORD first = 0, last = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    if (first != last) return false;
    const auto line = static_cast<WPARAM>(SendMessageW(edit, EM_LINEFROMCHAR, first, 0));
    std::wstring text(4096, L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size());
    text.resize(static_cast<std::size_t>(
        SendMessageW(edit, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data()))));
    text += L"\r\n";
    if (!OpenClipboard(edit)) return false;
    EmptyClipboard();
    win::ScopedGlobal memory = win::global_copy(text);
    win::hand_over(CF_UNICODETEXT, memory);
    win::ScopedGlobal mark(GlobalAlloc(GMEM_MOVEABLE, 1));
    win::hand_over(RegisterClipboardFormatW(L"MSDEVLineSelect"), mark);
    CloseClipboard();
    return true;
}

void type(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (const wchar_t character : text) {
        INPUT input = key_input(0, KEYEVENTF_UNICODE);
        input.ki.wScan = character;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    send(std::move(inputs));
}

std::optional<MessageBoxSeen> find_message_box(const App& app) {
    DWORD process = 0;
    GetWindowThreadProcessId(app.form(), &process);
    HWND window = find_top_window(process, L"#32770");
    if (window == nullptr) return std::nullopt;
    MessageBoxSeen box;
    box.window = window;
    box.title = window_text(window);
    for_each_child(window, [&](HWND child) {
        if (!IsWindowVisible(child)) return;
        const std::wstring kind = class_of(child);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if (kind == L"Button") {
            box.buttons.push_back(GetDlgCtrlID(child));
        } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            box.icon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (kind == L"Static") {
            box.text += window_text(child);
        }
    });
    return box;
}

std::optional<MessageBoxSeen> wait_message_box(const App& app, Duration limit) {
    std::optional<MessageBoxSeen> box;
    // Seen once it is filled in: a box shows before its texts are set.
    wait_until(
        [&] {
            box = find_message_box(app);
            return box && !box->title.empty() && !box->buttons.empty();
        },
        limit);
    return box;
}

void close_message_box(const MessageBoxSeen& box) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDlgItem(box.window, IDOK), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000,
                        &ignored);
    wait_until([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
}

std::optional<std::wstring> visible_tooltip(const App& app) {
    DWORD process = 0;
    GetWindowThreadProcessId(app.form(), &process);
    HWND tip = find_top_window(process, TOOLTIPS_CLASSW);
    if (tip == nullptr) return std::nullopt;
    return window_text(tip);
}

namespace {

bool open_clipboard() {
    return wait_until([] { return OpenClipboard(nullptr) != FALSE; }, 2000ms);
}

}  // namespace

std::optional<std::wstring> clipboard_text() {
    if (!open_clipboard()) return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool set_clipboard_text(std::wstring_view text) {
    return win::put_clipboard_text(nullptr, text);
}

ClipboardHold::ClipboardHold() : held_(open_clipboard()) {}

ClipboardHold::~ClipboardHold() {
    if (held_) CloseClipboard();
}

UINT expected_dpi() {
    const std::wstring dpi = environment(L"NUMORA_TEST_DPI");
    return dpi.empty() ? 96 : static_cast<UINT>(std::wcstoul(dpi.c_str(), nullptr, 10));
}

std::wstring decimal_separator() {
    return win::to_wide(win::user_separators().decimal);
}
std::wstring grouping_separator() {
    return win::to_wide(win::user_separators().grouping);
}

}  // namespace numora::e2e
