/* Resource numbers shared by numora.rc and the window code. */
#pragma once

#define IDI_NUMORA 1
#define IDB_PICTURE1 101
#define IDR_PICTURE2_GIF 102

/* The dialog that changes the chords, and its controls. */
#define IDD_HOTKEY 201
#define IDC_CHORD 202
#define IDC_OFF 203
#define IDC_SAYS 204
#define IDC_SELECTION_CHORD 205
#define IDC_SELECTION_OFF 206
