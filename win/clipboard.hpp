// Text on the clipboard, as CF_UNICODETEXT, both ways.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clipboard_parts.hpp"

namespace numora::win {

// False when the clipboard could not be had or written; the clipboard is
// then as it was.
bool put_clipboard_text(HWND owner, std::wstring_view text);

struct ClipboardText {
    enum class Status { text, no_text, busy, too_large };
    Status status = Status::busy;
    std::wstring text;   // what it holds, for Status::text
    DWORD sequence = 0;  // the clipboard's sequence number while it was read
    // A code editor's copy of the caret's whole line, nothing being selected
    // (Visual Studio's and Notepad++'s marker, or VS Code's).
    bool line_copy = false;
};

// The clipboard's text; too_large, unread, past `most_bytes` of UTF-16.
// Opening is retried as for putting text there.
ClipboardText get_clipboard_text(HWND owner, std::size_t most_bytes = SIZE_MAX);

// How a replacement went: written; refused because the clipboard changed
// since it was read (a newer copy stays); the clipboard could not be had;
// or the write failed, with the text read put back. Where the data goes
// once the clipboard is emptied is SetClipboardData, or a stand-in that
// fails, to show what a failed write leaves.
enum class Replaced { written, newer_copy, busy, failed };

// Words (UTF-8) in place of the text `read` found, in one session: only while
// the clipboard's sequence number is still the one it was read at. The UTF-16
// is written straight into the clipboard's memory.
Replaced replace_clipboard_text(HWND owner, const ClipboardText& read, std::string_view words,
                                SetData set = &SetClipboardData);

}  // namespace numora::win
