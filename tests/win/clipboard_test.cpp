// The clipboard's replacement as the hotkey uses it: what is read, what is
// written in its place, and what stays when something comes between.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "clipboard.hpp"
#include "driver.hpp"

namespace numora::win {
namespace {

using e2e::clipboard_text;
using e2e::set_clipboard_text;

HANDLE WINAPI failing_set(UINT, HANDLE) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

TEST(Clipboard, WordsReplaceOnlyTheTextRead) {
    struct Case {
        const char* what;
        const wchar_t* copied_after;  // copied between the read and the write, or nullptr
        SetData set;
        Replaced replaced;
        std::wstring left;  // the clipboard afterwards
    };
    const Case cases[] = {
        {"nothing between", nullptr, &SetClipboardData, Replaced::written, L"Penki Lt"},
        {"a newer copy", L"6", &SetClipboardData, Replaced::newer_copy, L"6"},
        {"a failed write", nullptr, &failing_set, Replaced::failed, L"5\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(set_clipboard_text(L"5\r\n"));
        const ClipboardText read = get_clipboard_text(nullptr);
        ASSERT_EQ(read.status, ClipboardText::Status::text);
        EXPECT_EQ(read.text, L"5\r\n");
        if (c.copied_after != nullptr) {
            ASSERT_TRUE(set_clipboard_text(c.copied_after));
        }
        EXPECT_EQ(replace_clipboard_text(nullptr, read, "Penki Lt", Listing::listed, c.set),
                  c.replaced);
        EXPECT_EQ(clipboard_text(), c.left);
    }
}

TEST(Clipboard, TextPastItsLimitIsNotRead) {
    ASSERT_TRUE(set_clipboard_text(std::wstring(1000, L'7')));
    EXPECT_EQ(get_clipboard_text(nullptr, 1000).status, ClipboardText::Status::too_large);
    EXPECT_EQ(get_clipboard_text(nullptr, 4096).text, std::wstring(1000, L'7'));
}

}  // namespace
}  // namespace numora::win
