// Words in place of the selection in the program in front: copied with its
// own Ctrl+C, written in words, pasted back with Ctrl+V, and the clipboard
// then given back what it held. Its steps act through three small
// interfaces, so that its rules run against stand-ins as well.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "clipboard.hpp"
#include "copied.hpp"

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
    virtual bool keep() = 0;  // what it holds now, kept to be put back; false when busy
    virtual win::ClipboardText read() = 0;
    // Words in place of the text read, kept out of the clipboard's history.
    virtual win::Replaced write(const win::ClipboardText& read, std::string_view words) = 0;
    // What keep() took, while the sequence number is still `if_still`.
    virtual win::Replaced put_back(DWORD if_still) = 0;
};

// The window in front, and time.
class Desk {
public:
    virtual ~Desk() = default;
    virtual HWND front() const = 0;
    virtual std::wstring class_of(HWND window) const = 0;
    virtual DWORD now() const = 0;  // milliseconds
    // Waits, while other programs' calls into this thread are answered.
    virtual void pause(DWORD ms) = 0;
};

// How long each wait of the exchange may last, in milliseconds. The paste
// is given time to be read before the clipboard's old data is put back.
inline constexpr DWORD kKeysUpMs = 2000;
inline constexpr DWORD kCopyMs = 2000;
inline constexpr DWORD kPastedMs = 500;

// How an exchange ended.
enum class Selection {
    replaced,          // the words stand in place of the selection
    own_window,        // Numora's window in front: nothing sent
    console,           // Ctrl+C would interrupt there: nothing sent
    keys_held,         // the chord's keys were not let go: nothing sent
    busy,              // the clipboard could not be had or written
    nothing_selected,  // the copy brought no text, or none an amount
    refused,           // a cell refused, or too many: the clipboard is put back
    front_changed,     // nothing pasted; the clipboard is put back
    newer_copy,        // something else was copied meanwhile: it stays
};

// The exchange, start to end, for Numora's window `own`; `converted` gets
// the words, or why the selection was refused.
Selection replace_selection(Keys& keys, Clipboard& clipboard, Desk& desk, HWND own,
                            const Separators& separators, const Style& style, Converted& converted);

// The words with what the selection had around them, so that the text
// around stays as it was: its last line end, and the blanks at either end
// that the engine does not keep as a blank cell.
std::string in_place_of(std::string_view selected, std::string_view words);

}  // namespace numora::ui
