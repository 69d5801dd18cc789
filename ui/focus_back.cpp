#include "focus_back.hpp"

namespace numora::ui {
namespace {

constexpr UINT kTickMs = 100;
constexpr int kTicks = 10;

DWORD last_input() {
    LASTINPUTINFO input{sizeof input, 0};
    GetLastInputInfo(&input);
    return input.dwTime;
}

}  // namespace

void FocusBack::give(HWND user) {
    user_ = user;
    ticks_ = 0;
    input_ = last_input();
    SetForegroundWindow(user_);
    SetTimer(owner_, kTimer, kTickMs, nullptr);
}

void FocusBack::on_timer() {
    // A key or click since is the user's own doing: where it went, it stays.
    if (++ticks_ > kTicks || !IsWindow(user_) || last_input() != input_) {
        KillTimer(owner_, kTimer);
        return;
    }
    if (lost()) SetForegroundWindow(user_);
}

// In front: nothing, the desktop, or a window of Numora's own.
bool FocusBack::lost() const {
    const HWND front = GetForegroundWindow();
    if (front == nullptr || front == GetDesktopWindow()) return true;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    return process == GetCurrentProcessId() && front != user_;
}

}  // namespace numora::ui
