// Text on the clipboard, as CF_UNICODETEXT, both ways; and what it held,
// kept to be put back.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "scoped_win.hpp"

namespace numora::win {

// Another program may hold the clipboard for a moment: opening is retried for
// about half a second. False when the clipboard could not be had or written;
// the clipboard is then as it was.
bool put_clipboard_text(HWND owner, std::wstring_view text);

struct ClipboardText {
    enum class Status { text, no_text, busy, too_large };
    Status status = Status::busy;
    std::wstring text;   // what it holds, for Status::text
    DWORD sequence = 0;  // the clipboard's sequence number while it was read
};

// The clipboard's text; too_large, unread, past `most_bytes` of UTF-16.
// Opening is retried as for putting text there.
ClipboardText get_clipboard_text(HWND owner, std::size_t most_bytes = SIZE_MAX);

// How a replacement went: written; refused because the clipboard changed
// since it was read (a newer copy stays); the clipboard could not be had;
// or the write failed, with the text read put back.
enum class Replaced { written, newer_copy, busy, failed };

// Where the data goes once the clipboard is emptied: SetClipboardData, or a
// stand-in that fails, to show what a failed write leaves.
using SetData = HANDLE(WINAPI*)(UINT format, HANDLE data);

// Whether Windows may keep the data in its clipboard history and sync it to
// the cloud: words put there only for a moment, and a copy put back, are not.
enum class Listing { listed, unlisted };

// Words (UTF-8) in place of the text `read` found, in one session: only while
// the clipboard's sequence number is still the one it was read at. The UTF-16
// is written straight into the clipboard's memory.
Replaced replace_clipboard_text(HWND owner, const ClipboardText& read, std::string_view words,
                                Listing listing = Listing::listed, SetData set = &SetClipboardData);

// What the clipboard held, copied into this process, to be put back. Only
// data held in memory is asked for: the text exactly; with no text, a
// picture (DIB) or a list of files and its drop effect. Anything else a
// program copied, or only promised to render when asked, is not kept.
class KeptClipboard {
public:
    // False when the clipboard, or data it holds that would be kept, could
    // not be had; nothing is kept then.
    bool take(HWND owner);
    // Puts back what was kept, an empty clipboard as empty, in one session
    // and only while the sequence number is still `if_still`; the clipboard
    // then owns it.
    Replaced put_back(HWND owner, DWORD if_still);

private:
    void forget();

    struct Item {
        UINT format = 0;
        ScopedGlobal data;
    };
    // At most the picture, the files and their drop effect.
    std::array<Item, 3> items_;
    std::size_t count_ = 0;
};

}  // namespace numora::win
