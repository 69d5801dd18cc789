#include "pictures.hpp"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace numora::win {

ScopedBitmap load_bitmap(HINSTANCE instance, int id) {
    return ScopedBitmap(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

namespace {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_ != nullptr) p_->Release();
    }
    Interface* operator->() const { return p_; }
    Interface* get() const { return p_; }
    Interface** put() { return &p_; }
    void** put_void() { return reinterpret_cast<void**>(&p_); }

private:
    Interface* p_ = nullptr;
};

// A movable global copy of a resource, the form a stream over memory needs.
ScopedGlobal resource_copy(HINSTANCE instance, int id) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) return {};
    const DWORD size = SizeofResource(instance, found);
    const void* data = LockResource(LoadResource(instance, found));
    if (data == nullptr || size == 0) return {};
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return {};
    LockedGlobal lock(memory.get());
    if (lock.data() == nullptr) return {};
    std::memcpy(lock.data(), data, size);
    return memory;
}

}  // namespace

ScopedBitmap load_gif(HINSTANCE instance, int id) {
    ScopedGlobal memory = resource_copy(instance, id);
    if (!memory) return {};
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, stream.put()))) return {};
    memory.release();  // the stream frees it
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture, picture.put_void()))) {
        return {};
    }
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Handle(&handle))) return {};
    // The picture owns its bitmap; keep a copy that outlives it.
    return ScopedBitmap(
        static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace numora::win
