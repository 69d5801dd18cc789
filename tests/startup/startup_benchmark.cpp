// Start-up time of numora.exe against an empty window program and against
// the floor of its controls (the same manifest and twelve controls, nothing
// else): each started in turn, timed from CreateProcess to its first visible
// top-level window. Beside it, in runs of their own, the CPU time each spends
// until it first waits for input, its window painted: under Wine, read from
// the Linux process that runs it (/proc/PID/task/*/schedstat, nanoseconds),
// which depends far less on what else the machine does than the clock.
// Usage: startup_benchmark NUMORA.exe EMPTY.exe FLOOR.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kCpuRunsEach = 3;

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

// A file's whole text, for the small files of /proc (whose size reads as 0).
std::string read_all(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return text;
}

// Calls `visit(name)` for each entry of a folder but "." and "..".
template <typename Visit>
void for_each_entry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") visit(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The Linux process Wine runs a program in is named by the program's path:
// its Windows path when another Windows program started it, its Linux one
// when a shell did ("Z:\\work\\numora.exe", "/work/numora.exe").
bool names(std::string_view command_line, const std::wstring& exe) {
    std::string windows, linux;
    for (const wchar_t c : exe) windows += static_cast<char>(c);
    for (const wchar_t c : exe.substr(exe.starts_with(L"Z:") ? 2 : 0)) {
        linux += c == L'\\' ? '/' : static_cast<char>(c);
    }
    return command_line.starts_with(windows) || command_line.starts_with(linux);
}

// Milliseconds on a CPU of the Linux process running `exe`, its threads
// summed; none where there is no such process (not under Wine).
std::optional<double> cpu_ms_of(const std::wstring& exe) {
    std::optional<double> total;
    for_each_entry(L"Z:\\proc", [&](const std::wstring& pid) {
        if (total || pid.find_first_not_of(L"0123456789") != std::wstring::npos) return;
        const std::wstring process = L"Z:\\proc\\" + pid;
        if (!names(read_all(process + L"\\cmdline"), exe)) return;
        double nanoseconds = 0;
        for_each_entry(process + L"\\task", [&](const std::wstring& thread) {
            nanoseconds +=
                std::atof(read_all(process + L"\\task\\" + thread + L"\\schedstat").c_str());
        });
        total = nanoseconds / 1e6;
    });
    return total;
}

// Stops every thread of a process where it is: nothing it does after this
// counts. ntdll's own, as Windows and Wine both have it.
void suspend(HANDLE process) {
    using Suspend = LONG(WINAPI*)(HANDLE);
    static const auto call = reinterpret_cast<Suspend>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSuspendProcess")));
    if (call != nullptr) call(process);
}

// A program started on its own; ended, and its handles closed, when this goes.
class Started {
public:
    explicit Started(const std::wstring& exe) {
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    ~Started() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    explicit operator bool() const { return started_; }
    HANDLE handle() const { return process_.hProcess; }
    DWORD id() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// Milliseconds until the program shows a window, or a negative value.
double time_to_window(const std::wstring& exe) {
    const auto start = Clock::now();
    const Started program(exe);
    if (!program) return -1;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (has_visible_window(program.id())) {
            return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        Sleep(1);
    }
    return -1;
}

// CPU milliseconds until the program first waits for input, its window
// painted; none where that cannot be read. Started on its own, not watched
// meanwhile: looking for its window costs it time in Wine's server.
std::optional<double> cpu_to_first_paint(const std::wstring& exe) {
    const Started program(exe);
    if (!program || WaitForInputIdle(program.handle(), 10000) != 0) return std::nullopt;
    suspend(program.handle());  // what it puts off until then does not count
    return cpu_ms_of(exe);
}

double lower_quartile(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 4];
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
    std::vector<double> cpu[kPrograms];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) times[p].push_back(time_to_window(argv[1 + p]));
        // CPU runs are short and cheap: three for each run on the clock.
        for (int again = 0; again < kCpuRunsEach; ++again) {
            for (int p = 0; p < kPrograms; ++p) {
                if (const auto used = cpu_to_first_paint(argv[1 + p])) cpu[p].push_back(*used);
            }
        }
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
    const auto expected = static_cast<std::size_t>(runs * kCpuRunsEach);
    if (cpu[0].size() != expected || cpu[1].size() != expected || cpu[2].size() != expected) {
        std::puts("CPU time: not measured (no Linux process found: not under Wine?)");
        return 0;
    }
    // What else runs only ever adds CPU time (caches, a shared core): the
    // runs least disturbed tell the program's own.
    const double cpu_a = lower_quartile(cpu[0]), cpu_floor = lower_quartile(cpu[2]);
    std::printf(
        "CPU time until it first waits for input, its window painted, lower quartile "
        "of %zu runs:\n",
        expected);
    std::printf("  numora.exe %.1f ms, empty window %.1f ms, controls floor %.1f ms\n", cpu_a,
                lower_quartile(cpu[1]), cpu_floor);
    std::printf("  ratio to the floor %.2f\n", cpu_a / cpu_floor);
    return 0;
}
