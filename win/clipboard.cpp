#include "clipboard.hpp"

#include <cstring>

#include "scoped_win.hpp"

namespace numora::win {
namespace {

constexpr int kOpenAttempts = 50;
constexpr DWORD kAttemptPauseMs = 10;

class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) {
        for (int i = 0; i < kOpenAttempts && !open_; ++i) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) Sleep(kAttemptPauseMs);
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    bool is_open() const { return open_; }

private:
    bool open_ = false;
};

ScopedGlobal global_copy(std::wstring_view text) {
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) return memory;
    LockedGlobal lock(memory.get());
    if (lock.data() == nullptr) return {};
    auto* chars = static_cast<wchar_t*>(lock.data());
    std::memcpy(chars, text.data(), text.size() * sizeof(wchar_t));
    chars[text.size()] = L'\0';
    return memory;
}

}  // namespace

bool put_clipboard_text(HWND owner, std::wstring_view text) {
    // Prepared first, so that a failure here leaves the clipboard untouched.
    ScopedGlobal memory = global_copy(text);
    if (!memory) return false;
    ClipboardSession clipboard(owner);
    if (!clipboard.is_open() || !EmptyClipboard()) return false;
    if (SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
    memory.release();  // the clipboard owns it now
    return true;
}

ClipboardText get_clipboard_text(HWND owner) {
    ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return {ClipboardText::Status::no_text, {}};
    const LockedGlobal lock(data);
    if (lock.data() == nullptr) return {ClipboardText::Status::no_text, {}};
    // Another program's data may lack its terminating null: the block's size bounds it.
    const std::wstring_view held(static_cast<const wchar_t*>(lock.data()),
                                 GlobalSize(data) / sizeof(wchar_t));
    return {ClipboardText::Status::text, std::wstring(held.substr(0, held.find(L'\0')))};
}

}  // namespace numora::win
