// The dialog that changes the hotkey: the standard hotkey control, a way to
// turn the hotkey off, OK and Cancel.
#pragma once

#include <windows.h>

#include "settings.hpp"

namespace numora::ui {

// Takes a chord as the hotkey: true when it could, false when another
// program holds it. Called from the dialog, in this process.
struct ChordTaker {
    void* owner;
    bool (*take)(void* owner, win::Chord chord);
};

// Shows the dialog over `owner` with the chord in force. A chord the hotkey
// cannot have, none typed, or one that another program holds, is refused in
// the dialog with the reason, and the dialog stays open. True when a chord
// was taken, false when the dialog was cancelled.
bool change_hotkey(HINSTANCE instance, HWND owner, win::Chord current, ChordTaker taker);

}  // namespace numora::ui
