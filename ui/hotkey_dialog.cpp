#include "hotkey_dialog.hpp"

#include <commctrl.h>

#include <array>

#include "resource_ids.h"

namespace numora::ui {
namespace {

// Each chord's controls: the hotkey control and its "off" box.
struct ChordControls {
    int chord;
    int off;
};
constexpr std::array<ChordControls, kChordUses> kControls{
    {{IDC_CHORD, IDC_OFF}, {IDC_SELECTION_CHORD, IDC_SELECTION_OFF}}};

// What the dialog knows while it is open: handed over by DialogBoxParam in
// this process, never by a message another program could send.
struct ChoosingChords {
    ChordPair current;
    ChordTaker taker;
    // The last key typed into each control came with Ctrl and Alt: the
    // control may show that as no chord at all.
    std::array<bool, kChordUses> typed_ctrl_alt{};
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
constexpr wchar_t kSame[] = L"Abu deriniai vienodi: pasirinkite skirtingus.";
constexpr wchar_t kNoneTyped[] =
    L"Įveskite derinį arba pažymėkite „Išjungti“. Jei derinys neįsirašo, jį naudoja kita "
    L"programa.";

// The hotkey control's modifier flags and RegisterHotKey's, side by side.
constexpr std::array<std::array<UINT, 2>, 3> kModifiers{{
    {HOTKEYF_CONTROL, MOD_CONTROL},
    {HOTKEYF_ALT, MOD_ALT},
    {HOTKEYF_SHIFT, MOD_SHIFT},
}};

ChoosingChords& state_of(HWND dialog) {
    return *reinterpret_cast<ChoosingChords*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

win::Chord chord_shown(HWND dialog, const ChordControls& controls) {
    const auto shown =
        static_cast<WORD>(SendDlgItemMessageW(dialog, controls.chord, HKM_GETHOTKEY, 0, 0));
    win::Chord chord{0, LOBYTE(shown)};
    for (const auto& [flag, modifier] : kModifiers) {
        if ((HIBYTE(shown) & flag) != 0) chord.modifiers |= modifier;
    }
    return chord;
}

void show_chord(HWND dialog, const ChordControls& controls, win::Chord chord) {
    BYTE flags = 0;
    for (const auto& [flag, modifier] : kModifiers) {
        if ((chord.modifiers & modifier) != 0) flags |= static_cast<BYTE>(flag);
    }
    SendDlgItemMessageW(dialog, controls.chord, HKM_SETHOTKEY, MAKEWORD(chord.key, flags), 0);
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
    bool& typed_ctrl_alt = *reinterpret_cast<bool*>(state);
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && !is_modifier(wParam)) {
        typed_ctrl_alt = key_down(VK_CONTROL) && key_down(VK_MENU);
    }
    if (message == HKM_SETHOTKEY) typed_ctrl_alt = false;
    return DefSubclassProc(control, message, wParam, lParam);
}

bool turned_off(HWND dialog, const ChordControls& controls) {
    return IsDlgButtonChecked(dialog, controls.off) == BST_CHECKED;
}

void OnOff(HWND dialog) {
    for (const ChordControls& controls : kControls) {
        EnableWindow(GetDlgItem(dialog, controls.chord), !turned_off(dialog, controls));
    }
}

void OnInitDialog(HWND dialog, ChoosingChords& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    for (std::size_t i = 0; i < kChordUses; ++i) {
        const ChordControls& controls = kControls[i];
        SetWindowSubclass(GetDlgItem(dialog, controls.chord), &ChordProc, 1,
                          reinterpret_cast<DWORD_PTR>(&state.typed_ctrl_alt[i]));
        const bool off = state.current[i] == win::kNoChord;
        show_chord(dialog, controls, off ? win::Chord{} : state.current[i]);
        CheckDlgButton(dialog, controls.off, off ? BST_CHECKED : BST_UNCHECKED);
    }
    OnOff(dialog);
}

// The chords chosen; kNoChord for one turned off.
ChordPair chords_chosen(HWND dialog) {
    ChordPair chords;
    for (std::size_t i = 0; i < kChordUses; ++i) {
        chords[i] =
            turned_off(dialog, kControls[i]) ? win::kNoChord : chord_shown(dialog, kControls[i]);
    }
    return chords;
}

// Why a chord chosen cannot be one; empty when it can. Only the box turns a
// chord off: no chord typed is refused.
const wchar_t* fault_in(HWND dialog, const ChordPair& chords, std::size_t i,
                        const ChoosingChords& state) {
    if (turned_off(dialog, kControls[i])) return L"";
    if (chords[i].key == 0) {
        return state.typed_ctrl_alt[i] ? reason_for(win::ChordFault::ctrl_and_alt) : kNoneTyped;
    }
    return reason_for(win::fault_of(chords[i]));
}

void refuse(HWND dialog, const ChordControls& controls, const wchar_t* says) {
    SetDlgItemTextW(dialog, IDC_SAYS, says);
    SetFocus(GetDlgItem(dialog, turned_off(dialog, controls) ? controls.off : controls.chord));
}

// The chords chosen, when each may be one, they differ and the owner could take them.
void OnOk(HWND dialog) {
    const ChoosingChords& state = state_of(dialog);
    const ChordPair chords = chords_chosen(dialog);
    for (std::size_t i = 0; i < kChordUses; ++i) {
        const wchar_t* says = fault_in(dialog, chords, i, state);
        if (*says != L'\0') return refuse(dialog, kControls[i], says);
    }
    if (chords[0] == chords[1] && chords[0] != win::kNoChord) {
        return refuse(dialog, kControls[1], kSame);
    }
    const auto held = state.taker.take(state.taker.owner, chords);
    if (!held) {
        EndDialog(dialog, IDOK);
        return;
    }
    refuse(dialog, kControls[static_cast<std::size_t>(*held)], kTaken);
}

INT_PTR CALLBACK HotkeyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            // Once, from DialogBoxParam: a later one is no one's to send.
            if (GetWindowLongPtrW(dialog, DWLP_USER) == 0) {
                OnInitDialog(dialog, *reinterpret_cast<ChoosingChords*>(lParam));
            }
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_OFF || LOWORD(wParam) == IDC_SELECTION_OFF) OnOff(dialog);
            if (LOWORD(wParam) == IDOK) OnOk(dialog);
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        case WM_DESTROY:
            for (const ChordControls& controls : kControls) {
                RemoveWindowSubclass(GetDlgItem(dialog, controls.chord), &ChordProc, 1);
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool change_hotkeys(HINSTANCE instance, HWND owner, const ChordPair& current, ChordTaker taker) {
    ChoosingChords state{current, taker};
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HOTKEY), owner, &HotkeyProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace numora::ui
