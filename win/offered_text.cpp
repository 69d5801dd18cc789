#include "offered_text.hpp"

namespace numora::win {

Replaced OfferedText::offer(HWND owner, DWORD if_still, std::string_view words, DWORD target) {
    ScopedGlobal memory = global_widened(words);
    if (!memory) return Replaced::failed;
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return Replaced::busy;
    // A copy made since the selection's is the user's newest: it stays.
    if (GetClipboardSequenceNumber() != if_still) return Replaced::newer_copy;
    // Emptying it tells the clipboard's owner, perhaps Numora, to forget its words.
    if (!EmptyClipboard()) return Replaced::failed;
    words_ = std::move(memory);
    target_ = target;
    rendered_ = {};
    // A promise has no data: SetClipboardData returns none even when it took it.
    SetClipboardData(CF_UNICODETEXT, nullptr);
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        words_.reset();
        return Replaced::failed;
    }
    mark_private();
    return Replaced::written;
}

bool OfferedText::answers(HWND owner, UINT message, WPARAM format) {
    switch (message) {
        case WM_RENDERFORMAT:
            if (format == CF_UNICODETEXT) render();
            return true;
        case WM_RENDERALLFORMATS:
            render_all(owner);
            return true;
        case WM_DESTROYCLIPBOARD:
            words_.reset();
            return true;
        default:
            return false;
    }
}

// The words into the clipboard the asker holds open.
void OfferedText::render() {
    if (!words_) return;
    DWORD asker = 0;
    if (HWND opened_by = GetOpenClipboardWindow()) GetWindowThreadProcessId(opened_by, &asker);
    if (!hand_over(CF_UNICODETEXT, words_)) return;
    (asker != 0 && asker == target_ ? rendered_.to_target : rendered_.to_other) = true;
    rendered_.sequence = GetClipboardSequenceNumber();
}

// Numora ends: the words are written while they can be.
void OfferedText::render_all(HWND owner) {
    if (!words_) return;
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open() || GetClipboardOwner() != owner) return;
    if (hand_over(CF_UNICODETEXT, words_)) rendered_.sequence = GetClipboardSequenceNumber();
}

}  // namespace numora::win
