#include "clipboard.hpp"

#include <algorithm>
#include <cstring>

namespace numora::win {
namespace {

// A copy of the text the open clipboard holds, to put back if a write fails.
ScopedGlobal text_held_now() {
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return {};
    const LockedGlobal lock(data);
    return lock.data() == nullptr ? ScopedGlobal() : global_copy(held_text(lock, data));
}

// Empties the open clipboard and sets the text; if that fails, the text it
// held before is put back.
bool write_text(ScopedGlobal& text, SetData set) {
    ScopedGlobal before = text_held_now();
    if (!EmptyClipboard()) return false;
    if (hand_over(CF_UNICODETEXT, text, set)) return true;
    if (before && SetClipboardData(CF_UNICODETEXT, before.get()) != nullptr) before.release();
    return false;
}

// Whether the open clipboard's data of `format` holds `marker`, in UTF-8 or
// UTF-16, within its first 64 KiB.
bool data_holds(UINT format, std::string_view marker) {
    HANDLE data = format != 0 ? GetClipboardData(format) : nullptr;
    if (data == nullptr) return false;
    const LockedGlobal lock(data);
    if (lock.data() == nullptr) return false;
    constexpr SIZE_T kLooked = SIZE_T{64} * 1024;
    const std::string_view bytes(static_cast<const char*>(lock.data()),
                                 std::min(GlobalSize(data), kLooked));
    std::string wide;
    for (const char c : marker) wide += {c, '\0'};
    return bytes.find(marker) != std::string_view::npos ||
           bytes.find(wide) != std::string_view::npos;
}

// Visual Studio and Notepad++ mark a copy of the caret's line with a format
// of its own; VS Code says so in its editor data, which Chromium keeps in its
// custom format when no format of that name is registered.
bool is_line_copy() {
    if (IsClipboardFormatAvailable(RegisterClipboardFormatW(L"MSDEVLineSelect"))) return true;
    constexpr std::string_view kEmptySelection = R"("isFromEmptySelection":true)";
    for (const wchar_t* name : {L"vscode-editor-data", L"Chromium Web Custom MIME Data Format"}) {
        if (data_holds(RegisterClipboardFormatW(name), kEmptySelection)) return true;
    }
    return false;
}

}  // namespace

bool put_clipboard_text(HWND owner, std::wstring_view text) {
    // Prepared first, so that a failure here leaves the clipboard untouched.
    ScopedGlobal memory = global_copy(text);
    if (!memory) return false;
    const ClipboardSession clipboard(owner);
    return clipboard.is_open() && write_text(memory, &SetClipboardData);
}

ClipboardText get_clipboard_text(HWND owner, std::size_t most_bytes) {
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    // Taken after the data: rendering a promised format may count as a change.
    const DWORD sequence = GetClipboardSequenceNumber();
    if (data == nullptr) return {ClipboardText::Status::no_text, {}, sequence};
    if (GlobalSize(data) > most_bytes) return {ClipboardText::Status::too_large, {}, sequence};
    const LockedGlobal lock(data);
    if (lock.data() == nullptr) return {ClipboardText::Status::no_text, {}, sequence};
    return {ClipboardText::Status::text, std::wstring(held_text(lock, data)), sequence,
            is_line_copy()};
}

Replaced replace_clipboard_text(HWND owner, const ClipboardText& read, std::string_view words,
                                SetData set) {
    ScopedGlobal memory = global_widened(words);
    if (!memory) return Replaced::failed;
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return Replaced::busy;
    // A copy made since the read is the user's newest: it stays.
    if (GetClipboardSequenceNumber() != read.sequence) return Replaced::newer_copy;
    return write_text(memory, set) ? Replaced::written : Replaced::failed;
}

}  // namespace numora::win
