// Drives a running numora.exe from another process, the way a user does:
// keys and clicks through SendInput, texts and states read back by messages.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace numora::e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Polls `done` until it holds or `limit` passes; true when it held.
template <typename Condition>
bool wait_until(Condition done, Duration limit = 5000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(20);
    }
    return true;
}

// An input step that did not take effect, even when tried again: it ends
// the test at once, naming the step, what was wanted and what was found.
class StepFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One numora.exe, started in the constructor, killed in the destructor if still running.
// Each input step is confirmed before the next: the program has taken the
// input (a message round trip) and its effect is seen; a step without its
// effect is tried once more, then throws StepFailed.
class App {
public:
    // Started with these arguments; with "/tray" its window is found hidden.
    explicit App(std::wstring_view arguments = {});
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    HWND form() const { return form_; }
    HWND item(int id) const { return GetDlgItem(form_, id); }
    std::wstring text(int id) const;
    bool checked(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    int focused_id() const;             // the control with the keyboard focus, 0 if none
    RECT client_rect_of(int id) const;  // in Form1's client pixels

    void activate() const;                        // the window in front, with the focus
    void fill(std::wstring_view typed) const;     // replaces Text1's text by typing
    void request(std::wstring_view typed) const;  // fills Text1 and presses Enter
    void click(int id) const;                     // a real mouse click in the middle of the control
    void click_at(POINT screen) const;
    // Clicks a check box or option button until it is in the state wanted.
    void set_checked(int id, bool wanted) const;

    // Waits until the program has handled what it was sent.
    void settle() const;
    // Does `act` until `done` holds, twice at most; else throws, naming the
    // step and what `found` tells of what was there instead.
    template <typename Act, typename Done, typename Found>
    void step(std::string_view name, Act act, Done done, Found found) const {
        for (int attempt = 0; attempt < 2; ++attempt) {
            act();
            settle();
            if (wait_until(done)) return;
            if (attempt == 0) note_retry(name, found());
        }
        fail_step(name, found());
    }

    bool running() const;
    std::optional<DWORD> wait_exit(Duration limit = 5000ms) const;  // the exit code
    DWORD thread() const { return thread_; }
    HANDLE process() const { return process_.hProcess; }

private:
    static void note_retry(std::string_view name, const std::string& found);
    [[noreturn]] static void fail_step(std::string_view name, const std::string& found);

    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
    DWORD thread_ = 0;
};

// Starts another numora.exe and waits for it to end: its exit code.
std::optional<DWORD> run_another(std::wstring_view arguments = {}, Duration limit = 10000ms);

// A thread of the test's own that makes a window and answers its messages,
// as another program would: the constructor returns once `make` has made
// it, and the destructor ends the thread and the window.
class WindowThread {
public:
    using Make = HWND (*)(void* owner);  // makes the top-level window, on the thread
    WindowThread(Make make, void* owner);
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;
    DWORD id() const { return GetThreadId(thread_); }

private:
    static DWORD WINAPI run(void* self);

    Make make_;
    void* owner_;
    HANDLE ready_;
    HANDLE thread_;
};

// A window of another program, in front: its own thread answers its
// messages. Its class may be one Numora's window has too, or a terminal's.
class OtherWindow {
public:
    explicit OtherWindow(const wchar_t* window_class = L"STATIC") : class_(window_class) {}
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
    HWND hwnd() const { return window_; }
    void activate() const;                        // in front, confirmed
    int c_presses() const { return c_presses_; }  // Ctrl+C would stop what runs there

private:
    static HWND make(void* self);
    static LRESULT CALLBACK counting(HWND, UINT, WPARAM, LPARAM);

    const wchar_t* class_;
    HWND window_ = nullptr;
    std::atomic<int> c_presses_{0};
    WindowThread thread_{&OtherWindow::make, this};  // last: it makes the window
};

// A program of the test's own in front: a text box that copies and pastes
// as Notepad's does, but takes Ctrl+Shift+C and Ctrl+Shift+V for other
// commands, as many programs do. Its own thread answers its messages.
class Editor {
public:
    Editor() = default;
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;
    HWND hwnd() const { return frame_; }
    HWND text_box() const { return window_; }
    // The text, with [start, end) selected, in front with the focus; confirmed.
    void show(std::wstring_view text, int start, int end) const;
    std::wstring text() const;
    // The next copy brings this window to the front first, as a click there would.
    void on_copy_activate(HWND window) const;
    // As a busy program: Ctrl+C and Ctrl+V taken this long after they came.
    void delay(DWORD copy_ms, DWORD paste_ms) const;
    // As a code editor: Ctrl+C with nothing selected copies the caret's line
    // with its line end, marked as a line copy.
    void copy_lines(bool on) const;

private:
    static HWND make(void* self);
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool copy_line(HWND edit);

    HWND frame_ = nullptr;
    HWND window_ = nullptr;  // the text box
    mutable std::atomic<HWND> on_copy_{nullptr};
    mutable std::atomic<DWORD> copy_delay_{0}, paste_delay_{0};
    mutable std::atomic<bool> copy_lines_{false};
    WindowThread thread_{&Editor::make, this};  // last: it makes the windows
};

// Keys as the keyboard sends them to the foreground window.
void press(std::initializer_list<WORD> chord);  // e.g. {VK_MENU, 'P'}
// Keys pressed, or let go, each in order.
void hold(std::initializer_list<WORD> keys, bool down);
void type(std::wstring_view text);

// A message box ("#32770") owned by the app: its texts and what it offers.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<int> buttons;  // their identifiers: captions follow the UI language
    bool icon = false;
};
std::optional<MessageBoxSeen> find_message_box(const App& app);
std::optional<MessageBoxSeen> wait_message_box(const App& app, Duration limit = 3000ms);
void close_message_box(const MessageBoxSeen& box);  // presses its OK button

// The tooltip the app shows now, if one is visible.
std::optional<std::wstring> visible_tooltip(const App& app);

std::optional<std::wstring> clipboard_text();
bool set_clipboard_text(std::wstring_view text);

// Holds the clipboard open, as another program might, for as long as it lives.
class ClipboardHold {
public:
    ClipboardHold();
    ~ClipboardHold();
    ClipboardHold(const ClipboardHold&) = delete;
    ClipboardHold& operator=(const ClipboardHold&) = delete;
    bool held() const { return held_; }

private:
    bool held_ = false;
};

// What the run was set up with: the expected DPI and the user's decimal separator.
UINT expected_dpi();
std::wstring decimal_separator();
std::wstring grouping_separator();

}  // namespace numora::e2e
