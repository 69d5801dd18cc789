// Time from the hotkey to the words on the clipboard, in the release under
// Wine: one amount, and a column of 10 000. Each run copies its amounts anew,
// presses Ctrl+Shift+F11 and waits until the clipboard changes.
// Usage: numora_hotkey_benchmark [RUNS]   (NUMORA_EXE: the program to drive)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <string>
#include <vector>

#include "driver.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using namespace numora::e2e;

std::wstring column(int amounts, int run) {
    std::wstring text;
    for (int i = 0; i < amounts; ++i) {
        text += std::to_wstring(100'000'000 + (i * 7919 + run) % 900'000'000) + L".25\r\n";
    }
    return text;
}

// Milliseconds from the key press to the words on the clipboard.
double time_to_words(const std::wstring& copied) {
    set_clipboard_text(copied);
    const DWORD before = GetClipboardSequenceNumber();
    const auto start = Clock::now();
    press({VK_CONTROL, VK_SHIFT, VK_F11});
    // Polled at the finest step Sleep gives: the driver's waits are too coarse here.
    while (GetClipboardSequenceNumber() == before) {
        if (Clock::now() - start > 10000ms) return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 11;
    try {
        const App app;
        for (const int amounts : {1, 10'000}) {
            std::vector<double> times;
            for (int run = 0; run < runs; ++run)
                times.push_back(time_to_words(column(amounts, run)));
            if (*std::min_element(times.begin(), times.end()) < 0) {
                std::fprintf(stderr, "hotkey benchmark: the clipboard did not change\n");
                return 1;
            }
            std::printf(
                "hotkey to clipboard, %5d amount%s: median %.1f ms, fastest %.1f ms, slowest %.1f "
                "ms (%d runs)\n",
                amounts, amounts == 1 ? " " : "s", median(times),
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), runs);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "hotkey benchmark: %s\n", failure.what());
        return 1;
    }
    return 0;
}
