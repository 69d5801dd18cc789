// Numora: an amount in Lithuanian words, shown and put on the clipboard.
#include <windows.h>

#include <commctrl.h>

#include "form1.hpp"
#include "scoped_win.hpp"

namespace {

// One Numora for each user's session: the hotkey is never held by a window
// the user cannot see.
constexpr wchar_t kInstanceName[] = L"Local\\Numora";
constexpr int kForwardAttempts = 50;  // the first may not have its window yet

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const numora::win::ScopedHandle first(CreateMutexW(nullptr, FALSE, kInstanceName));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        for (int i = 0; i < kForwardAttempts && !numora::ui::Form1::bring_running_forward(); ++i) {
            Sleep(100);
        }
        return 0;
    }
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    numora::ui::Form1 form(instance);
    if (!form.Form_Load(show)) return 1;
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
        if (got <= 0) return got == 0 ? static_cast<int>(msg.wParam) : 1;
        if (!IsDialogMessageW(form.hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}
