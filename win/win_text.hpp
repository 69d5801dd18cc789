// Text at the Windows edge: UTF-16 for the API, UTF-8 for the engine.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "parse.hpp"

namespace numora::win {

std::string to_utf8(std::wstring_view text);
std::wstring to_wide(std::string_view text);
std::wstring window_text(HWND window);

// Whether a text is valid UTF-8.
bool is_utf8(std::string_view text);
// A text in the ANSI code page, as UTF-8.
std::string ansi_to_utf8(std::string_view text);

// The user's decimal and grouping separators, UTF-8.
LocaleSeparators user_separators();

}  // namespace numora::win
