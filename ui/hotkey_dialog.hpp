// The dialog that changes the chords: for each, the standard hotkey control
// and a way to turn it off; OK and Cancel.
#pragma once

#include <windows.h>

#include "chords.hpp"

namespace numora::ui {

// Takes the chords: the use of the one another program holds, in which case
// neither is taken; nothing when both were. Called from the dialog, in this
// process.
struct ChordTaker {
    void* owner;
    std::optional<ChordUse> (*take)(void* owner, const ChordPair& chords);
};

// Shows the dialog over `owner` with the chords in force. A chord that cannot
// be one, none typed, the same chord twice, or one that another program
// holds, is refused in the dialog with the reason, and the dialog stays open.
// True when chords were taken, false when the dialog was cancelled.
bool change_hotkeys(HINSTANCE instance, HWND owner, const ChordPair& current, ChordTaker taker);

}  // namespace numora::ui
