// Words offered on the clipboard and written there only when a program asks
// for them: the ask shows who pastes, so that what the clipboard held goes
// back once the program meant to have the words has had them.
#pragma once

#include <windows.h>

#include <string_view>

#include "clipboard.hpp"
#include "clipboard_parts.hpp"

namespace numora::win {

// Who has had the words: the program they were meant for (its process holds
// the clipboard open as it asks), or another (a clipboard manager); and the
// clipboard's sequence number once they were written, a change of Numora's own.
struct Rendered {
    bool to_target = false;
    bool to_other = false;
    DWORD sequence = 0;
};

class OfferedText {
public:
    // The words in place of the clipboard's data, as a promise (CF_UNICODETEXT
    // with no data yet) marked out of clipboard histories, only while the
    // sequence number is still `if_still`. `target` is the process meant to paste.
    Replaced offer(HWND owner, DWORD if_still, std::string_view words, DWORD target);
    // The clipboard's messages to its owner's window about the promise:
    // render it (WM_RENDERFORMAT, WM_RENDERALLFORMATS when Numora ends with
    // it still there), or forget it (WM_DESTROYCLIPBOARD: the clipboard is
    // someone else's now). False for any other message.
    bool answers(HWND owner, UINT message, WPARAM format);
    const Rendered& rendered() const { return rendered_; }

private:
    void render();
    void render_all(HWND owner);

    ScopedGlobal words_;  // UTF-16, until the clipboard takes it
    DWORD target_ = 0;
    Rendered rendered_;
};

}  // namespace numora::win
