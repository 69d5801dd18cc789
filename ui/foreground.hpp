// The window that should be in front stays there: the user's once a message
// about their selection is closed, Numora's while it shows one of its own.
#pragma once

#include <windows.h>

namespace numora::ui {

// Activation may come late (Wine passes the focus through X, and a loaded
// machine delays it): for a second more, a foreground lost to no window or
// to the desktop (or, for the user's window, to Numora's) is given again,
// until the user presses a key or clicks: where that goes is theirs.
class Foreground {
public:
    static constexpr UINT_PTR kTimer = 3;

    explicit Foreground(HWND owner) : owner_(owner) {}
    void give(HWND user);  // the user's window, now and while it is lost
    void keep_own();       // Numora's window, or the box or dialog over it
    void on_timer();

private:
    void start(HWND user);
    HWND wanted() const;
    bool lost() const;

    HWND owner_;
    HWND user_ = nullptr;  // none: Numora's own
    int ticks_ = 0;
    DWORD input_ = 0;  // the last key or click when it started
};

}  // namespace numora::ui
