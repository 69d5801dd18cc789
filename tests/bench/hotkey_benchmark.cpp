// Time from the hotkey to the words on the clipboard, in the release under
// Wine: one amount, and a column of 10 000. Each run copies its amounts anew,
// presses Ctrl+Shift+F11 and waits until the clipboard changes. Then the
// bounds: 100 000 and 1 000 000 cells of nine digits, with the program's
// peak memory, and the refusal of a cell of 5 000 000 digits.
// Usage: numora_hotkey_benchmark [RUNS]   (NUMORA_EXE: the program to drive)
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <optional>
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
double time_to_words(const std::wstring& copied, Duration limit = 10000ms) {
    set_clipboard_text(copied);
    const DWORD before = GetClipboardSequenceNumber();
    const auto start = Clock::now();
    press({VK_CONTROL, VK_SHIFT, VK_F11});
    // Polled at the finest step Sleep gives: the driver's waits are too coarse here.
    while (GetClipboardSequenceNumber() == before) {
        if (Clock::now() - start > limit) return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Milliseconds from the key press to the refusal's box, which is then closed.
double time_to_refusal(const App& app, const std::wstring& copied) {
    set_clipboard_text(copied);
    const auto start = Clock::now();
    press({VK_CONTROL, VK_SHIFT, VK_F11});
    std::optional<MessageBoxSeen> box;
    while (!(box = find_message_box(app)).has_value()) {
        if (Clock::now() - start > 60000ms) return -1;
        Sleep(1);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    close_message_box(*box);
    return ms;
}

double megabytes(std::size_t bytes) {
    return static_cast<double>(bytes) / (1 << 20);
}

// The largest blocks: each time, and the program's peak memory so far.
bool report_bounds(const App& app) {
    for (const int cells : {100'000, 1'000'000}) {
        std::wstring copied;
        for (int i = 0; i < cells; ++i) copied += L"777777777\r\n";
        const double ms = time_to_words(copied, 120000ms);
        if (ms < 0) return false;
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(app.process(), &memory, sizeof memory);
        std::printf(
            "hotkey to clipboard, %7d cells: %.0f ms; peak memory since start: %.0f MB "
            "committed, %.0f MB working set\n",
            cells, ms, megabytes(memory.PeakPagefileUsage), megabytes(memory.PeakWorkingSetSize));
        set_clipboard_text(L"");  // the next copy need not wait for these words' export
    }
    const double refused = time_to_refusal(app, std::wstring(5'000'000, L'7'));
    std::printf("hotkey to refusal, a cell of 5 000 000 digits: %.0f ms\n", refused);
    return refused >= 0;
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
        if (!report_bounds(app)) {
            std::fprintf(stderr, "hotkey benchmark: the largest blocks were not answered\n");
            return 1;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "hotkey benchmark: %s\n", failure.what());
        return 1;
    }
    return 0;
}
