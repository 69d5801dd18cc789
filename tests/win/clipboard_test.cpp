// The clipboard's replacement as the hotkey uses it: what is read, what is
// written in its place, and what stays when something comes between.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "clipboard.hpp"
#include "driver.hpp"
#include "kept_clipboard.hpp"

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
        EXPECT_EQ(replace_clipboard_text(nullptr, read, "Penki Lt", c.set), c.replaced);
        EXPECT_EQ(clipboard_text(), c.left);
    }
}

// A clipboard's data: each format's bytes, in the order they were put there.
using Formats = std::vector<std::pair<UINT, std::string>>;

bool set_clipboard(const Formats& formats) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    for (const auto& [format, bytes] : formats) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (!bytes.empty()) std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
        GlobalUnlock(memory);
        SetClipboardData(format, memory);
    }
    return CloseClipboard() != FALSE;
}

// Each format's bytes as the clipboard holds them now, at their first `size`.
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

std::string utf16(std::wstring_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2) +
           std::string(2, '\0');
}

// What the selection's chord keeps comes back as it was, every format of it,
// and only over the clipboard's data it was asked to replace.
TEST(Clipboard, KeptDataComesBack) {
    const UINT rtf = RegisterClipboardFormatW(L"Rich Text Format");
    const UINT html = RegisterClipboardFormatW(L"HTML Format");
    const UINT own = RegisterClipboardFormatW(L"Numora test: a program's own data");
    const UINT history = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
    const std::string marker(4, '\1');  // a password manager's own "keep me out", kept as it is
    struct Case {
        const char* what;
        Formats formats;
    };
    const Case cases[] = {
        {"text", {{CF_UNICODETEXT, utf16(L"Kita")}}},
        {"an empty clipboard", {}},
        {"a list of files", {{CF_HDROP, std::string(24, '\x11')}}},
        {"a program's own format alone", {{own, std::string("\0\1\2\3", 4)}}},
        {"rich text, as a word processor copies it",
         {{rtf, "{\\rtf1 {\\b Kita}}"},
          {html, "Version:0.9\r\n<b>Kita</b>"},
          {CF_UNICODETEXT, utf16(L"Kita")},
          {history, marker}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(set_clipboard(c.formats));
        KeptClipboard kept;
        ASSERT_EQ(kept.take(nullptr, 1 << 20), Kept::kept);
        ASSERT_TRUE(set_clipboard_text(L"Penki Lt"));
        const DWORD words = GetClipboardSequenceNumber();
        ASSERT_TRUE(set_clipboard_text(L"6"));  // a newer copy stays
        EXPECT_EQ(kept.put_back(nullptr, words), Replaced::newer_copy);
        EXPECT_EQ(clipboard_text(), L"6");
        EXPECT_EQ(kept.put_back(nullptr, GetClipboardSequenceNumber()), Replaced::written);
        if (c.formats.empty()) {
            EXPECT_EQ(CountClipboardFormats(), 0);
        }
        for (const auto& [format, bytes] : c.formats) {
            EXPECT_EQ(clipboard_bytes(format, bytes.size()), bytes) << "format " << format;
        }
        // Put back, it is kept out of clipboard histories a second time.
        if (!c.formats.empty()) {
            EXPECT_TRUE(IsClipboardFormatAvailable(
                RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing")));
        }
    }
}

// What could not come back is not taken: past the bound, or a handle to a
// program's own object; the clipboard stays as it was.
TEST(Clipboard, WhatCannotComeBackIsNotKept) {
    ASSERT_TRUE(set_clipboard({{CF_UNICODETEXT, utf16(std::wstring(600, L'7'))}}));
    KeptClipboard kept;
    EXPECT_EQ(kept.take(nullptr, 1000), Kept::too_big);
    ASSERT_TRUE(set_clipboard({{CF_PRIVATEFIRST, "1234"}}));
    EXPECT_EQ(kept.take(nullptr, 1000), Kept::cannot_keep);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_PRIVATEFIRST));
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
    EXPECT_EQ(kept.take(nullptr, 1 << 20), Kept::cannot_keep);
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
