// What the clipboard held, every format of it, copied into this process to
// be put back once Numora's words have been pasted.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "clipboard.hpp"
#include "clipboard_parts.hpp"

namespace numora::win {

// How taking the clipboard went: all of it kept; the clipboard could not be
// had; it holds data no copy can be made of (a bitmap handle alone, a
// program's own display, a promise its program did not keep, no memory for
// the copy); or more than the bound.
enum class Kept { kept, busy, cannot_keep, too_big };

class KeptClipboard {
public:
    // Every format the clipboard holds that is data, in the order it lists
    // them: all memory formats (text, HTML, RTF, pictures, files, a program's
    // own, the user's privacy markers) and an enhanced metafile. Formats
    // Windows makes from others (ANSI text, bitmaps, old metafiles) are made
    // again from those put back. Anything not kept leaves nothing kept.
    Kept take(HWND owner, std::size_t most_bytes);
    // Puts back what was kept, an empty clipboard as empty, in one session
    // and only while the sequence number is still `if_still`; marked out of
    // clipboard histories, but where the user's copy had its own markers.
    // The clipboard then owns it; busy may be tried again.
    Replaced put_back(HWND owner, DWORD if_still);

private:
    struct Item {
        UINT format = 0;
        ScopedGlobal memory;      // a memory format's bytes
        ScopedMetafile metafile;  // or an enhanced metafile
    };
    void forget();
    Kept keep(UINT format, std::size_t& room);

    std::vector<Item> items_;
};

}  // namespace numora::win
