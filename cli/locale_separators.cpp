#include "locale_separators.hpp"

#ifdef _WIN32
#include "win_text.hpp"
#else
#include <clocale>
#endif

namespace numora::cli {

#ifdef _WIN32

// Windows keeps the user's separators in the user locale, as the window reads them.
LocaleSeparators locale_separators() {
    return win::user_separators();
}

#else

LocaleSeparators locale_separators() {
    LocaleSeparators separators;
    // Only the numeric category is taken from the environment.
    if (std::setlocale(LC_NUMERIC, "") == nullptr) return separators;
    const std::lconv* conv = std::localeconv();
    if (conv->decimal_point != nullptr) separators.decimal = conv->decimal_point;
    if (conv->thousands_sep != nullptr) separators.grouping = conv->thousands_sep;
    (void)std::setlocale(LC_NUMERIC, "C");  // "C" is always there
    return separators;
}

#endif

}  // namespace numora::cli
