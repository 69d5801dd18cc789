#include "clipboard.hpp"

#include <climits>
#include <cstring>
#include <span>

#include "scoped_win.hpp"

namespace numora::win {
namespace {

constexpr int kOpenAttempts = 50;
constexpr DWORD kAttemptPauseMs = 10;

class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) {
        for (int i = 0; i < kOpenAttempts && !open_; ++i) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) Sleep(kAttemptPauseMs);
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    bool is_open() const { return open_; }

private:
    bool open_ = false;
};

// Moveable memory for `chars` UTF-16 units and a terminating null, filled by
// `fill` (which gets the units' address); empty when it could not be had.
template <typename Fill>
ScopedGlobal global_text(std::size_t chars, Fill fill) {
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (chars + 1) * sizeof(wchar_t)));
    if (!memory) return memory;
    LockedGlobal lock(memory.get());
    if (lock.data() == nullptr) return {};
    auto* units = static_cast<wchar_t*>(lock.data());
    if (!fill(units)) return {};
    units[chars] = L'\0';
    return memory;
}

ScopedGlobal global_copy(std::wstring_view text) {
    return global_text(text.size(), [&](wchar_t* units) {
        std::memcpy(units, text.data(), text.size() * sizeof(wchar_t));
        return true;
    });
}

// UTF-8 widened into the memory itself: no whole copy on the way.
ScopedGlobal global_widened(std::string_view utf8) {
    if (utf8.size() > INT_MAX) return {};
    const int size = static_cast<int>(utf8.size());
    const int chars =
        size == 0 ? 0 : MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    if (size > 0 && chars <= 0) return {};
    return global_text(static_cast<std::size_t>(chars), [&](wchar_t* units) {
        return size == 0 ||
               MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, units, chars) == chars;
    });
}

// The clipboard's text as it is held, bounded by its block's size: another
// program's data may lack its terminating null.
std::wstring_view held_text(const LockedGlobal& lock, HANDLE data) {
    const std::wstring_view held(static_cast<const wchar_t*>(lock.data()),
                                 GlobalSize(data) / sizeof(wchar_t));
    return held.substr(0, held.find(L'\0'));
}

// A copy of the text the open clipboard holds, to put back if a write fails.
ScopedGlobal text_held_now() {
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return {};
    const LockedGlobal lock(data);
    return lock.data() == nullptr ? ScopedGlobal() : global_copy(held_text(lock, data));
}

// A copy of memory another program owns, bounded by its block's size.
ScopedGlobal global_duplicate(HANDLE data) {
    const SIZE_T size = GlobalSize(data);
    const LockedGlobal from(data);
    if (from.data() == nullptr) return {};
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return memory;
    const LockedGlobal to(memory.get());
    if (to.data() == nullptr) return {};
    std::memcpy(to.data(), from.data(), size);
    return memory;
}

// Hands memory to the open clipboard, which then owns it.
bool hand_over(UINT format, ScopedGlobal& data, SetData set = &SetClipboardData) {
    if (set(format, data.get()) == nullptr) return false;
    data.release();
    return true;
}

// Windows' clipboard history and cloud sync skip data marked with these, each a DWORD 0.
void mark_unlisted() {
    for (const wchar_t* name : {L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
        ScopedGlobal zero(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DWORD)));
        if (zero) hand_over(RegisterClipboardFormatW(name), zero);
    }
}

// Empties the open clipboard and sets the text; if that fails, the text it
// held before is put back.
bool write_text(ScopedGlobal& text, Listing listing, SetData set) {
    ScopedGlobal before = text_held_now();
    if (!EmptyClipboard()) return false;
    if (hand_over(CF_UNICODETEXT, text, set)) {
        if (listing == Listing::unlisted) mark_unlisted();
        return true;
    }
    if (before && SetClipboardData(CF_UNICODETEXT, before.get()) != nullptr) before.release();
    return false;
}

}  // namespace

bool put_clipboard_text(HWND owner, std::wstring_view text) {
    // Prepared first, so that a failure here leaves the clipboard untouched.
    ScopedGlobal memory = global_copy(text);
    if (!memory) return false;
    const ClipboardSession clipboard(owner);
    return clipboard.is_open() && write_text(memory, Listing::listed, &SetClipboardData);
}

ClipboardText get_clipboard_text(HWND owner, std::size_t most_bytes) {
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    // Taken after the data: rendering a promised format may count as a change.
    const DWORD sequence = GetClipboardSequenceNumber();
    if (data == nullptr) return {ClipboardText::Status::no_text, {}, sequence};
    if (GlobalSize(data) > most_bytes) return {ClipboardText::Status::too_large, {}, sequence};
    const LockedGlobal lock(data);
    if (lock.data() == nullptr) return {ClipboardText::Status::no_text, {}, sequence};
    return {ClipboardText::Status::text, std::wstring(held_text(lock, data)), sequence};
}

Replaced replace_clipboard_text(HWND owner, const ClipboardText& read, std::string_view words,
                                Listing listing, SetData set) {
    ScopedGlobal memory = global_widened(words);
    if (!memory) return Replaced::failed;
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return Replaced::busy;
    // A copy made since the read is the user's newest: it stays.
    if (GetClipboardSequenceNumber() != read.sequence) return Replaced::newer_copy;
    return write_text(memory, listing, set) ? Replaced::written : Replaced::failed;
}

bool KeptClipboard::take(HWND owner) {
    forget();
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return false;
    // Beside a text, a program's other formats are often only promised
    // (a spreadsheet renders its picture of the cells when asked): the text
    // alone is kept. Without one, the data a copied picture or file holds.
    const bool text = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    const UINT kept[] = {CF_UNICODETEXT, CF_DIB, CF_HDROP,
                         RegisterClipboardFormatW(L"Preferred DropEffect")};
    for (const UINT format : text ? std::span(kept, 1) : std::span(kept).subspan(1)) {
        if (!IsClipboardFormatAvailable(format)) continue;
        // Data there but not had (a promise not kept, no memory for the copy)
        // could not be put back: nothing is kept, and the caller goes no further.
        HANDLE data = GetClipboardData(format);
        ScopedGlobal copy = data != nullptr ? global_duplicate(data) : ScopedGlobal();
        if (!copy) {
            forget();
            return false;
        }
        items_[count_++] = {format, std::move(copy)};
    }
    return true;
}

void KeptClipboard::forget() {
    for (Item& item : items_) item.data.reset();
    count_ = 0;
}

Replaced KeptClipboard::put_back(HWND owner, DWORD if_still) {
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return Replaced::busy;
    if (GetClipboardSequenceNumber() != if_still) return Replaced::newer_copy;
    if (!EmptyClipboard()) return Replaced::failed;
    bool all = true;
    for (std::size_t i = 0; i < count_; ++i)
        all = hand_over(items_[i].format, items_[i].data) && all;
    if (count_ > 0) mark_unlisted();
    count_ = 0;
    return all ? Replaced::written : Replaced::failed;
}

}  // namespace numora::win
