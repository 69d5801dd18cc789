// One key's event as SendInput takes it, with the scan code a keyboard sends.
#pragma once

#include <windows.h>

namespace numora::win {

inline INPUT key_input(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace numora::win
