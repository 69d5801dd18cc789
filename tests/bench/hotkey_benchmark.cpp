// Time from the hotkey to the words on the clipboard, in the release under
// Wine: one amount, and a column of 10 000. Each run copies its amounts anew,
// presses Ctrl+Shift+F11 and waits until the clipboard changes. Then the
// bounds: 100 000 and 1 000 000 cells of nine digits, with the program's
// peak memory, and the refusal of a cell of 5 000 000 digits.
// With "selection", the selection's chord instead: time from its key-up to
// the words in place of one amount, and of a block of 1 000, selected in a
// text box of the benchmark's own; and from the words in place to the
// clipboard's text back.
// Usage: numora_hotkey_benchmark [selection] [RUNS]   (NUMORA_EXE: the program to drive)
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "driver.hpp"
#include "win_text.hpp"

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

// Milliseconds from Ctrl+Shift+F12's key-up to the words in the text box,
// its text selected from `from` on; and from there until the clipboard has
// its text back, which waits for the text box's paste to have the words.
struct InPlace {
    double words = -1;
    double back = -1;
};

InPlace time_in_place(const Editor& editor, const std::wstring& selected, int from = 0) {
    set_clipboard_text(L"Kita kopija");
    editor.show(selected, from, static_cast<int>(selected.size()));
    const auto start = Clock::now();
    press({VK_CONTROL, VK_SHIFT, VK_F12});  // down and up in one batch
    // The length alone, polled: reading the whole text this often would keep
    // the text box's thread from the keys it is sent.
    while (GetWindowTextLengthW(editor.text_box()) == static_cast<int>(selected.size())) {
        if (Clock::now() - start > 10s) return {};
        Sleep(1);
    }
    const auto pasted = Clock::now();
    const DWORD words = GetClipboardSequenceNumber();
    while (GetClipboardSequenceNumber() == words || clipboard_text() != L"Kita kopija") {
        if (Clock::now() - pasted > 10s) return {};
        Sleep(1);
    }
    using Ms = std::chrono::duration<double, std::milli>;
    return {Ms(pasted - start).count(), Ms(Clock::now() - pasted).count()};
}

// Milliseconds the text box itself takes to put these words in place of the
// same selection: the floor under the chord's time, whatever Numora does.
double time_to_insert(const Editor& editor, const std::wstring& selected, int from) {
    editor.show(selected, from, static_cast<int>(selected.size()));
    const std::wstring words = numora::win::to_wide(
        "Vienas šimtas milijonų septyni tūkstančiai devyni šimtai devyniolika Lt 25 ct");
    std::wstring all;
    for (auto i = std::count(selected.begin(), selected.end(), L'\n'); i > 0; --i) {
        all += words + L"\r\n";
    }
    const auto start = Clock::now();
    SendMessageW(editor.text_box(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(all.c_str()));
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The figures of one kind of press; false when one failed.
bool print(const char* what, const std::vector<double>& times) {
    const int runs = static_cast<int>(times.size());
    if (*std::min_element(times.begin(), times.end()) < 0) {
        std::fprintf(stderr, "hotkey benchmark: %s took no effect\n", what);
        return false;
    }
    std::printf("%s: median %.1f ms, fastest %.1f ms, slowest %.1f ms (%d runs)\n", what,
                median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), runs);
    return true;
}

// The same over `runs` runs of `time`.
template <typename Time>
bool report(const char* what, int runs, Time time) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) times.push_back(time(run));
    return print(what, times);
}

bool report_selection(int runs) {
    const Editor editor;
    std::vector<double> back;
    const auto in_place = [&](const std::wstring& selected, int from) {
        const InPlace times = time_in_place(editor, selected, from);
        back.push_back(times.back);
        return times.words;
    };
    return report("selection's chord to words in place,     1 amount ", runs,
                  [&](int run) { return in_place(L"Iš viso " + column(1, run), 8); }) &&
           print("words in place to the clipboard back,    1 amount ", std::exchange(back, {})) &&
           report("selection's chord to words in place,  1000 amounts", runs,
                  [&](int run) { return in_place(column(1000, run), 0); }) &&
           print("words in place to the clipboard back, 1000 amounts", back) &&
           report("the text box alone, inserting 1000 amounts' words", runs,
                  [&](int run) { return time_to_insert(editor, column(1000, run), 0); });
}

bool report_hotkey(const App& app, int runs) {
    return report("hotkey to clipboard,     1 amount ", runs,
                  [](int run) { return time_to_words(column(1, run)); }) &&
           report("hotkey to clipboard, 10000 amounts", runs,
                  [](int run) { return time_to_words(column(10'000, run)); }) &&
           report_bounds(app);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool selection = argc > 1 && std::wstring(argv[1]) == L"selection";
    const int first = selection ? 2 : 1;
    const int runs = argc > first ? std::max(1, _wtoi(argv[first])) : 11;
    try {
        const App app;
        return (selection ? report_selection(runs) : report_hotkey(app, runs)) ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "hotkey benchmark: %s\n", failure.what());
        return 1;
    }
}
