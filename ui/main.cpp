// Numora: an amount in Lithuanian words, shown and put on the clipboard.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "form1.hpp"
#include "scoped_win.hpp"

namespace {

// One Numora for each user's session: the hotkey is never held by a window
// the user cannot see. The first holds the mutex until it ends.
constexpr wchar_t kInstanceName[] = L"Local\\Numora";
constexpr int kForwardAttempts = 50;  // the first may not have its window yet
constexpr DWORD kAttemptMs = 100;

// Started with Windows: "/tray" in any letter case.
bool in_tray(const wchar_t* command_line) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(command_line, &count);
    bool found = false;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        found = found || CompareStringOrdinal(arguments[i], -1, L"/tray", -1, TRUE) == CSTR_EQUAL;
    }
    LocalFree(arguments);
    return found;
}

// True when this is the one Numora: no other holds the mutex, or the one that
// did has ended meanwhile. Otherwise the other's window is brought forward,
// unless this one was started with Windows, in the tray: it then just ends.
bool is_first(const numora::win::ScopedHandle& instance, DWORD created, bool tray) {
    if (instance && created != ERROR_ALREADY_EXISTS) return true;
    // Access denied: an elevated Numora made it, so one is running. Any other
    // failure tells nothing, and this one runs.
    if (!instance && created != ERROR_ACCESS_DENIED) return true;
    for (int i = 0; i < kForwardAttempts; ++i) {
        if (tray || numora::ui::Form1::bring_running_forward()) return false;
        if (!instance) {
            Sleep(kAttemptMs);
            continue;
        }
        const DWORD waited = WaitForSingleObject(instance.get(), kAttemptMs);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return true;  // it has ended
    }
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const bool tray = in_tray(GetCommandLineW());
    const numora::win::ScopedHandle first(CreateMutexW(nullptr, TRUE, kInstanceName));
    if (!is_first(first, GetLastError(), tray)) return 0;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    numora::ui::Form1 form(instance);
    if (!form.Form_Load(show, tray)) return 1;
    MSG msg;
    bool painted = false;
    for (;;) {
        // The queue runs dry once every window has painted (PeekMessage
        // gives WM_PAINT while any still has to): what was put off comes then.
        if (!painted && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            form.after_first_paint();
            painted = true;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The window is gone: a Numora started now is the one.
            ReleaseMutex(first.get());
            return got == 0 ? static_cast<int>(msg.wParam) : 1;
        }
        if (!IsDialogMessageW(form.hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}
