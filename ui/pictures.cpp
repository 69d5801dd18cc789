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

namespace {

// OLE's DLLs are loaded for the one picture that needs them, once the window
// shows: imported, they would be loaded before its first paint.
class Library {
public:
    explicit Library(const wchar_t* name) : module_(LoadLibraryW(name)) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() {
        if (module_ != nullptr) FreeLibrary(module_);
    }

    template <typename Function>
    Function* get(const char* name) const {
        if (module_ == nullptr) return nullptr;
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// The thread's COM apartment, for as long as the picture is decoded.
class ComApartment {
public:
    explicit ComApartment(const Library& ole32)
        : uninitialize_(ole32.get<decltype(CoUninitialize)>("CoUninitialize")) {
        const auto initialize = ole32.get<decltype(CoInitializeEx)>("CoInitializeEx");
        ok_ = initialize != nullptr && uninitialize_ != nullptr &&
              SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (ok_) uninitialize_();
    }
    bool ok() const { return ok_; }

private:
    decltype(CoUninitialize)* uninitialize_;
    bool ok_ = false;
};

}  // namespace

ScopedBitmap load_gif(HINSTANCE instance, int id) {
    const Library ole32(L"ole32.dll");
    const Library oleaut32(L"oleaut32.dll");
    const auto create_stream = ole32.get<decltype(CreateStreamOnHGlobal)>("CreateStreamOnHGlobal");
    const auto load_picture = oleaut32.get<decltype(OleLoadPicture)>("OleLoadPicture");
    const ComApartment apartment(ole32);
    if (create_stream == nullptr || load_picture == nullptr || !apartment.ok()) return {};

    ScopedGlobal memory = resource_copy(instance, id);
    if (!memory) return {};
    ComPtr<IStream> stream;
    if (FAILED(create_stream(memory.get(), TRUE, stream.put()))) return {};
    memory.release();  // the stream frees it
    ComPtr<IPicture> picture;
    if (FAILED(load_picture(stream.get(), 0, FALSE, IID_IPicture, picture.put_void()))) return {};
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Handle(&handle))) return {};
    // The picture owns its bitmap; keep a copy that outlives it and OLE.
    return ScopedBitmap(
        static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace numora::win
