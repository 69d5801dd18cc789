#include "module1.hpp"

namespace Module1 {

WNDPROC prevWndProc = nullptr;

namespace {

// Seven lines, each ending in CR LF.
constexpr wchar_t kAboutText[] =
    L"Numora " NUMORA_VERSION_WTEXT L", sukūrė Numora komanda\r\n"
    L"\r\n"
    L"Po sumos įrašę € arba Eur ar meniu pažymėję „Eurai“, gausite sumą eurais\r\n"
    L"\r\n"
    L"Naudokitės ir džiaukitės !\r\n"
    L"\r\n"
    L"     numora@example.org\r\n";

UINT check_flag(bool checked) {
    return checked ? MF_CHECKED : MF_UNCHECKED;
}

}  // namespace

void extend_system_menu(HWND hwnd, bool euro, bool top_most) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    // The two calls below are kept as the program has always made them; only
    // the appended items matter.
    DeleteMenu(menu, 0, 0);
    InsertMenuW(menu, 1, 0, 0, nullptr);
    // One line above the settings: the menu may end in one already (Wine's
    // shows the item inserted above as a line at its end).
    const int last = GetMenuItemCount(menu) - 1;
    if (last >= 0 &&
        (GetMenuState(menu, static_cast<UINT>(last), MF_BYPOSITION) & MF_SEPARATOR) == 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    // E and V are no system item's access key, in English or in Lithuanian.
    AppendMenuW(menu, MF_STRING | check_flag(euro), kEuroCommand, L"&Eurai, kai valiuta neįrašyta");
    AppendMenuW(menu, MF_STRING | check_flag(top_most), kTopMostCommand, L"&Visada viršuje");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"Apie...");
}

void show_checked(HWND hwnd, int command, bool checked) {
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), static_cast<UINT>(command),
                  MF_BYCOMMAND | check_flag(checked));
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
