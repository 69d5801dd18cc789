#include "kept_clipboard.hpp"

namespace numora::win {
namespace {

// What Windows makes from another format the clipboard holds (ANSI and OEM
// text from Unicode, a bitmap handle and its palette from a DIB, an old
// metafile from an enhanced one, and back): made again from what is put back.
bool made_from_another(UINT format) {
    switch (format) {
        case CF_TEXT:
        case CF_OEMTEXT:
        case CF_BITMAP:
        case CF_PALETTE:
        case CF_METAFILEPICT:
            return true;
        default:
            return false;
    }
}

// Data no copy can be made of: what its program draws itself, and handles
// to its own objects, which the clipboard does not even free.
bool cannot_copy(UINT format) {
    return format == CF_OWNERDISPLAY || format == CF_DSPBITMAP || format == CF_DSPMETAFILEPICT ||
           (format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) ||
           (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST);
}

bool is_metafile(UINT format) {
    return format == CF_ENHMETAFILE || format == CF_DSPENHMETAFILE;
}

}  // namespace

Kept KeptClipboard::take(HWND owner, std::size_t most_bytes) {
    forget();
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return Kept::busy;
    std::vector<UINT> formats;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        formats.push_back(format);
    }
    std::size_t room = most_bytes;
    for (const UINT format : formats) {
        if (made_from_another(format)) continue;
        const Kept kept = keep(format, room);
        if (kept != Kept::kept) {
            forget();
            return kept;
        }
    }
    // Listed, yet nothing of it kept: it would come back empty.
    return formats.empty() || !items_.empty() ? Kept::kept : Kept::cannot_keep;
}

// One format's data, copied; its size taken from the room left.
Kept KeptClipboard::keep(UINT format, std::size_t& room) {
    if (cannot_copy(format)) return Kept::cannot_keep;
    // Asked for, a promised format is rendered by its program; one it does
    // not render could not be put back.
    HANDLE data = GetClipboardData(format);
    if (data == nullptr) return Kept::cannot_keep;
    Item item{format, {}, {}};
    std::size_t size = 0;
    if (is_metafile(format)) {
        const auto metafile = static_cast<HENHMETAFILE>(data);
        size = GetEnhMetaFileBits(metafile, 0, nullptr);
        if (size > room) return Kept::too_big;
        item.metafile.reset(CopyEnhMetaFile(metafile, nullptr));
        if (!item.metafile) return Kept::cannot_keep;
    } else {
        size = GlobalSize(data);
        if (size > room) return Kept::too_big;
        item.memory = global_duplicate(data);
        if (!item.memory) return Kept::cannot_keep;
    }
    room -= size;
    items_.push_back(std::move(item));
    return Kept::kept;
}

void KeptClipboard::forget() {
    items_.clear();
}

Replaced KeptClipboard::put_back(HWND owner, DWORD if_still) {
    const ClipboardSession clipboard(owner);
    if (!clipboard.is_open()) return Replaced::busy;
    if (GetClipboardSequenceNumber() != if_still) return Replaced::newer_copy;
    if (!EmptyClipboard()) return Replaced::failed;
    bool all = true;
    std::vector<UINT> formats;
    for (Item& item : items_) {
        formats.push_back(item.format);
        if (item.metafile) {
            const bool set = SetClipboardData(item.format, item.metafile.get()) != nullptr;
            if (set) item.metafile.release();
            all = set && all;
        } else {
            all = hand_over(item.format, item.memory) && all;
        }
    }
    // A copy put back is not listed a second time; an empty clipboard stays empty.
    if (!items_.empty()) mark_private(formats);
    forget();
    return all ? Replaced::written : Replaced::failed;
}

}  // namespace numora::win
