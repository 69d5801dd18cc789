// The settings reader over what a registry may hold: each bad value means
// the default, and reading writes nothing.
#include "settings.hpp"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace numora::win {
namespace {

constexpr wchar_t kKey[] = L"Software\\Numora tests";

struct Stored {
    DWORD type;
    const wchar_t* text;  // for REG_SZ
    DWORD number;         // for REG_DWORD
};

void store(const wchar_t* name, const Stored& value) {
    if (value.type == REG_DWORD) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_DWORD, &value.number,
                        sizeof value.number);
    } else {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, value.type, value.text,
                        static_cast<DWORD>((std::wcslen(value.text) + 1) * sizeof(wchar_t)));
    }
}

TEST(Settings, BadValuesMeanTheDefaults) {
    constexpr Stored kNone{REG_NONE, L"", 0};
    constexpr Chord kDefault{};
    struct Case {
        const char* what;
        Stored currency, top_most, form, hotkey;  // type REG_NONE: not stored
        Settings expected;
    };
    // clang-format off
    const Case cases[] = {
        {"all set", {REG_SZ, L"Eur", 0}, {REG_DWORD, L"", 1}, {REG_SZ, L"word", 0}, {REG_SZ, L"Ctrl+Shift+F10", 0}, {&kEuro, true, MoneyForm::word, {MOD_CONTROL | MOD_SHIFT, VK_F10}}},
        {"litas, not on top, no hotkey", {REG_SZ, L"Lt", 0}, {REG_DWORD, L"", 0}, {REG_SZ, L"short", 0}, {REG_SZ, L"", 0}, {&kLitas, false, MoneyForm::mark, kNoChord}},
        {"any letter case", {REG_SZ, L"EUR", 0}, kNone, {REG_SZ, L"FULL", 0}, {REG_SZ, L"alt+pagedown", 0}, {&kEuro, false, MoneyForm::full, {MOD_ALT, VK_NEXT}}},
        {"missing values", kNone, kNone, kNone, kNone, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"unknown text", {REG_SZ, L"Doleriai", 0}, {REG_DWORD, L"", 2}, {REG_SZ, L"words", 0}, {REG_SZ, L"Ctrl+F25", 0}, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"a text too long", {REG_SZ, L"Eur Eur Eur Eur", 0}, kNone, {REG_SZ, L"full full full", 0}, {REG_SZ, L"Ctrl+Shift+F11 Ctrl+Shift+F11 Ctrl", 0}, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"wrong types", {REG_DWORD, L"", 1}, {REG_SZ, L"1", 0}, {REG_DWORD, L"", 2}, {REG_DWORD, L"", 0}, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"expandable text", {REG_EXPAND_SZ, L"Eur", 0}, kNone, {REG_EXPAND_SZ, L"full", 0}, {REG_EXPAND_SZ, L"Alt+F1", 0}, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"Ctrl with Alt", kNone, kNone, kNone, {REG_SZ, L"Ctrl+Alt+F11", 0}, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"a currency's code", {REG_SZ, L"sek", 0}, kNone, kNone, kNone, {currency_called("SEK"), false, MoneyForm::mark, kDefault}},
        {"the kroner's unclear mark", {REG_SZ, L"kr", 0}, kNone, kNone, kNone, {&kLitas, false, MoneyForm::mark, kDefault}},
        {"blanks around the chord", kNone, kNone, kNone, {REG_SZ, L" Alt+F9 ", 0}, {&kLitas, false, MoneyForm::mark, {MOD_ALT, VK_F9}}},
        {"neither Ctrl nor Alt", kNone, kNone, kNone, {REG_SZ, L"Shift+F11", 0}, {&kLitas, false, MoneyForm::mark, kDefault}},
    };
    // clang-format on
    for (const auto& c : cases) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        RegCreateKeyW(HKEY_CURRENT_USER, kKey, nullptr);
        if (c.currency.type != REG_NONE) store(L"Currency", c.currency);
        if (c.top_most.type != REG_NONE) store(L"TopMost", c.top_most);
        if (c.form.type != REG_NONE) store(L"Form", c.form);
        if (c.hotkey.type != REG_NONE) store(L"Hotkey", c.hotkey);
        const Settings settings = read_settings(kKey);
        EXPECT_EQ(settings.currency, c.expected.currency) << c.what;
        EXPECT_EQ(settings.top_most, c.expected.top_most) << c.what;
        EXPECT_EQ(settings.form, c.expected.form) << c.what;
        EXPECT_EQ(name_of(settings.hotkey), name_of(c.expected.hotkey)) << c.what;
        EXPECT_TRUE(settings.hotkey == c.expected.hotkey) << c.what;
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    EXPECT_EQ(read_settings(kKey).currency, &kLitas);  // a missing key
    for (const Currency& currency : kCurrencies) {
        ASSERT_TRUE(write_currency(currency, kKey));
        EXPECT_EQ(read_settings(kKey).currency, &currency) << currency.name();
    }
    // "Su skaičiais" is a switch as TopMost is: on only as 1.
    EXPECT_FALSE(read_settings(kKey).with_digits);
    ASSERT_TRUE(write_with_digits(true, kKey));
    EXPECT_TRUE(read_settings(kKey).with_digits);
    store(L"WithDigits", {REG_DWORD, L"", 2});
    EXPECT_FALSE(read_settings(kKey).with_digits);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

// The selection's chord beside the hotkey's: its own default, off, or never the same.
TEST(Settings, TheSelectionsChordIsNeverTheHotkeys) {
    struct Case {
        const wchar_t* hotkey;     // nullptr: not stored
        const wchar_t* selection;  // nullptr: not stored
        const wchar_t* read_as;
    };
    const Case cases[] = {
        {nullptr, nullptr, L"Ctrl+Shift+F12"}, {nullptr, L"", L""},
        {nullptr, L"alt+f9", L"Alt+F9"},       {nullptr, L"Ctrl+Alt+F12", L"Ctrl+Shift+F12"},
        {L"Ctrl+Shift+F12", nullptr, L""},     {L"", L"", L""},
    };
    for (const auto& c : cases) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        RegCreateKeyW(HKEY_CURRENT_USER, kKey, nullptr);
        if (c.hotkey != nullptr) store(L"Hotkey", {REG_SZ, c.hotkey, 0});
        if (c.selection != nullptr) store(L"SelectionHotkey", {REG_SZ, c.selection, 0});
        EXPECT_EQ(name_of(read_settings(kKey).selection_hotkey), c.read_as)
            << testing::PrintToString(c.selection);
    }
    ASSERT_TRUE(write_selection_hotkey({MOD_ALT, 'Q'}, kKey));
    EXPECT_EQ(name_of(read_settings(kKey).selection_hotkey), L"Alt+Q");
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

// A chord's name as a person or an administrator writes it, and back.
TEST(Settings, ChordsByName) {
    struct Case {
        const wchar_t* name;
        const wchar_t* read_as;  // nullptr: names no chord
        ChordFault fault;
    };
    const Case cases[] = {
        {L"Ctrl+Shift+F11", L"Ctrl+Shift+F11", ChordFault::none},
        {L"shift+CTRL+f24", L"Ctrl+Shift+F24", ChordFault::none},
        {L"Alt+7", L"Alt+7", ChordFault::none},
        {L"Ctrl+Q", L"Ctrl+Q", ChordFault::none},
        {L"Ctrl+Alt+E", L"Ctrl+Alt+E", ChordFault::ctrl_and_alt},
        {L"F11", L"F11", ChordFault::no_ctrl_or_alt},
        {L"", L"", ChordFault::no_ctrl_or_alt},
        {L"Ctrl+Ctrl+F11", nullptr, ChordFault::none},
        {L"Ctrl+", nullptr, ChordFault::none},
        {L"Ctrl+Shift+F11+", nullptr, ChordFault::none},
        {L"Win+F11", nullptr, ChordFault::none},
        {L"Ctrl+F0", nullptr, ChordFault::none},
        {L"Ctrl + F11", nullptr, ChordFault::none},
    };
    for (const auto& c : cases) {
        const auto chord = chord_named(c.name);
        ASSERT_EQ(chord.has_value(), c.read_as != nullptr) << testing::PrintToString(c.name);
        if (!chord) continue;
        EXPECT_EQ(name_of(*chord), c.read_as);
        EXPECT_EQ(fault_of(*chord), c.fault) << testing::PrintToString(c.name);
    }
    EXPECT_EQ(fault_of({MOD_CONTROL, VK_OEM_PLUS}), ChordFault::unnamed_key);
}

}  // namespace
}  // namespace numora::win
