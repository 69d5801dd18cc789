// The clipboard's replacement as the hotkey uses it: what is read, what is
// written in its place, and what stays when something comes between.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
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

// Data of one format, put on the clipboard alone, and read back.
bool set_clipboard(UINT format, const std::string& bytes) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    if (format != 0) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
        GlobalUnlock(memory);
        SetClipboardData(format, memory);
    }
    return CloseClipboard() != FALSE;
}

std::string clipboard_bytes(UINT format, std::size_t size) {
    if (!OpenClipboard(nullptr)) return "(busy)";
    HANDLE data = GetClipboardData(format);
    std::string bytes = data == nullptr || GlobalSize(data) < size
                            ? "(none)"
                            : std::string(static_cast<const char*>(GlobalLock(data)), size);
    if (data != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return bytes;
}

// What the selection's chord keeps comes back as it was, and only over the
// clipboard's data it was asked to replace.
TEST(Clipboard, KeptDataComesBack) {
    const std::string text("K\0i\0t\0a\0\0\0", 10);
    const std::string files(24, '\x11');  // a DROPFILES block, as far as the clipboard cares
    struct Case {
        const char* what;
        UINT format;  // 0: an empty clipboard
        std::string bytes;
    };
    const Case cases[] = {
        {"text", CF_UNICODETEXT, text},
        {"an empty clipboard", 0, ""},
        {"a list of files", CF_HDROP, files},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(set_clipboard(c.format, c.bytes));
        KeptClipboard kept;
        ASSERT_TRUE(kept.take(nullptr));
        ASSERT_TRUE(set_clipboard_text(L"Penki Lt"));
        const DWORD words = GetClipboardSequenceNumber();
        ASSERT_TRUE(set_clipboard_text(L"6"));  // a newer copy stays
        EXPECT_EQ(kept.put_back(nullptr, words), Replaced::newer_copy);
        EXPECT_EQ(clipboard_text(), L"6");
        EXPECT_EQ(kept.put_back(nullptr, GetClipboardSequenceNumber()), Replaced::written);
        if (c.format == 0) {
            EXPECT_EQ(CountClipboardFormats(), 0);
        } else {
            EXPECT_EQ(clipboard_bytes(c.format, c.bytes.size()), c.bytes);
        }
    }
}

// A text its program promised and does not render cannot be put back: it
// is not taken as kept, and the clipboard stays as it was.
TEST(Clipboard, APromiseNotKeptIsNoKeptText) {
    HWND promiser =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(promiser));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);  // rendered when asked; STATIC never does
    CloseClipboard();
    KeptClipboard kept;
    EXPECT_FALSE(kept.take(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    DestroyWindow(promiser);
}

TEST(Clipboard, TextPastItsLimitIsNotRead) {
    ASSERT_TRUE(set_clipboard_text(std::wstring(1000, L'7')));
    EXPECT_EQ(get_clipboard_text(nullptr, 1000).status, ClipboardText::Status::too_large);
    EXPECT_EQ(get_clipboard_text(nullptr, 4096).text, std::wstring(1000, L'7'));
}

}  // namespace
}  // namespace numora::win
