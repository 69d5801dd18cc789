#include "foreground.hpp"

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

void Foreground::give(HWND user) {
    start(user);
    SetForegroundWindow(user);
}

void Foreground::keep_own() {
    start(nullptr);
}

void Foreground::start(HWND user) {
    user_ = user;
    ticks_ = 0;
    input_ = last_input();
    SetTimer(owner_, kTimer, kTickMs, nullptr);
}

void Foreground::on_timer() {
    if (++ticks_ > kTicks || !IsWindow(wanted()) || last_input() != input_) {
        KillTimer(owner_, kTimer);
        return;
    }
    if (lost()) SetForegroundWindow(wanted());
}

HWND Foreground::wanted() const {
    return user_ != nullptr ? user_ : GetLastActivePopup(owner_);
}

bool Foreground::lost() const {
    const HWND front = GetForegroundWindow();
    if (front == nullptr || front == GetDesktopWindow()) return true;
    if (user_ == nullptr || front == user_) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    return process == GetCurrentProcessId();
}

}  // namespace numora::ui
