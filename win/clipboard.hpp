// Text on the clipboard, as CF_UNICODETEXT, both ways.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace numora::win {

// Another program may hold the clipboard for a moment: opening is retried for
// about half a second. False when the clipboard could not be had or written;
// the clipboard is then as it was, or emptied if writing failed after that.
bool put_clipboard_text(HWND owner, std::wstring_view text);

struct ClipboardText {
    enum class Status { text, no_text, busy };
    Status status = Status::busy;
    std::wstring text;  // what it holds, for Status::text
};

// The clipboard's text. Opening is retried as for putting text there.
ClipboardText get_clipboard_text(HWND owner);

}  // namespace numora::win
