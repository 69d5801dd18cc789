// Starting with Windows: the user's Run value, and whether Task Manager's
// Startup page has turned it off.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace numora::win {

inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kStartupApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr wchar_t kRunValue[] = L"Numora";

// Where the keys are: the user's, or a test's own.
struct StartupKeys {
    const wchar_t* run = kRunKey;
    const wchar_t* approved = kStartupApprovedKey;
};

// What the Run value holds for this program: "\"<exe>\" /tray".
std::wstring run_command(std::wstring_view exe);

// On only while the Run value starts this program, as run_command writes it
// (the path in any letter case), and Task Manager has not turned it off.
bool starts_with_windows(std::wstring_view exe, const StartupKeys& keys = {});

// Writes the Run value (and takes back Task Manager's "off"), or removes it;
// false when it could not.
bool start_with_windows(bool on, std::wstring_view exe, const StartupKeys& keys = {});

// The full path of the running program.
std::wstring this_program();

}  // namespace numora::win
