#include "copied.hpp"

#include "clipboard.hpp"
#include "win_text.hpp"

namespace numora::ui {

Converted convert_copied(std::string_view copied, const Separators& separators,
                         const Style& style) {
    Converted converted;
    // Counted first: a block too large for memory is refused at once.
    if (cells_in(copied) > kMostCells) {
        converted.problem = Converted::Problem::too_many;
        return converted;
    }
    converted.outcome = request_block(copied, separators, style);
    if (converted.outcome.refusal == Refusal::none && converted.outcome.amounts == 0) {
        converted.problem = Converted::Problem::no_amounts;
    }
    return converted;
}

Copied replace_copied(HWND owner, std::optional<DWORD>& written, const Separators& separators,
                      const Style& style, Converted& converted) {
    // A held chord repeats: while the words are still there, there is nothing to do.
    if (written && GetClipboardSequenceNumber() == *written) return Copied::own_words;
    auto clipboard = win::get_clipboard_text(owner, kMostClipboardBytes);
    switch (clipboard.status) {
        case win::ClipboardText::Status::busy:
            return Copied::busy;
        case win::ClipboardText::Status::no_text:
            return Copied::no_text;
        case win::ClipboardText::Status::too_large:
            return Copied::too_large;
        case win::ClipboardText::Status::text:
            break;
    }
    const std::string copied = win::to_utf8(clipboard.text);
    std::wstring().swap(clipboard.text);  // the words need the room
    converted = convert_copied(copied, separators, style);
    if (!converted.accepted()) return Copied::refused;
    switch (win::replace_clipboard_text(owner, clipboard, converted.outcome.text)) {
        case win::Replaced::newer_copy:
            return Copied::newer_copy;
        case win::Replaced::busy:
        case win::Replaced::failed:
            return Copied::failed;
        case win::Replaced::written:
            break;
    }
    written = GetClipboardSequenceNumber();
    return Copied::written;
}

}  // namespace numora::ui
