#include "system_ports.hpp"

#include <array>

#include "key_input.hpp"

namespace numora::ui {
namespace {

bool held(int key) {
    return GetAsyncKeyState(key) < 0;
}

// Ctrl with the key, down and up, in one batch: no other input comes between.
void send_with_ctrl(WORD key) {
    using win::key_input;
    std::array<INPUT, 4> inputs{key_input(VK_CONTROL, 0), key_input(key, 0),
                                key_input(key, KEYEVENTF_KEYUP),
                                key_input(VK_CONTROL, KEYEVENTF_KEYUP)};
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool SystemPorts::chord_down() const {
    constexpr std::array<std::array<UINT, 2>, 3> kModifierKeys{
        {{MOD_CONTROL, VK_CONTROL}, {MOD_SHIFT, VK_SHIFT}, {MOD_ALT, VK_MENU}}};
    for (const auto& [modifier, key] : kModifierKeys) {
        if ((chord_.modifiers & modifier) != 0 && held(static_cast<int>(key))) return true;
    }
    return held(static_cast<int>(chord_.key));
}

void SystemPorts::send_copy() {
    send_with_ctrl('C');
}

void SystemPorts::send_paste() {
    send_with_ctrl('V');
}

DWORD SystemPorts::sequence() const {
    return GetClipboardSequenceNumber();
}

bool SystemPorts::keep() {
    return kept_.take(owner_);
}

win::ClipboardText SystemPorts::read() {
    return win::get_clipboard_text(owner_, kMostClipboardBytes);
}

win::Replaced SystemPorts::write(const win::ClipboardText& read, std::string_view words) {
    return win::replace_clipboard_text(owner_, read, words, win::Listing::unlisted);
}

win::Replaced SystemPorts::put_back(DWORD if_still) {
    return kept_.put_back(owner_, if_still);
}

HWND SystemPorts::front() const {
    return GetForegroundWindow();
}

std::wstring SystemPorts::class_of(HWND window) const {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring(name.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

DWORD SystemPorts::now() const {
    return GetTickCount();
}

// Another program that empties the clipboard Numora owns, or asks its window
// anything, waits on this thread: its calls are answered while it waits.
void SystemPorts::pause(DWORD ms) {
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_SENDMESSAGE, 0);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace numora::ui
