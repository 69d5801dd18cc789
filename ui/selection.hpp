// Words in place of the selection in the program in front: copied with its
// own Ctrl+C, written in words, offered on the clipboard and pasted with
// Ctrl+V; what the clipboard held goes back once the program has asked for
// the words, and whatever goes wrong, it goes back. Its steps act through
// three small interfaces, so that its rules run against stand-ins as well.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "copied.hpp"
#include "kept_clipboard.hpp"
#include "offered_text.hpp"

namespace numora::ui {

// The keyboard: the chord's own keys, and keys sent to the window in front.
class Keys {
public:
    virtual ~Keys() = default;
    virtual bool chord_down() const = 0;  // any of the chord's keys physically held
    virtual void send_copy() = 0;         // Ctrl+C as one batch
    virtual void send_paste() = 0;        // Ctrl+V as one batch
};

// The clipboard, as the exchange uses it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual DWORD sequence() const = 0;
    // The process whose copy it holds now; 0 when none is known.
    virtual DWORD owner_process() const = 0;
    // Every format it holds, kept to be put back.
    virtual win::Kept keep() = 0;
    virtual win::ClipboardText read() = 0;
    // The words promised in place of the copy, while it is still there;
    // `target` is the process meant to paste them.
    virtual win::Replaced offer(DWORD if_still, std::string_view words, DWORD target) = 0;
    virtual win::Rendered rendered() const = 0;
    // The process holding it open now; 0 when none.
    virtual DWORD opened_by() const = 0;
    // What keep() took, while the sequence number is still `if_still`.
    virtual win::Replaced put_back(DWORD if_still) = 0;
};

// The window in front, and time.
class Desk {
public:
    virtual ~Desk() = default;
    virtual HWND front() const = 0;
    virtual std::wstring class_of(HWND window) const = 0;
    virtual DWORD process_of(HWND window) const = 0;
    // Its program runs with more rights than Numora (as administrator):
    // Windows drops the keys Numora would send it.
    virtual bool above_numora(HWND window) const = 0;
    virtual DWORD now() const = 0;  // milliseconds
    // Waits, while other programs' calls into this thread are answered.
    virtual void pause(DWORD ms) = 0;
};

// How long each wait of the exchange may last, in milliseconds.
inline constexpr DWORD kKeysUpMs = 2000;
inline constexpr DWORD kCopyMs = 2000;
// A copy later than kCopyMs is the program's answering too late: what the
// clipboard held is kept this much longer, to go back over it.
inline constexpr DWORD kLateCopyMs = 2000;
// The program's ask for the words; after it, the time it may take to read
// them (it may ask for other formats, made from them).
inline constexpr DWORD kPasteMs = 5000;
inline constexpr DWORD kSettleMs = 150;
// A busy clipboard is tried again this long to put back what it held.
inline constexpr DWORD kPutBackMs = 5000;

// How an exchange ended.
enum class Selection {
    replaced,          // the words stand in place of the selection
    own_window,        // Numora's window in front: nothing sent
    terminal,          // Ctrl+C would interrupt there: nothing sent
    above_numora,      // a program run as administrator: nothing sent
    keys_held,         // the chord's keys were not let go: nothing sent
    cannot_keep,       // the clipboard holds data that could not come back: nothing sent
    too_big_to_keep,   // or more than kMostClipboardBytes of it: nothing sent
    busy,              // the clipboard could not be had or written
    nothing_selected,  // the copy brought no text, or none an amount, or a line
    too_much,          // the selection is past what a press converts
    refused,           // a cell refused: the clipboard is put back
    late_copy,         // the program copied after kCopyMs: nothing pasted
    front_changed,     // another window came to the front: nothing pasted
    newer_copy,        // something else was copied meanwhile: it stays
    not_pasted,        // no paste asked for the words within kPasteMs
    unconfirmed,       // another program had the words first: a paste is not known
};

struct SelectionResult {
    Selection ends = Selection::own_window;
    // What the clipboard held could not be put back: it is lost.
    bool not_put_back = false;
    HWND front = nullptr;  // the window the user was in
    Converted converted;   // the words, or why the selection was refused
};

// The exchange, start to end, for Numora's window `own`.
SelectionResult replace_selection(Keys& keys, Clipboard& clipboard, Desk& desk, HWND own,
                                  const Separators& separators, const Style& style);

// The words with what the selection had around them, so that the text
// around stays as it was: its last line end, and the blanks (spaces and
// no-break spaces) at either end that the engine does not keep as a blank cell.
std::string in_place_of(std::string_view selected, std::string_view words);

// Where Ctrl+C interrupts what runs: consoles and terminals, by window class.
bool is_terminal(std::wstring_view window_class);

}  // namespace numora::ui
