#include "startup.hpp"

#include <vector>

#include "scoped_win.hpp"

namespace numora::win {
namespace {

constexpr wchar_t kTrayArgument[] = L" /tray";

ScopedKey opened(const wchar_t* path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key) != ERROR_SUCCESS) return {};
    return ScopedKey(key);
}

// A value's bytes and type; empty when missing.
std::vector<BYTE> value_of(const wchar_t* path, DWORD& type) {
    const ScopedKey key = opened(path, KEY_QUERY_VALUE);
    DWORD size = 0;
    if (!key ||
        RegQueryValueExW(key.get(), kRunValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<BYTE> data(size);
    if (RegQueryValueExW(key.get(), kRunValue, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    data.resize(size);
    return data;
}

bool same_text(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Task Manager keeps 12 bytes per entry: the first odd when it is turned off.
bool turned_off(const StartupKeys& keys) {
    DWORD type = REG_NONE;
    const std::vector<BYTE> state = value_of(keys.approved, type);
    return type == REG_BINARY && !state.empty() && (state[0] & 1) != 0;
}

bool remove_value(const wchar_t* path) {
    const ScopedKey key = opened(path, KEY_SET_VALUE);
    if (!key) return true;
    const LSTATUS status = RegDeleteValueW(key.get(), kRunValue);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace

std::wstring run_command(std::wstring_view exe) {
    return L"\"" + std::wstring(exe) + L"\"" + kTrayArgument;
}

bool starts_with_windows(std::wstring_view exe, const StartupKeys& keys) {
    DWORD type = REG_NONE;
    const std::vector<BYTE> data = value_of(keys.run, type);
    if (type != REG_SZ || data.size() < sizeof(wchar_t)) return false;
    std::wstring_view command(reinterpret_cast<const wchar_t*>(data.data()),
                              data.size() / sizeof(wchar_t));
    command = command.substr(0, command.find(L'\0'));
    return same_text(command, run_command(exe)) && !turned_off(keys);
}

bool start_with_windows(bool on, std::wstring_view exe, const StartupKeys& keys) {
    if (!on) return remove_value(keys.run);
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keys.run, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const ScopedKey key(created);
    const std::wstring command = run_command(exe);
    return RegSetValueExW(
               key.get(), kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
               static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS &&
           remove_value(keys.approved);
}

std::wstring this_program() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0) return {};
        if (got < path.size()) {
            path.resize(got);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace numora::win
