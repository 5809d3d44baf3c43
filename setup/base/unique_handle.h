// One owning wrapper for every Win32 handle kind, so a handle can be moved but
// never copied and closed twice.
#pragma once
#include <windows.h>
#include <utility>

template <class Traits>
class unique_handle {
public:
    using pointer = typename Traits::pointer;
    unique_handle() noexcept : h_(Traits::invalid()) {}
    explicit unique_handle(pointer h) noexcept : h_(h) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& o) noexcept : h_(o.release()) {}
    unique_handle& operator=(unique_handle&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }
    ~unique_handle() { reset(); }

    pointer get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::invalid(); }
    pointer release() noexcept { pointer h = h_; h_ = Traits::invalid(); return h; }
    void reset(pointer h = Traits::invalid()) noexcept {
        if (h_ != Traits::invalid()) Traits::close(h_);
        h_ = h;
    }

private:
    pointer h_;
};

struct kernel_handle_traits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { CloseHandle(h); }
};
struct file_handle_traits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { CloseHandle(h); }
};
struct find_handle_traits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { FindClose(h); }
};
struct hkey_traits {
    using pointer = HKEY;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { RegCloseKey(h); }
};
template <class T>
struct gdi_traits {
    using pointer = T;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DeleteObject(h); }
};
struct memory_dc_traits {
    using pointer = HDC;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DeleteDC(h); }
};
struct hglobal_traits {
    using pointer = HGLOBAL;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { GlobalFree(h); }
};
struct module_traits {
    using pointer = HMODULE;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { FreeLibrary(h); }
};
template <class I>
struct com_traits {
    using pointer = I*;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer p) noexcept { p->Release(); }
};

using unique_kernel_handle = unique_handle<kernel_handle_traits>;
using unique_file_handle = unique_handle<file_handle_traits>;
using unique_find_handle = unique_handle<find_handle_traits>;
using unique_hkey = unique_handle<hkey_traits>;
using unique_hfont = unique_handle<gdi_traits<HFONT>>;
using unique_hbrush = unique_handle<gdi_traits<HBRUSH>>;
using unique_hbitmap = unique_handle<gdi_traits<HBITMAP>>;
using unique_hpen = unique_handle<gdi_traits<HPEN>>;
using unique_memory_dc = unique_handle<memory_dc_traits>;
using unique_hglobal = unique_handle<hglobal_traits>;
using unique_module = unique_handle<module_traits>;
template <class I>
using unique_com = unique_handle<com_traits<I>>;
