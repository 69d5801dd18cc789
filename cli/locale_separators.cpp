#include "locale_separators.hpp"

#ifdef _WIN32
#include <windows.h>

#include <iterator>
#else
#include <clocale>
#endif

namespace numora::cli {

#ifdef _WIN32

namespace {

std::string user_locale_text(LCTYPE type) {
    wchar_t buffer[8] = {};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer,
                                  static_cast<int>(std::size(buffer)));
    if (n <= 1) return {};
    char utf8[32] = {};
    const int m = WideCharToMultiByte(CP_UTF8, 0, buffer, n - 1, utf8,
                                      static_cast<int>(std::size(utf8)), nullptr, nullptr);
    return std::string(utf8, m > 0 ? m : 0);
}

}  // namespace

LocaleSeparators locale_separators() {
    LocaleSeparators separators;
    if (auto decimal = user_locale_text(LOCALE_SDECIMAL); !decimal.empty()) {
        separators.decimal = decimal;
    }
    separators.grouping = user_locale_text(LOCALE_STHOUSAND);
    return separators;
}

#else

LocaleSeparators locale_separators() {
    LocaleSeparators separators;
    // Only the numeric category is taken from the environment.
    if (std::setlocale(LC_NUMERIC, "") == nullptr) return separators;
    const std::lconv* conv = std::localeconv();
    if (conv->decimal_point != nullptr && *conv->decimal_point != '\0') {
        separators.decimal = conv->decimal_point;
    }
    if (conv->thousands_sep != nullptr) separators.grouping = conv->thousands_sep;
    std::setlocale(LC_NUMERIC, "C");
    return separators;
}

#endif

}  // namespace numora::cli
