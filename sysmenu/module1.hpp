// The "Apie..." command in the window's system menu, answered by a window
// procedure put over the window's own.
#pragma once

#include <windows.h>

namespace Module1 {

// The system-menu command that shows the About box.
inline constexpr int kAboutCommand = 999;
// The two settings' check items; their commands go on to the window.
inline constexpr int kEuroCommand = 1000;
inline constexpr int kTopMostCommand = 1001;

// The procedure WindowProc replaced; every message but the command goes there.
extern WNDPROC prevWndProc;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Before the window is first shown: the settings' items, checked as they are
// set, then "Apie...".
void extend_system_menu(HWND hwnd, bool euro, bool top_most);
// Shows a settings item's check mark, or takes it away.
void show_checked(HWND hwnd, int command, bool checked);
// After it is shown, and at unload.
void install(HWND hwnd);
void remove(HWND hwnd);

}  // namespace Module1
