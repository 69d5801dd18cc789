// Puts text on the clipboard as CF_UNICODETEXT.
#pragma once

#include <windows.h>

#include <string_view>

namespace numora::win {

// Another program may hold the clipboard for a moment: opening is retried for
// about half a second. False when the clipboard could not be had or written;
// the clipboard is then as it was, or emptied if writing failed after that.
bool put_clipboard_text(HWND owner, std::wstring_view text);

}  // namespace numora::win
