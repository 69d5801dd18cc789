#include "hotkey_dialog.hpp"

#include <commctrl.h>

#include <array>

#include "resource_ids.h"

namespace numora::ui {
namespace {

// What the dialog knows while it is open: handed over by DialogBoxParam in
// this process, never by a message another program could send.
struct ChoosingChord {
    win::Chord current;
    ChordTaker taker;
    // The last key typed into the control came with Ctrl and Alt: the
    // control may show that as no chord at all.
    bool typed_ctrl_alt = false;
};

// A switch, so that a new fault without its reason does not compile.
const wchar_t* reason_for(win::ChordFault fault) {
    switch (fault) {
        case win::ChordFault::none:
            return L"";
        case win::ChordFault::ctrl_and_alt:
            return L"Ctrl su Alt netinka: lietuviškoje ir daugelyje kitų klaviatūrų tai AltGr, "
                   L"kuriuo rašomi skaitmenys, „€“ ir raidės.";
        case win::ChordFault::no_ctrl_or_alt:
            return L"Derinyje turi būti Ctrl arba Alt: kitaip klavišas nebeveiktų rašant.";
        case win::ChordFault::unnamed_key:
            return L"Šio klavišo negalima naudoti: pasirinkite raidę, skaitmenį ar F1–F24.";
    }
    return L"";
}
constexpr wchar_t kTaken[] = L"Šį derinį jau naudoja kita programa: pasirinkite kitą.";
constexpr wchar_t kNoneTyped[] =
    L"Įveskite derinį arba pažymėkite „Išjungti“. Jei derinys neįsirašo, jį naudoja kita "
    L"programa.";

// The hotkey control's modifier flags and RegisterHotKey's, side by side.
constexpr std::array<std::array<UINT, 2>, 3> kModifiers{{
    {HOTKEYF_CONTROL, MOD_CONTROL},
    {HOTKEYF_ALT, MOD_ALT},
    {HOTKEYF_SHIFT, MOD_SHIFT},
}};

ChoosingChord& state_of(HWND dialog) {
    return *reinterpret_cast<ChoosingChord*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

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

bool key_down(int key) {
    return GetKeyState(key) < 0;
}

bool is_modifier(WPARAM key) {
    return key == VK_CONTROL || key == VK_MENU || key == VK_SHIFT || key == VK_LWIN ||
           key == VK_RWIN;
}

// Notes whether the last key typed into the control came with Ctrl and Alt;
// a chord set in the control was not typed.
LRESULT CALLBACK ChordProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR state) {
    bool& typed_ctrl_alt = reinterpret_cast<ChoosingChord*>(state)->typed_ctrl_alt;
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && !is_modifier(wParam)) {
        typed_ctrl_alt = key_down(VK_CONTROL) && key_down(VK_MENU);
    }
    if (message == HKM_SETHOTKEY) typed_ctrl_alt = false;
    return DefSubclassProc(control, message, wParam, lParam);
}

bool turned_off(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_OFF) == BST_CHECKED;
}

void OnOff(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_CHORD), !turned_off(dialog));
}

void OnInitDialog(HWND dialog, ChoosingChord& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    SetWindowSubclass(GetDlgItem(dialog, IDC_CHORD), &ChordProc, 1,
                      reinterpret_cast<DWORD_PTR>(&state));
    const bool off = state.current == win::kNoChord;
    show_chord(dialog, off ? win::Chord{} : state.current);
    CheckDlgButton(dialog, IDC_OFF, off ? BST_CHECKED : BST_UNCHECKED);
    OnOff(dialog);
}

// Why the chord chosen cannot be the hotkey; empty when it can. Only the box
// turns the hotkey off: no chord typed is refused.
const wchar_t* fault_in(HWND dialog, const ChoosingChord& state) {
    if (turned_off(dialog)) return L"";
    const win::Chord chord = chord_shown(dialog);
    if (chord.key == 0) {
        return state.typed_ctrl_alt ? reason_for(win::ChordFault::ctrl_and_alt) : kNoneTyped;
    }
    return reason_for(win::fault_of(chord));
}

// The chord chosen, when the hotkey may have it and the owner could take it.
void OnOk(HWND dialog) {
    const ChoosingChord& state = state_of(dialog);
    const wchar_t* says = fault_in(dialog, state);
    if (*says == L'\0') {
        const win::Chord chord = turned_off(dialog) ? win::kNoChord : chord_shown(dialog);
        if (state.taker.take(state.taker.owner, chord)) {
            EndDialog(dialog, IDOK);
            return;
        }
        says = kTaken;
    }
    SetDlgItemTextW(dialog, IDC_SAYS, says);
    SetFocus(GetDlgItem(dialog, turned_off(dialog) ? IDC_OFF : IDC_CHORD));
}

INT_PTR CALLBACK HotkeyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            // Once, from DialogBoxParam: a later one is no one's to send.
            if (GetWindowLongPtrW(dialog, DWLP_USER) == 0) {
                OnInitDialog(dialog, *reinterpret_cast<ChoosingChord*>(lParam));
            }
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_OFF) OnOff(dialog);
            if (LOWORD(wParam) == IDOK) OnOk(dialog);
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        case WM_DESTROY:
            RemoveWindowSubclass(GetDlgItem(dialog, IDC_CHORD), &ChordProc, 1);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool change_hotkey(HINSTANCE instance, HWND owner, win::Chord current, ChordTaker taker) {
    ChoosingChord state{current, taker};
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HOTKEY), owner, &HotkeyProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace numora::ui
