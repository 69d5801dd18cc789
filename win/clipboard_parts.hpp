// What the clipboard's text, kept data and promised words are made of: a
// session that waits its turn, global memory filled and handed over, and the
// markers that keep passing data out of clipboard histories.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>

#include "scoped_win.hpp"

namespace numora::win {

// Another program may hold the clipboard for a moment: opening is retried
// for about half a second.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner);
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession();
    bool is_open() const { return open_; }

private:
    bool open_ = false;
};

// UTF-16 with its terminating null in moveable memory; empty when it could not be had.
ScopedGlobal global_copy(std::wstring_view text);
// UTF-8 widened into the memory itself: no whole copy on the way.
ScopedGlobal global_widened(std::string_view utf8);
// A copy of memory another program owns, bounded by its block's size.
ScopedGlobal global_duplicate(HANDLE data);

// The clipboard's text as it is held, bounded by its block's size: another
// program's data may lack its terminating null.
std::wstring_view held_text(const LockedGlobal& lock, HANDLE data);

// Hands memory to the open clipboard, which then owns it.
using SetData = HANDLE(WINAPI*)(UINT format, HANDLE data);
bool hand_over(UINT format, ScopedGlobal& data, SetData set = &SetClipboardData);

// The formats that keep data out of Windows' clipboard history and cloud
// sync, and out of clipboard managers that honour the documented marker.
std::span<const UINT> privacy_formats();
// Sets each of them on the open clipboard, but those in `already` (the
// user's own, put back with their copy).
void mark_private(std::span<const UINT> already = {});

}  // namespace numora::win
