#include "selection.hpp"

#include <array>

#include "win_text.hpp"

namespace numora::ui {
namespace {

constexpr DWORD kPollMs = 5;
// Where Ctrl+C interrupts what runs: the console host and Windows Terminal.
constexpr std::array<std::wstring_view, 2> kConsoleClasses{L"ConsoleWindowClass",
                                                           L"CASCADIA_HOSTING_WINDOW_CLASS"};

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

}  // namespace

std::string in_place_of(std::string_view selected, std::string_view words) {
    // The engine drops a line end after the last line: here it is the document's.
    std::string_view body = selected;
    std::size_t line_end = body.ends_with("\r\n") ? 2 : 0;
    if (line_end == 0 && (body.ends_with('\n') || body.ends_with('\r'))) line_end = 1;
    body.remove_suffix(line_end);
    // It writes an amount without its blanks, and keeps a blank cell as it was:
    // blanks at either end go back unless they are a cell of their own.
    constexpr std::string_view kCellEnds = "\t\r\n";
    const auto first = body.find_first_not_of(' ');
    const auto last = body.find_last_not_of(' ');
    std::string text;
    if (first != std::string_view::npos && kCellEnds.find(body[first]) == std::string_view::npos) {
        text = body.substr(0, first);
    }
    text += words;
    if (last != std::string_view::npos && kCellEnds.find(body[last]) == std::string_view::npos) {
        text += body.substr(last + 1);
    }
    text += selected.substr(selected.size() - line_end);
    return text;
}

Selection replace_selection(Keys& keys, Clipboard& clipboard, Desk& desk, HWND own,
                            const Separators& separators, const Style& style,
                            Converted& converted) {
    const HWND front = desk.front();
    if (front == own) return Selection::own_window;
    for (const auto console : kConsoleClasses) {
        if (desk.class_of(front) == console) return Selection::console;
    }
    // Ctrl+C sent while Shift is held is Ctrl+Shift+C; and a key-up sent for
    // the user would leave the key stuck or let it go too soon.
    if (!wait_for(desk, kKeysUpMs, [&] { return !keys.chord_down(); })) {
        return Selection::keys_held;
    }
    if (!clipboard.keep()) return Selection::busy;
    const DWORD before = clipboard.sequence();
    keys.send_copy();
    if (!wait_for(desk, kCopyMs, [&] { return clipboard.sequence() != before; })) {
        return Selection::nothing_selected;
    }
    // From here on, whatever ends the exchange puts the clipboard back.
    win::ClipboardText copied = clipboard.read();
    DWORD ours = copied.sequence;
    const Selection done = [&] {
        if (copied.status != win::ClipboardText::Status::text) {
            return copied.status == win::ClipboardText::Status::busy ? Selection::busy
                                                                     : Selection::nothing_selected;
        }
        const std::string selected = win::to_utf8(copied.text);
        converted = convert_copied(selected, separators, style);
        if (converted.problem == Converted::Problem::no_amounts) return Selection::nothing_selected;
        if (!converted.accepted()) return Selection::refused;
        if (desk.front() != front) return Selection::front_changed;
        switch (clipboard.write(copied, in_place_of(selected, converted.outcome.text))) {
            case win::Replaced::newer_copy:
                return Selection::newer_copy;
            case win::Replaced::busy:
            case win::Replaced::failed:
                return Selection::busy;
            case win::Replaced::written:
                break;
        }
        ours = clipboard.sequence();
        if (desk.front() != front) return Selection::front_changed;
        keys.send_paste();
        // The target reads the clipboard when it takes the keys: the old
        // data goes back once it has had time to.
        wait_for(desk, kPastedMs, [] { return false; });
        return Selection::replaced;
    }();
    // Only over what this exchange left there: a newer copy stays.
    clipboard.put_back(ours);
    return done;
}

}  // namespace numora::ui
