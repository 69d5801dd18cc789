// The user's choices that outlive a run, kept per user in the registry.
#pragma once

#include <windows.h>

#include "format.hpp"

namespace numora::win {

// HKEY_CURRENT_USER\Software\Numora: "Currency" (REG_SZ "Lt" or "Eur"),
// "TopMost" (REG_DWORD 0 or 1) and "Form" (REG_SZ "short", "word" or
// "full"). An administrator may set them beforehand.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Numora";

struct Settings {
    bool euro = false;                 // amounts typed without a currency mark are in euros
    bool top_most = false;             // the window stays above other windows
    MoneyForm form = MoneyForm::mark;  // how money is written
};

// A missing key or value, a value of another type or an unknown text reads
// as the default: litas, not on top, the short form. Nothing is written.
Settings read_settings(const wchar_t* key = kSettingsKey);

// Each writes its own value only, creating the key if need be; false when
// it could not.
bool write_euro(bool euro, const wchar_t* key = kSettingsKey);
bool write_top_most(bool top_most, const wchar_t* key = kSettingsKey);
bool write_form(MoneyForm form, const wchar_t* key = kSettingsKey);

}  // namespace numora::win
