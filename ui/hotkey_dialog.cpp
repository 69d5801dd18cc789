#include "hotkey_dialog.hpp"

#include <commctrl.h>

#include <array>

#include "resource_ids.h"

namespace numora::ui {
namespace {

// Why the dialog refuses a chord, by ChordFault; and a chord another holds.
constexpr std::array<const wchar_t*, 4> kFaults{
    L"",
    L"Ctrl su Alt netinka: lietuviškoje ir daugelyje kitų klaviatūrų tai AltGr, kuriuo "
    L"rašomi skaitmenys, „€“ ir raidės.",
    L"Derinyje turi būti Ctrl arba Alt: kitaip klavišas nebeveiktų rašant.",
    L"Šio klavišo negalima naudoti: pasirinkite raidę, skaitmenį ar F1–F24."};
constexpr wchar_t kTaken[] = L"Šį derinį jau naudoja kita programa: pasirinkite kitą.";

// The hotkey control's modifier flags and RegisterHotKey's, side by side.
constexpr std::array<std::array<UINT, 2>, 3> kModifiers{{
    {HOTKEYF_CONTROL, MOD_CONTROL},
    {HOTKEYF_ALT, MOD_ALT},
    {HOTKEYF_SHIFT, MOD_SHIFT},
}};

win::Chord chord_shown(HWND dialog) {
    const auto shown =
        static_cast<WORD>(SendDlgItemMessageW(dialog, IDC_CHORD, HKM_GETHOTKEY, 0, 0));
    win::Chord chord{0, LOBYTE(shown)};
    for (const auto& [flag, modifier] : kModifiers) {
        if ((HIBYTE(shown) & flag) != 0) chord.modifiers |= modifier;
    }
    return chord;
}

void show_chord(HWND dialog, win::Chord chord) {
    BYTE flags = 0;
    for (const auto& [flag, modifier] : kModifiers) {
        if ((chord.modifiers & modifier) != 0) flags |= static_cast<BYTE>(flag);
    }
    SendDlgItemMessageW(dialog, IDC_CHORD, HKM_SETHOTKEY, MAKEWORD(chord.key, flags), 0);
}

bool turned_off(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_OFF) == BST_CHECKED;
}

void OnOff(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_CHORD), !turned_off(dialog));
}

void OnInitDialog(HWND dialog, win::Chord current) {
    const bool off = current == win::kNoChord;
    show_chord(dialog, off ? win::Chord{} : current);
    CheckDlgButton(dialog, IDC_OFF, off ? BST_CHECKED : BST_UNCHECKED);
    OnOff(dialog);
}

// The chord chosen, when the hotkey may have it and the owner could take it.
void OnOk(HWND dialog) {
    const win::Chord chord = turned_off(dialog) ? win::kNoChord : chord_shown(dialog);
    const auto fault = chord == win::kNoChord ? win::ChordFault::none : win::fault_of(chord);
    const wchar_t* says = kFaults[static_cast<std::size_t>(fault)];
    if (fault == win::ChordFault::none && SendMessageW(GetParent(dialog), kTakeHotkey, 0,
                                                       reinterpret_cast<LPARAM>(&chord)) == FALSE) {
        says = kTaken;
    }
    if (*says == L'\0') {
        EndDialog(dialog, IDOK);
        return;
    }
    SetDlgItemTextW(dialog, IDC_SAYS, says);
    SetFocus(GetDlgItem(dialog, turned_off(dialog) ? IDC_OFF : IDC_CHORD));
}

INT_PTR CALLBACK HotkeyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog, *reinterpret_cast<const win::Chord*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_OFF) OnOff(dialog);
            if (LOWORD(wParam) == IDOK) OnOk(dialog);
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void change_hotkey(HINSTANCE instance, HWND owner, win::Chord current) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HOTKEY), owner, &HotkeyProc,
                    reinterpret_cast<LPARAM>(&current));
}

}  // namespace numora::ui
