#include "selection.hpp"

#include <array>
#include <optional>

#include "win_text.hpp"

namespace numora::ui {
namespace {

constexpr DWORD kPollMs = 5;
constexpr DWORD kRetryMs = 50;

// Window classes where Ctrl+C interrupts what runs instead of copying.
constexpr std::array<std::wstring_view, 9> kTerminalClasses{
    L"ConsoleWindowClass",             // the console host: cmd, PowerShell
    L"CASCADIA_HOSTING_WINDOW_CLASS",  // Windows Terminal
    L"PuTTY",
    L"KiTTY",
    L"mintty",               // Git Bash, Cygwin, MSYS2
    L"VirtualConsoleClass",  // ConEmu, Cmder
    L"TMobaXtermForm",       // MobaXterm
    L"org.wezfurlong.wezterm",
    L"Alacritty",
};

// Pauses until `done` holds or `limit` ms pass; true when it held.
template <typename Done>
bool wait_for(Desk& desk, DWORD limit, Done done) {
    const DWORD start = desk.now();
    while (!done()) {
        if (desk.now() - start >= limit) return false;
        desk.pause(kPollMs);
    }
    return true;
}

// The blanks a document keeps at a selection's edge: spaces, and the
// no-break spaces that group digits (U+00A0, U+202F), in UTF-8.
constexpr std::array<std::string_view, 3> kEdgeBlanks{" ", "\xC2\xA0", "\xE2\x80\xAF"};

std::size_t leading_blanks(std::string_view text) {
    std::size_t at = 0;
    for (bool more = true; more;) {
        more = false;
        for (const auto blank : kEdgeBlanks) {
            if (text.substr(at).starts_with(blank)) {
                at += blank.size();
                more = true;
            }
        }
    }
    return at;
}

std::size_t trailing_blanks(std::string_view text) {
    std::size_t size = text.size();
    for (bool more = true; more;) {
        more = false;
        for (const auto blank : kEdgeBlanks) {
            if (text.substr(0, size).ends_with(blank)) {
                size -= blank.size();
                more = true;
            }
        }
    }
    return text.size() - size;
}

// One exchange's steps; from its copy on, what the clipboard held is kept,
// and give_back() puts it back over whatever the exchange left there.
class Exchange {
public:
    Exchange(Keys& keys, Clipboard& clipboard, Desk& desk, HWND front)
        : keys_(keys), clipboard_(clipboard), desk_(desk), front_(front) {}

    // Why nothing may be sent, if anything says so.
    std::optional<Selection> refused_before_copy(HWND own) {
        if (front_ == own) return Selection::own_window;
        if (is_terminal(desk_.class_of(front_))) return Selection::terminal;
        if (desk_.above_numora(front_)) return Selection::above_numora;
        // Ctrl+C sent while Shift is held is Ctrl+Shift+C; and a key-up sent
        // for the user would leave the key stuck or let it go too soon.
        if (!wait_for(desk_, kKeysUpMs, [&] { return !keys_.chord_down(); })) {
            return Selection::keys_held;
        }
        // The user may have gone elsewhere while the keys were held.
        const HWND now = desk_.front();
        if (now != front_) return Selection::front_changed;
        if (is_terminal(desk_.class_of(now))) return Selection::terminal;
        switch (clipboard_.keep()) {
            case win::Kept::kept:
                return std::nullopt;
            case win::Kept::busy:
                return Selection::busy;
            case win::Kept::cannot_keep:
                return Selection::cannot_keep;
            case win::Kept::too_big:
                return Selection::too_big_to_keep;
        }
        return Selection::busy;
    }

    // Ctrl+C, and its copy: nothing when it came in time. A copy by another
    // program meanwhile is the user's newest: it is the one kept from then on.
    std::optional<Selection> copy() {
        target_ = desk_.process_of(front_);
        DWORD before = clipboard_.sequence();
        keys_.send_copy();
        const DWORD start = desk_.now();
        const auto changed = [&] { return clipboard_.sequence() != before; };
        for (;;) {
            const DWORD waited = desk_.now() - start;
            if (waited >= kCopyMs + kLateCopyMs ||
                !wait_for(desk_, kCopyMs + kLateCopyMs - waited, changed)) {
                return Selection::nothing_selected;
            }
            const DWORD owner = clipboard_.owner_process();
            if (owner == 0 || owner == target_) break;
            before = clipboard_.sequence();
            if (clipboard_.keep() != win::Kept::kept) return lost_newer_copy(start, changed);
        }
        left_ = clipboard_.sequence();
        // Later, the program answered too late: the user may have gone on.
        if (desk_.now() - start > kCopyMs) return Selection::late_copy;
        return std::nullopt;
    }
    // The copy read and written in words, offered, pasted and asked for.
    Selection write(const Separators& separators, const Style& style, Converted& converted) {
        const win::ClipboardText copied = clipboard_.read();
        switch (copied.status) {
            case win::ClipboardText::Status::busy:
                return Selection::busy;
            case win::ClipboardText::Status::too_large:
                return Selection::too_much;
            case win::ClipboardText::Status::no_text:
                return Selection::nothing_selected;
            case win::ClipboardText::Status::text:
                break;
        }
        // A line copied whole, nothing selected: its words would go at the caret.
        if (copied.line_copy) return Selection::nothing_selected;
        const std::string selected = win::to_utf8(copied.text);
        converted = convert_copied(selected, separators, style);
        switch (converted.problem) {
            case Converted::Problem::too_many:
                return Selection::too_much;
            case Converted::Problem::no_amounts:
                return Selection::nothing_selected;
            case Converted::Problem::none:
                break;
        }
        if (!converted.accepted()) return Selection::refused;
        if (desk_.front() != front_) return Selection::front_changed;
        return paste(in_place_of(selected, converted.outcome.text));
    }

    // What the clipboard held, put back over what this exchange left there,
    // tried again while it is busy; false when it could not be.
    bool give_back() {
        if (lost_) return false;
        if (!left_) return true;
        // Rendering the words may have counted as a change: Numora's own.
        if (const DWORD rendered = clipboard_.rendered().sequence; offered_ && rendered != 0) {
            left_ = rendered;
        }
        const DWORD start = desk_.now();
        for (;;) {
            switch (clipboard_.put_back(*left_)) {
                case win::Replaced::written:
                case win::Replaced::newer_copy:  // it stays
                    return true;
                case win::Replaced::failed:
                    return false;
                case win::Replaced::busy:
                    break;
            }
            if (desk_.now() - start >= kPutBackMs) return false;
            desk_.pause(kRetryMs);
        }
    }

private:
    // The newer copy could not be kept: if the program's copy still comes
    // over it, it is lost, and give_back() says so.
    template <typename Changed>
    Selection lost_newer_copy(DWORD start, Changed changed) {
        const DWORD waited = desk_.now() - start;
        lost_ = waited < kCopyMs + kLateCopyMs &&
                wait_for(desk_, kCopyMs + kLateCopyMs - waited, changed);
        return Selection::newer_copy;
    }

    Selection paste(std::string_view words) {
        switch (clipboard_.offer(*left_, words, target_)) {
            case win::Replaced::newer_copy:
                left_.reset();  // the newer copy stays
                return Selection::newer_copy;
            case win::Replaced::busy:
            case win::Replaced::failed:
                return Selection::busy;
            case win::Replaced::written:
                break;
        }
        offered_ = true;
        left_ = clipboard_.sequence();
        if (desk_.front() != front_) return Selection::front_changed;
        keys_.send_paste();
        // The words are the program's once it has asked for them, however late.
        const auto ours = [&] {
            const DWORD now = clipboard_.sequence();
            return now == *left_ || now == clipboard_.rendered().sequence;
        };
        if (!wait_for(desk_, kPasteMs,
                      [&] { return clipboard_.rendered().to_target || !ours(); })) {
            return clipboard_.rendered().to_other ? Selection::unconfirmed : Selection::not_pasted;
        }
        if (!clipboard_.rendered().to_target) return Selection::newer_copy;
        // It reads them while it holds the clipboard open, and may open it again.
        wait_for(desk_, kPasteMs, [&] { return clipboard_.opened_by() != target_; });
        desk_.pause(kSettleMs);
        return Selection::replaced;
    }

    Keys& keys_;
    Clipboard& clipboard_;
    Desk& desk_;
    HWND front_;
    DWORD target_ = 0;           // the front window's process
    std::optional<DWORD> left_;  // the sequence number of what this exchange left there
    bool lost_ = false;          // the user's copy is gone, and cannot come back
    bool offered_ = false;       // the words are promised on the clipboard
};

}  // namespace

bool is_terminal(std::wstring_view window_class) {
    for (const auto terminal : kTerminalClasses) {
        if (window_class == terminal) return true;
    }
    return false;
}

std::string in_place_of(std::string_view selected, std::string_view words) {
    // The engine drops a line end after the last line: here it is the document's.
    std::string_view body = selected;
    std::size_t line_end = body.ends_with("\r\n") ? 2 : 0;
    if (line_end == 0 && (body.ends_with('\n') || body.ends_with('\r'))) line_end = 1;
    body.remove_suffix(line_end);
    // It writes an amount without its blanks, and keeps a blank cell as it was:
    // blanks at either end go back unless they are a cell of their own.
    constexpr std::string_view kCellEnds = "\t\r\n";
    const std::size_t lead = leading_blanks(body);
    const std::size_t trail = trailing_blanks(body);
    std::string text;
    const bool blank = lead == body.size();
    if (!blank && kCellEnds.find(body[lead]) == std::string_view::npos) {
        text = body.substr(0, lead);
    }
    text += words;
    if (!blank && kCellEnds.find(body[body.size() - trail - 1]) == std::string_view::npos) {
        text += body.substr(body.size() - trail);
    }
    text += selected.substr(selected.size() - line_end);
    return text;
}

SelectionResult replace_selection(Keys& keys, Clipboard& clipboard, Desk& desk, HWND own,
                                  const Separators& separators, const Style& style) {
    SelectionResult result;
    result.front = desk.front();
    Exchange exchange(keys, clipboard, desk, result.front);
    if (const auto refused = exchange.refused_before_copy(own)) {
        result.ends = *refused;
        return result;
    }
    const auto copy_failed = exchange.copy();
    result.ends = copy_failed ? *copy_failed : exchange.write(separators, style, result.converted);
    result.not_put_back = !exchange.give_back();
    return result;
}

}  // namespace numora::ui
