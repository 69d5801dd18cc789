#include "system_ports.hpp"

#include <array>
#include <optional>
#include <vector>

#include "chords.hpp"
#include "key_input.hpp"
#include "scoped_win.hpp"

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

DWORD process_of_window(HWND window) {
    DWORD process = 0;
    if (window != nullptr) GetWindowThreadProcessId(window, &process);
    return process;
}

// The integrity level a process runs at (its token's mandatory label);
// none when its token may not be read.
std::optional<DWORD> integrity_of(HANDLE process) {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &opened)) return std::nullopt;
    const win::ScopedHandle token(opened);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> label(size);
    if (size == 0 ||
        !GetTokenInformation(token.get(), TokenIntegrityLevel, label.data(), size, &size)) {
        return std::nullopt;
    }
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(label.data())->Label.Sid;
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
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

DWORD SystemPorts::owner_process() const {
    return process_of_window(GetClipboardOwner());
}

win::Kept SystemPorts::keep() {
    return kept_.take(owner_, kMostClipboardBytes);
}

win::ClipboardText SystemPorts::read() {
    return win::get_clipboard_text(owner_, kMostClipboardBytes);
}

win::Replaced SystemPorts::offer(DWORD if_still, std::string_view words, DWORD target) {
    return offered_.offer(owner_, if_still, words, target);
}

DWORD SystemPorts::opened_by() const {
    return process_of_window(GetOpenClipboardWindow());
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

DWORD SystemPorts::process_of(HWND window) const {
    return process_of_window(window);
}

// A token Numora may not read is one above its own.
bool SystemPorts::above_numora(HWND window) const {
    const auto own = integrity_of(GetCurrentProcess());
    if (!own) return false;
    const win::ScopedHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_of_window(window)));
    const auto theirs = process ? integrity_of(process.get()) : std::nullopt;
    return !theirs || *theirs > *own;
}

DWORD SystemPorts::now() const {
    return GetTickCount();
}

// While the exchange waits, other programs' calls into this thread are
// answered (a paste asks Numora's window for the words; a program emptying
// the clipboard Numora owns tells it), and its windows repaint. A chord
// pressed meanwhile is taken off the queue: the selection's again is the
// same request, dropped; the clipboard's is carried out when this one ends.
void SystemPorts::pause(DWORD ms) {
    const DWORD start = GetTickCount();
    for (DWORD waited = 0; waited < ms; waited = GetTickCount() - start) {
        MsgWaitForMultipleObjectsEx(0, nullptr, ms - waited, QS_SENDMESSAGE | QS_HOTKEY | QS_PAINT,
                                    0);
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
            if (Chords::use_of(message.wParam) == ChordUse::clipboard) {
                clipboard_chord_pressed_ = true;
            }
        }
        while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace numora::ui
