// The user's window given the foreground back once a message of Numora's
// about their selection is closed.
#pragma once

#include <windows.h>

namespace numora::ui {

// Activation may come late (Wine passes the focus through X, and a loaded
// machine delays it): for a second more, a foreground left with Numora's
// own windows or with none is given back again, until the user presses a
// key or clicks: where that goes is theirs.
class FocusBack {
public:
    static constexpr UINT_PTR kTimer = 3;

    explicit FocusBack(HWND owner) : owner_(owner) {}
    void give(HWND user);  // now, and again on the timer while it is lost
    void on_timer();

private:
    bool lost() const;

    HWND owner_;
    HWND user_ = nullptr;
    int ticks_ = 0;
    DWORD input_ = 0;  // the last key or click when it was given
};

}  // namespace numora::ui
