// Owners for the Windows resources the window uses; each frees its handle once.
#pragma once

#include <windows.h>

#include <utility>

namespace numora::win {

template <typename Handle, BOOL(WINAPI* Free)(Handle)>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Scoped& operator=(Scoped&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~Scoped() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

template <typename Object>
BOOL WINAPI delete_object(Object object) {
    return DeleteObject(object);
}
inline BOOL WINAPI free_global(HGLOBAL memory) {
    return GlobalFree(memory) == nullptr;
}
inline BOOL WINAPI close_key(HKEY key) {
    return RegCloseKey(key) == ERROR_SUCCESS;
}

using ScopedFont = Scoped<HFONT, delete_object<HFONT>>;
using ScopedBitmap = Scoped<HBITMAP, delete_object<HBITMAP>>;
using ScopedGlobal = Scoped<HGLOBAL, free_global>;
using ScopedKey = Scoped<HKEY, close_key>;
using ScopedHandle = Scoped<HANDLE, CloseHandle>;
using ScopedIcon = Scoped<HICON, DestroyIcon>;
using ScopedMenu = Scoped<HMENU, DestroyMenu>;
using ScopedMetafile = Scoped<HENHMETAFILE, DeleteEnhMetaFile>;

// Global memory locked for as long as this lives.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    ~LockedGlobal() {
        if (data_ != nullptr) GlobalUnlock(memory_);
    }
    void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// A screen DC with a font selected, for measuring text in that font.
class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    ~MeasuringDc() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace numora::win
