#include "clipboard_parts.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace numora::win {
namespace {

constexpr int kOpenAttempts = 50;
constexpr DWORD kAttemptPauseMs = 10;

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

}  // namespace

ClipboardSession::ClipboardSession(HWND owner) {
    for (int i = 0; i < kOpenAttempts && !open_; ++i) {
        open_ = OpenClipboard(owner) != FALSE;
        if (!open_) Sleep(kAttemptPauseMs);
    }
}

ClipboardSession::~ClipboardSession() {
    if (open_) CloseClipboard();
}

ScopedGlobal global_copy(std::wstring_view text) {
    return global_text(text.size(), [&](wchar_t* units) {
        std::memcpy(units, text.data(), text.size() * sizeof(wchar_t));
        return true;
    });
}

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

ScopedGlobal global_duplicate(HANDLE data) {
    const SIZE_T size = GlobalSize(data);
    const LockedGlobal from(data);
    if (from.data() == nullptr && size > 0) return {};
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory || size == 0) return memory;
    const LockedGlobal to(memory.get());
    if (to.data() == nullptr) return {};
    std::memcpy(to.data(), from.data(), size);
    return memory;
}

std::wstring_view held_text(const LockedGlobal& lock, HANDLE data) {
    const std::wstring_view held(static_cast<const wchar_t*>(lock.data()),
                                 GlobalSize(data) / sizeof(wchar_t));
    return held.substr(0, held.find(L'\0'));
}

bool hand_over(UINT format, ScopedGlobal& data, SetData set) {
    if (set(format, data.get()) == nullptr) return false;
    data.release();
    return true;
}

std::span<const UINT> privacy_formats() {
    // Windows' history and cloud sync skip data marked with the first two, each
    // a DWORD 0; clipboard managers skip data that carries the third at all.
    static const std::array<UINT, 3> formats{
        RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"),
        RegisterClipboardFormatW(L"CanUploadToCloudClipboard"),
        RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing")};
    return formats;
}

void mark_private(std::span<const UINT> already) {
    for (const UINT format : privacy_formats()) {
        if (format == 0 || std::find(already.begin(), already.end(), format) != already.end()) {
            continue;
        }
        ScopedGlobal zero(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DWORD)));
        if (zero) hand_over(format, zero);
    }
}

}  // namespace numora::win
