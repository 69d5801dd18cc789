// The dialog that changes the hotkey: the standard hotkey control, a way to
// turn the hotkey off, OK and Cancel.
#pragma once

#include <windows.h>

#include "settings.hpp"

namespace numora::ui {

// Sent to the dialog's owner with a const win::Chord* in lParam: take it as
// the hotkey; TRUE when it could, FALSE when another program holds it.
inline constexpr UINT kTakeHotkey = WM_APP + 1;

// Shows the dialog over `owner` with the chord in force. A chord the hotkey
// cannot have, or one that another program holds, is refused in the dialog
// with the reason, and the dialog stays open.
void change_hotkey(HINSTANCE instance, HWND owner, win::Chord current);

}  // namespace numora::ui
