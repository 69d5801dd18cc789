#include "settings.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "letter_case.hpp"
#include "scoped_win.hpp"
#include "win_text.hpp"

namespace numora::win {
namespace {

constexpr wchar_t kCurrency[] = L"Currency";
constexpr wchar_t kTopMost[] = L"TopMost";
constexpr wchar_t kForm[] = L"Form";
constexpr wchar_t kHotkey[] = L"Hotkey";
constexpr wchar_t kSelectionHotkey[] = L"SelectionHotkey";
constexpr wchar_t kWithDigits[] = L"WithDigits";

// A value's data, when it has the type asked for and fits the buffer.
bool read_value(HKEY key, const wchar_t* name, DWORD type, void* data, DWORD size) {
    DWORD found = REG_NONE;
    return RegQueryValueExW(key, name, nullptr, &found, static_cast<BYTE*>(data), &size) ==
               ERROR_SUCCESS &&
           found == type;
}

// A short text value; nothing when missing, of another type or too long.
std::optional<std::wstring> read_text(HKEY key, const wchar_t* name) {
    wchar_t text[32]{};  // zeroed: a stored text may lack its terminating null
    if (!read_value(key, name, REG_SZ, text, sizeof text - sizeof text[0])) return std::nullopt;
    return text;
}

std::string read_text_utf8(HKEY key, const wchar_t* name) {
    return to_utf8(read_text(key, name).value_or(L""));
}

// A currency's name in any letter case; any other text is the litas.
const Currency* reads_currency(HKEY key) {
    const Currency* currency = currency_called(read_text_utf8(key, kCurrency));
    return currency != nullptr ? currency : &kLitas;
}

MoneyForm reads_form(HKEY key) {
    return money_form_named(read_text_utf8(key, kForm)).value_or(MoneyForm::mark);
}

// Blanks around the name, as an administrator may type it, are no part of it.
std::wstring_view trimmed(std::wstring_view text) {
    constexpr std::wstring_view kBlanks = L" \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

Chord reads_chord(HKEY key, const wchar_t* name, Chord default_chord) {
    const auto text = read_text(key, name);
    const auto chord = text ? chord_named(trimmed(*text)) : std::nullopt;
    const bool usable = chord && (*chord == kNoChord || fault_of(*chord) == ChordFault::none);
    return usable ? *chord : default_chord;
}

// A switch is on only as 1.
bool reads_on(HKEY key, const wchar_t* name) {
    DWORD value = 0;
    return read_value(key, name, REG_DWORD, &value, sizeof value) && value == 1;
}

ScopedKey created(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return {};
    }
    return ScopedKey(key);
}

bool write_value(const wchar_t* path, const wchar_t* name, DWORD type, const void* data,
                 DWORD size) {
    const ScopedKey key = created(path);
    return key && RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), size) ==
                      ERROR_SUCCESS;
}

bool write_switch(const wchar_t* path, const wchar_t* name, bool on) {
    const DWORD value = on ? 1 : 0;
    return write_value(path, name, REG_DWORD, &value, sizeof value);
}

bool write_text(const wchar_t* path, const wchar_t* name, std::wstring_view text) {
    return write_value(path, name, REG_SZ, text.data(),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// The names of the keys a chord may end in, besides letters, digits and
// F1 to F24.
struct KeyName {
    UINT key;
    std::wstring_view name;
};
constexpr std::array<KeyName, 8> kKeyNames{{
    {VK_INSERT, L"Insert"},
    {VK_DELETE, L"Delete"},
    {VK_HOME, L"Home"},
    {VK_END, L"End"},
    {VK_PRIOR, L"PageUp"},
    {VK_NEXT, L"PageDown"},
    {VK_PAUSE, L"Pause"},
    {VK_SPACE, L"Space"},
}};
constexpr std::array<KeyName, 3> kModifierNames{{
    {MOD_CONTROL, L"Ctrl"},
    {MOD_ALT, L"Alt"},
    {MOD_SHIFT, L"Shift"},
}};

bool same_ignoring_case(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring key_name(UINT key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return std::wstring(1, static_cast<wchar_t>(key));
    }
    if (key >= VK_F1 && key <= VK_F24) return L"F" + to_wide(std::to_string(key - VK_F1 + 1));
    for (const auto& [named, name] : kKeyNames) {
        if (named == key) return std::wstring(name);
    }
    return {};
}

std::optional<UINT> key_named(std::wstring_view name) {
    for (UINT key = 1; key <= 0xFE; ++key) {
        const std::wstring known = key_name(key);
        if (!known.empty() && same_ignoring_case(known, name)) return key;
    }
    return std::nullopt;
}

}  // namespace

ChordFault fault_of(Chord chord) {
    const bool ctrl = (chord.modifiers & MOD_CONTROL) != 0;
    const bool alt = (chord.modifiers & MOD_ALT) != 0;
    if (ctrl && alt) return ChordFault::ctrl_and_alt;
    if (!ctrl && !alt) return ChordFault::no_ctrl_or_alt;
    return key_name(chord.key).empty() ? ChordFault::unnamed_key : ChordFault::none;
}

std::wstring name_of(Chord chord) {
    std::wstring name;
    for (const auto& [modifier, modifier_name] : kModifierNames) {
        if ((chord.modifiers & modifier) != 0) name += std::wstring(modifier_name) + L"+";
    }
    return chord == kNoChord ? std::wstring() : name + key_name(chord.key);
}

std::optional<Chord> chord_named(std::wstring_view name) {
    if (name.empty()) return kNoChord;
    Chord chord{0, 0};
    for (std::size_t plus; (plus = name.find(L'+')) != std::wstring_view::npos;) {
        const auto found = std::find_if(
            kModifierNames.begin(), kModifierNames.end(),
            [&](const KeyName& m) { return same_ignoring_case(m.name, name.substr(0, plus)); });
        if (found == kModifierNames.end() || (chord.modifiers & found->key) != 0)
            return std::nullopt;
        chord.modifiers |= found->key;
        name.remove_prefix(plus + 1);
    }
    const auto key = key_named(name);
    if (!key) return std::nullopt;
    chord.key = *key;
    return chord;
}

Settings read_settings(const wchar_t* path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return {};
    }
    const ScopedKey key(opened);
    Settings settings{.currency = reads_currency(key.get()),
                      .top_most = reads_on(key.get(), kTopMost),
                      .form = reads_form(key.get()),
                      .hotkey = reads_chord(key.get(), kHotkey, Settings{}.hotkey),
                      .selection_hotkey = reads_chord(key.get(), kSelectionHotkey, kSelectionChord),
                      .with_digits = reads_on(key.get(), kWithDigits)};
    // One chord cannot do both: the clipboard's keeps it.
    if (settings.selection_hotkey == settings.hotkey) settings.selection_hotkey = kNoChord;
    return settings;
}

bool write_currency(const Currency& currency, const wchar_t* path) {
    return write_text(path, kCurrency, to_wide(currency.name()));
}

bool write_form(MoneyForm form, const wchar_t* path) {
    return write_text(path, kForm, to_wide(name_of(form)));
}

bool write_hotkey(Chord hotkey, const wchar_t* path) {
    return write_text(path, kHotkey, name_of(hotkey));
}

bool write_selection_hotkey(Chord hotkey, const wchar_t* path) {
    return write_text(path, kSelectionHotkey, name_of(hotkey));
}

bool write_top_most(bool top_most, const wchar_t* path) {
    return write_switch(path, kTopMost, top_most);
}

bool write_with_digits(bool with_digits, const wchar_t* path) {
    return write_switch(path, kWithDigits, with_digits);
}

}  // namespace numora::win
