// Whether Numora starts with Windows, as the system menu's tick shows it: the
// Run value and Task Manager's "off", in keys of the test's own.
#include "startup.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace numora::win {
namespace {

constexpr StartupKeys kKeys{L"Software\\NumoraTest\\Run", L"Software\\NumoraTest\\Approved"};
constexpr wchar_t kExe[] = L"C:\\Programs\\Numora\\numora.exe";

void store(const wchar_t* key, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key, kRunValue, type, data, size), 0);
}

TEST(Startup, TheTickShowsTheTruth) {
    struct Case {
        const char* what;
        const wchar_t* run;  // nullptr: no Run value
        int approved;        // Task Manager's first byte; -1: no value
        bool on;
    };
    const Case cases[] = {
        {"no value", nullptr, -1, false},
        {"this program", L"\"C:\\Programs\\Numora\\numora.exe\" /tray", -1, true},
        {"in another letter case", L"\"c:\\programs\\numora\\NUMORA.EXE\" /tray", -1, true},
        {"another path", L"\"D:\\Old\\numora.exe\" /tray", -1, false},
        {"without /tray", L"\"C:\\Programs\\Numora\\numora.exe\"", -1, false},
        {"turned on in Task Manager", L"\"C:\\Programs\\Numora\\numora.exe\" /tray", 2, true},
        {"turned off in Task Manager", L"\"C:\\Programs\\Numora\\numora.exe\" /tray", 3, false},
        {"off, no Run value", nullptr, 3, false},
    };
    for (const auto& c : cases) {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\NumoraTest");
        if (c.run != nullptr) {
            store(kKeys.run, REG_SZ, c.run, static_cast<DWORD>((wcslen(c.run) + 1) * 2));
        }
        if (c.approved >= 0) {
            std::vector<BYTE> state(12, 0);
            state[0] = static_cast<BYTE>(c.approved);
            store(kKeys.approved, REG_BINARY, state.data(), 12);
        }
        EXPECT_EQ(starts_with_windows(kExe, kKeys), c.on) << c.what;
    }
    // Chosen on, it is on even where Task Manager had turned it off; then off.
    ASSERT_TRUE(start_with_windows(true, kExe, kKeys));
    EXPECT_TRUE(starts_with_windows(kExe, kKeys));
    ASSERT_TRUE(start_with_windows(false, kExe, kKeys));
    EXPECT_FALSE(starts_with_windows(kExe, kKeys));
    EXPECT_TRUE(start_with_windows(false, kExe, kKeys));  // nothing to remove
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\NumoraTest");
}

}  // namespace
}  // namespace numora::win
