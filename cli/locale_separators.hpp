// The decimal and grouping separators of the environment's locale, UTF-8.
#pragma once

#include <string>

namespace numora::cli {

struct LocaleSeparators {
    std::string decimal = ".";
    std::string grouping;
};

LocaleSeparators locale_separators();

}  // namespace numora::cli
