#include "settings.hpp"

#include <string_view>

#include <string>

#include "letter_case.hpp"
#include "scoped_win.hpp"
#include "win_text.hpp"

namespace numora::win {
namespace {

constexpr wchar_t kCurrency[] = L"Currency";
constexpr wchar_t kTopMost[] = L"TopMost";
constexpr wchar_t kForm[] = L"Form";
constexpr wchar_t kEur[] = L"Eur";
constexpr wchar_t kLt[] = L"Lt";

// A value's data, when it has the type asked for and fits the buffer.
bool read_value(HKEY key, const wchar_t* name, DWORD type, void* data, DWORD size) {
    DWORD found = REG_NONE;
    return RegQueryValueExW(key, name, nullptr, &found, static_cast<BYTE*>(data), &size) ==
               ERROR_SUCCESS &&
           found == type;
}

// A short text value, as UTF-8; empty when missing, of another type or too long.
std::string read_text(HKEY key, const wchar_t* name) {
    wchar_t text[8]{};  // zeroed: a stored text may lack its terminating null
    if (!read_value(key, name, REG_SZ, text, sizeof text - sizeof text[0])) return {};
    return to_utf8(text);
}

// "Eur" in any letter case; any other text is no choice of euros.
bool reads_euro(HKEY key) {
    return equals_ignoring_case(read_text(key, kCurrency), "eur");
}

MoneyForm reads_form(HKEY key) {
    return money_form_named(read_text(key, kForm)).value_or(MoneyForm::mark);
}

bool reads_top_most(HKEY key) {
    DWORD value = 0;
    return read_value(key, kTopMost, REG_DWORD, &value, sizeof value) && value == 1;
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

bool write_text(const wchar_t* path, const wchar_t* name, std::wstring_view text) {
    return write_value(path, name, REG_SZ, text.data(),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

Settings read_settings(const wchar_t* path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return {};
    }
    const ScopedKey key(opened);
    return {.euro = reads_euro(key.get()),
            .top_most = reads_top_most(key.get()),
            .form = reads_form(key.get())};
}

bool write_euro(bool euro, const wchar_t* path) {
    return write_text(path, kCurrency, euro ? kEur : kLt);
}

bool write_form(MoneyForm form, const wchar_t* path) {
    return write_text(path, kForm, to_wide(name_of(form)));
}

bool write_top_most(bool top_most, const wchar_t* path) {
    const DWORD value = top_most ? 1 : 0;
    return write_value(path, kTopMost, REG_DWORD, &value, sizeof value);
}

}  // namespace numora::win
