#include "win_text.hpp"

#include <iterator>

namespace numora::win {

std::string to_utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

namespace {

std::wstring widened(std::string_view text, UINT code_page) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), n);
    return wide;
}

}  // namespace

std::wstring to_wide(std::string_view text) {
    return widened(text, CP_UTF8);
}

bool is_utf8(std::string_view text) {
    return text.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0) > 0;
}

std::string ansi_to_utf8(std::string_view text) {
    return to_utf8(widened(text, CP_ACP));
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    // The length may be an overestimate; the copy tells the real one.
    const int n = GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

namespace {

std::string user_locale_text(LCTYPE type) {
    wchar_t buffer[8] = {};  // a locale's separators are at most four characters
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer,
                                  static_cast<int>(std::size(buffer)));
    return n > 1 ? to_utf8(std::wstring_view(buffer, static_cast<std::size_t>(n - 1))) : "";
}

}  // namespace

LocaleSeparators user_separators() {
    return {user_locale_text(LOCALE_SDECIMAL), user_locale_text(LOCALE_STHOUSAND)};
}

}  // namespace numora::win
