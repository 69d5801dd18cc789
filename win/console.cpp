#include "console.hpp"

#include <algorithm>
#include <cstring>
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

long read_console_utf16(HANDLE console, char* data, std::size_t size) {
    constexpr wchar_t kCtrlZ = 0x1A;
    wchar_t typed[1024];
    const auto want = static_cast<DWORD>(std::min(std::size(typed), size / sizeof typed[0]));
    DWORD got = 0;
    if (!ReadConsoleW(console, typed, want, &got, nullptr)) return -1;
    if (got == 0 || typed[0] == kCtrlZ) return 0;
    std::memcpy(data, typed, got * sizeof typed[0]);
    return static_cast<long>(got * sizeof typed[0]);
}

}  // namespace numora::win
