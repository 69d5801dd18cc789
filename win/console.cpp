#include "console.hpp"

#include <algorithm>
#include <iterator>

namespace numora::win {

bool is_console(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != FALSE;
}

// A program without a console gets 0 for both, and changes nothing.
ConsoleUtf8::ConsoleUtf8() : input_(GetConsoleCP()), output_(GetConsoleOutputCP()) {
    if (input_ != 0) SetConsoleCP(CP_UTF8);
    if (output_ != 0) SetConsoleOutputCP(CP_UTF8);
}

ConsoleUtf8::~ConsoleUtf8() {
    if (input_ != 0) SetConsoleCP(input_);
    if (output_ != 0) SetConsoleOutputCP(output_);
}

long read_console_utf8(HANDLE console, char* data, std::size_t size) {
    constexpr wchar_t kCtrlZ = 0x1A;
    wchar_t typed[1024];
    // Up to three UTF-8 bytes for each UTF-16 unit.
    const auto want = static_cast<DWORD>(std::min(std::size(typed), size / 3));
    DWORD got = 0;
    if (!ReadConsoleW(console, typed, want, &got, nullptr)) return -1;
    if (got == 0 || typed[0] == kCtrlZ) return 0;
    return WideCharToMultiByte(CP_UTF8, 0, typed, static_cast<int>(got), data,
                               static_cast<int>(size), nullptr, nullptr);
}

}  // namespace numora::win
