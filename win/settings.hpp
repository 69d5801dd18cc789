// The user's choices that outlive a run, kept per user in the registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "format.hpp"

namespace numora::win {

// HKEY_CURRENT_USER\Software\Numora: "Currency" (REG_SZ "Lt", "Eur" or a
// currency's code, "USD"),
// "TopMost" (REG_DWORD 0 or 1), "Form" (REG_SZ "short", "word" or "full")
// "Hotkey" (REG_SZ "Ctrl+Shift+F11", empty for none), "SelectionHotkey"
// (likewise, "Ctrl+Shift+F12") and "WithDigits" (REG_DWORD 0 or 1). An
// administrator may set them beforehand.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Numora";

// A key chord as RegisterHotKey takes it: MOD_CONTROL, MOD_ALT and MOD_SHIFT,
// and a virtual key; key 0 is no chord at all.
struct Chord {
    UINT modifiers = MOD_CONTROL | MOD_SHIFT;
    UINT key = VK_F11;
    friend bool operator==(const Chord&, const Chord&) = default;
};
inline constexpr Chord kNoChord{0, 0};
// The selection's chord unless the user chose another.
inline constexpr Chord kSelectionChord{MOD_CONTROL | MOD_SHIFT, VK_F12};

// Why a chord cannot be the hotkey: Ctrl with Alt is AltGr on Lithuanian and
// many other keyboards, which types digits, "€" and letters; without Ctrl or
// Alt a chord takes a key from typing; and only keys with a name are kept.
enum class ChordFault { none, ctrl_and_alt, no_ctrl_or_alt, unnamed_key };
ChordFault fault_of(Chord chord);

// The chord a text names, "Ctrl+Shift+F11" in any letter case; kNoChord for
// an empty text; nothing for a text that names no chord.
std::optional<Chord> chord_named(std::wstring_view name);
// The chord's name, as chord_named reads it; empty for kNoChord.
std::wstring name_of(Chord chord);

struct Settings {
    const Currency* currency = &kLitas;        // of amounts typed without a currency mark
    bool top_most = false;                     // the window stays above other windows
    MoneyForm form = MoneyForm::mark;          // how money is written
    Chord hotkey;                              // writes what was copied in words
    Chord selection_hotkey = kSelectionChord;  // writes the selection in words in its place
    bool with_digits = false;                  // the amount's text, then its words in parentheses
};

// A missing key or value, a value of another type, an unknown text (a
// currency Numora does not know among them) or a
// chord that cannot be the hotkey reads as the default: litas, not on top,
// the short form, Ctrl+Shift+F11 and Ctrl+Shift+F12, words alone. A
// selection's chord the same as the hotkey reads as none. Nothing is written.
Settings read_settings(const wchar_t* key = kSettingsKey);

// Each writes its own value only, creating the key if need be; false when
// it could not.
bool write_currency(const Currency& currency, const wchar_t* key = kSettingsKey);
bool write_top_most(bool top_most, const wchar_t* key = kSettingsKey);
bool write_with_digits(bool with_digits, const wchar_t* key = kSettingsKey);
bool write_form(MoneyForm form, const wchar_t* key = kSettingsKey);
bool write_hotkey(Chord hotkey, const wchar_t* key = kSettingsKey);
bool write_selection_hotkey(Chord hotkey, const wchar_t* key = kSettingsKey);

}  // namespace numora::win
