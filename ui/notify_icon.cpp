#include "notify_icon.hpp"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "resource_ids.h"

namespace numora::ui {
namespace {

constexpr UINT kIconId = 1;

}  // namespace

NotifyIcon::NotifyIcon(HWND window, HINSTANCE instance) : window_(window) {
    // The small size the area uses at this DPI, from the icon's own images.
    HICON icon = nullptr;
    if (FAILED(LoadIconMetric(instance, MAKEINTRESOURCEW(IDI_NUMORA), LIM_SMALL, &icon))) {
        icon = nullptr;
    }
    icon_.reset(icon);
}

NotifyIcon::~NotifyIcon() {
    if (!added_) return;
    NOTIFYICONDATAW icon = data();
    Shell_NotifyIconW(NIM_DELETE, &icon);
}

NOTIFYICONDATAW NotifyIcon::data() const {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window_;
    icon.uID = kIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    icon.uCallbackMessage = kMessage;
    icon.hIcon = icon_.get();
    const std::size_t room = sizeof icon.szTip / sizeof icon.szTip[0] - 1;
    std::wmemcpy(icon.szTip, tip_.data(), std::min(tip_.size(), room));
    return icon;
}

bool NotifyIcon::show() {
    NOTIFYICONDATAW icon = data();
    // TaskbarCreated also comes on a DPI change, the icon still there.
    if (added_ && Shell_NotifyIconW(NIM_MODIFY, &icon)) return true;
    added_ = Shell_NotifyIconW(NIM_ADD, &icon) != FALSE;
    icon.uVersion = NOTIFYICON_VERSION_4;
    if (added_) Shell_NotifyIconW(NIM_SETVERSION, &icon);
    return added_;
}

void NotifyIcon::name_chords(std::wstring_view clipboard, std::wstring_view selection) {
    // A line for each chord that is on: its keys, then what it does.
    tip_ = L"Numora";
    if (!clipboard.empty()) tip_.append(L"\n").append(clipboard).append(L": iškarpinėje žodžiai");
    if (!selection.empty()) {
        tip_.append(L"\n").append(selection).append(L": žodžiai vietoj pažymėtos sumos");
    }
    if (!added_) return;
    NOTIFYICONDATAW icon = data();
    Shell_NotifyIconW(NIM_MODIFY, &icon);
}

NotifyIcon::Command NotifyIcon::choose() const {
    const win::ScopedMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(Command::open), L"&Atidaryti");
    AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(Command::exit), L"&Išeiti");
    SetMenuDefaultItem(menu.get(), static_cast<UINT>(Command::open), FALSE);
    POINT at{};
    GetCursorPos(&at);
    // In front, so that a click elsewhere closes the menu.
    SetForegroundWindow(window_);
    const auto chosen = static_cast<Command>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    return chosen == Command::open || chosen == Command::exit ? chosen : Command::none;
}

UINT NotifyIcon::taskbar_created() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace numora::ui
