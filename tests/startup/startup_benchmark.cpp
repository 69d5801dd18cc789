// Start-up time of numora.exe against an empty window program and against
// the floor of its controls (the same manifest and twelve controls, nothing
// else): each started in turn, timed from CreateProcess to its first visible
// top-level window.
// Usage: startup_benchmark NUMORA.exe EMPTY.exe FLOOR.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Search {
    DWORD process;
    bool found;
};

// A named CALLBACK: on 32-bit Windows a lambda would have the wrong calling convention.
BOOL CALLBACK find_visible(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) search->found = true;
    return !search->found;
}

bool has_visible_window(DWORD process) {
    Search search{process, false};
    EnumWindows(find_visible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds until the program shows a window, or a negative value.
double time_to_window(const std::wstring& exe) {
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (has_visible_window(process.dwProcessId)) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fputs("usage: startup_benchmark NUMORA.exe EMPTY.exe FLOOR.exe [RUNS]\n", stderr);
        return 2;
    }
    const int runs =
        argc > 4 ? std::max(1, static_cast<int>(std::wcstol(argv[4], nullptr, 10))) : 9;
    constexpr int kPrograms = 3;  // numora.exe, the empty window, the floor
    // The first starts load the DLLs from disk and meet Wine's services still
    // starting up: not counted.
    for (int warm_up = 0; warm_up < 3; ++warm_up) {
        for (int p = 0; p < kPrograms; ++p) time_to_window(argv[1 + p]);
    }
    std::vector<double> times[kPrograms];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) times[p].push_back(time_to_window(argv[1 + p]));
    }
    for (const auto& program : times) {
        if (*std::min_element(program.begin(), program.end()) < 0) {
            std::fputs("startup_benchmark: a program showed no window\n", stderr);
            return 1;
        }
    }
    const double a = median(times[0]), empty = median(times[1]), floor = median(times[2]);
    std::printf("start-up to a visible window, median of %d alternated runs:\n", runs);
    std::printf("  numora.exe %.1f ms, empty window %.1f ms, controls floor %.1f ms\n", a, empty,
                floor);
    std::printf("  ratio to the empty window %.2f, to the floor %.2f\n", a / empty, a / floor);
    const auto fastest = [&](int p) { return *std::min_element(times[p].begin(), times[p].end()); };
    std::printf("  fastest runs: %.1f ms, %.1f ms and %.1f ms; ratio to the floor %.2f\n",
                fastest(0), fastest(1), fastest(2), fastest(0) / fastest(2));
    return 0;
}
