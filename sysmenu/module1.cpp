#include "module1.hpp"

namespace Module1 {

WNDPROC prevWndProc = nullptr;

namespace {

// Seven lines, each ending in CR LF.
constexpr wchar_t kAboutText[] =
    L"Numora " NUMORA_VERSION_WTEXT L", sukūrė Numora komanda\r\n"
    L"\r\n"
    L"Po sumos įrašę € arba Eur, gausite sumą eurais\r\n"
    L"\r\n"
    L"Naudokitės ir džiaukitės !\r\n"
    L"\r\n"
    L"     numora@example.org\r\n";

}  // namespace

void extend_system_menu(HWND hwnd) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    // The two calls below are kept as the program has always made them; only
    // the appended item matters.
    DeleteMenu(menu, 0, 0);
    InsertMenuW(menu, 1, 0, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"Apie...");
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The whole parameter is compared: no system-command bits are masked off.
    if (message == WM_SYSCOMMAND && wParam == kAboutCommand) {
        MessageBoxW(hwnd, kAboutText, L"Numora", MB_ICONINFORMATION);
        return 0;
    }
    return CallWindowProcW(prevWndProc, hwnd, message, wParam, lParam);
}

void install(HWND hwnd) {
    prevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void remove(HWND hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prevWndProc));
}

}  // namespace Module1
