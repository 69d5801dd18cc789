// Numora's icon in the notification area, while it was started with /tray:
// a left click shows the window, a right click offers Atidaryti and Išeiti.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "scoped_win.hpp"

namespace numora::ui {

class NotifyIcon {
public:
    // What the icon sends its window: the mouse's message in lParam's low word.
    static constexpr UINT kMessage = WM_APP + 7;
    enum class Command : UINT { none, open, exit };

    NotifyIcon(HWND window, HINSTANCE instance);
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;
    ~NotifyIcon();

    // The timer that tries again an icon the area did not take.
    static constexpr UINT_PTR kRetryTimer = 2;
    static constexpr UINT kRetryMs = 1000;

    // The icon in the area: brought up to date where it is there, put there
    // where not (at first, after Explorer restarted); false when there is no
    // area to put it in yet.
    bool show();
    // The tooltip names the chords as they are set; an empty name is one turned off.
    void name_chords(std::wstring_view clipboard, std::wstring_view selection);
    // The icon's menu at the pointer; what was chosen.
    Command choose() const;
    // Sent to every window when Explorer has started again.
    static UINT taskbar_created();

private:
    NOTIFYICONDATAW data() const;

    HWND window_;
    win::ScopedIcon icon_;
    std::wstring tip_;
    bool added_ = false;
};

}  // namespace numora::ui
