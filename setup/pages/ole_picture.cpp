#include "setup/pages/ole_picture.h"

#include "setup/base/file_system.h"

#include <cstring>

namespace qx::pages {

int HimetricToPixels(long himetric, int pixelsPerInch) {
    return static_cast<int>((static_cast<long long>(himetric) * pixelsPerInch + 1270) / 2540);
}

void OlePicture::Clear() {
    picture_.reset();
    himetricWidth_ = himetricHeight_ = 0;
    width_ = height_ = 0;
}

bool OlePicture::Load(const std::string& path) {
    Clear();
    if (path.empty() || !FileExists(path)) return false;
    unique_file_handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD size = GetFileSize(file.get(), nullptr);
    if (size == 0 || size == INVALID_FILE_SIZE) return false;
    unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return false;
    void* bytes = GlobalLock(memory.get());
    DWORD read = 0;
    BOOL ok = bytes && ReadFile(file.get(), bytes, size, &read, nullptr) && read == size;
    GlobalUnlock(memory.get());
    if (!ok) return false;

    IStream* raw = nullptr;
    // The stream does not free the memory; `memory` does, after the stream is gone.
    if (FAILED(CreateStreamOnHGlobal(memory.get(), FALSE, &raw))) return false;
    unique_com<IStream> stream(raw);
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))) || !picture)
        return false;
    picture_.reset(picture);
    picture_.get()->get_Width(&himetricWidth_);
    picture_.get()->get_Height(&himetricHeight_);
    HDC screen = GetDC(nullptr);
    width_ = HimetricToPixels(himetricWidth_, GetDeviceCaps(screen, LOGPIXELSX));
    height_ = HimetricToPixels(himetricHeight_, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return true;
}

void OlePicture::Draw(HDC dc, int x, int y, COLORREF background) const {
    if (!picture_) return;
    IPicture* p = picture_.get();
    HPALETTE palette = nullptr;
    OLE_HANDLE paletteHandle = 0;
    if (SUCCEEDED(p->get_hPal(&paletteHandle)) && paletteHandle) {
        palette = SelectPalette(dc, reinterpret_cast<HPALETTE>(static_cast<UINT_PTR>(paletteHandle)), FALSE);
        RealizePalette(dc);
    }
    DWORD attributes = 0;
    bool transparent = FAILED(p->get_Attributes(&attributes)) || (attributes & PICTURE_TRANSPARENT);
    if (!transparent) {
        p->Render(dc, x, y, width_, height_, 0, himetricHeight_, himetricWidth_, -himetricHeight_, nullptr);
    } else {
        unique_memory_dc memory(CreateCompatibleDC(dc));
        unique_hbitmap bitmap(CreateCompatibleBitmap(dc, width_, height_));
        if (memory && bitmap) {
            HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
            RECT all{0, 0, width_, height_};
            unique_hbrush fill(CreateSolidBrush(background));
            FillRect(memory.get(), &all, fill.get());
            p->Render(memory.get(), 0, 0, width_, height_, 0, himetricHeight_, himetricWidth_, -himetricHeight_,
                      nullptr);
            BitBlt(dc, x, y, width_, height_, memory.get(), 0, 0, SRCCOPY);
            SelectObject(memory.get(), old);
        }
    }
    if (palette) SelectPalette(dc, palette, FALSE);
}

void OlePicture::Stretch(HDC dc, const RECT& target) const {
    if (!picture_) return;
    OLE_HANDLE handle = 0;
    short type = PICTYPE_NONE;
    picture_.get()->get_Type(&type);
    if (type == PICTYPE_BITMAP && SUCCEEDED(picture_.get()->get_Handle(&handle)) && handle) {
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        unique_memory_dc memory(CreateCompatibleDC(dc));
        HGDIOBJ old = SelectObject(memory.get(), bitmap);
        int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                   memory.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
        SelectObject(memory.get(), old);
        return;
    }
    // Metafiles and icons have no bitmap; the loader draws them to size.
    picture_.get()->Render(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, 0,
                           himetricHeight_, himetricWidth_, -himetricHeight_, nullptr);
}

}  // namespace qx::pages
