// The settings reader over what a registry may hold: each bad value means
// the default, and reading writes nothing.
#include "settings.hpp"

#include <gtest/gtest.h>

#include <string>

namespace numora::win {
namespace {

constexpr wchar_t kKey[] = L"Software\\Numora tests";

struct Stored {
    DWORD type;
    std::wstring text;  // for REG_SZ
    DWORD number;       // for REG_DWORD
};

void store(const wchar_t* name, const Stored& value) {
    if (value.type == REG_DWORD) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_DWORD, &value.number,
                        sizeof value.number);
    } else {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, value.type, value.text.c_str(),
                        static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t)));
    }
}

TEST(Settings, BadValuesMeanTheDefaults) {
    struct Case {
        const char* what;
        Stored currency, top_most, form;  // type REG_NONE: not stored
        Settings expected;
    };
    // clang-format off
    const Case cases[] = {
        {"both set", {REG_SZ, L"Eur", 0}, {REG_DWORD, L"", 1}, {REG_SZ, L"word", 0}, {true, true, MoneyForm::word}},
        {"litas, not on top", {REG_SZ, L"Lt", 0}, {REG_DWORD, L"", 0}, {REG_SZ, L"short", 0}, {false, false}},
        {"any letter case", {REG_SZ, L"EUR", 0}, {REG_NONE, L"", 0}, {REG_SZ, L"FULL", 0}, {true, false, MoneyForm::full}},
        {"missing values", {REG_NONE, L"", 0}, {REG_NONE, L"", 0}, {REG_NONE, L"", 0}, {false, false}},
        {"unknown text", {REG_SZ, L"Doleriai", 0}, {REG_DWORD, L"", 2}, {REG_SZ, L"words", 0}, {false, false}},
        {"a text too long", {REG_SZ, L"Eur Eur Eur Eur", 0}, {REG_NONE, L"", 0}, {REG_SZ, L"full full full", 0}, {false, false}},
        {"wrong types", {REG_DWORD, L"", 1}, {REG_SZ, L"1", 0}, {REG_DWORD, L"", 2}, {false, false}},
        {"expandable text", {REG_EXPAND_SZ, L"Eur", 0}, {REG_NONE, L"", 0}, {REG_EXPAND_SZ, L"full", 0}, {false, false}},
    };
    // clang-format on
    for (const auto& c : cases) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        RegCreateKeyW(HKEY_CURRENT_USER, kKey, nullptr);
        if (c.currency.type != REG_NONE) store(L"Currency", c.currency);
        if (c.top_most.type != REG_NONE) store(L"TopMost", c.top_most);
        if (c.form.type != REG_NONE) store(L"Form", c.form);
        const Settings settings = read_settings(kKey);
        EXPECT_EQ(settings.euro, c.expected.euro) << c.what;
        EXPECT_EQ(settings.top_most, c.expected.top_most) << c.what;
        EXPECT_EQ(settings.form, c.expected.form) << c.what;
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    EXPECT_FALSE(read_settings(kKey).euro);  // a missing key
}

}  // namespace
}  // namespace numora::win
