// The decimal and grouping separators of the environment's locale, UTF-8.
#pragma once

#include "parse.hpp"

namespace numora::cli {

LocaleSeparators locale_separators();

}  // namespace numora::cli
