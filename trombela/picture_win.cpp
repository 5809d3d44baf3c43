#include "trombela/picture_win.h"

#include "trombela/record_io_win.h"
#include "trombela/text_1250_win.h"

#include <cstring>

namespace trombela {
namespace {

constexpr long kHimetricPerInch = 2540;

}  // namespace

Picture Picture::Load(const std::string& path) {
    Picture out;
    if (!FileExists(path)) return out;
    unique_file_handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return out;
    LARGE_INTEGER size{};
    // Pictures are small; anything beyond 256 MB is not one this program prints.
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > (256 << 20)) return out;
    unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, SIZE_T(size.QuadPart)));
    if (!memory) return out;
    void* bytes = GlobalLock(memory.get());
    DWORD got = 0;
    const BOOL read = ReadFile(file.get(), bytes, DWORD(size.QuadPart), &got, nullptr);
    GlobalUnlock(memory.get());
    if (!read || got != DWORD(size.QuadPart)) return out;
    IStream* stream = nullptr;
    // The stream takes over the memory block.
    if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, &stream))) return out;
    memory.release();
    unique_com<IStream> owned_stream(stream);
    IPicture* picture = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, LONG(size.QuadPart), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture))) && picture)
        out.picture_.reset(picture);
    return out;
}

SIZE Picture::PixelSize() const {
    SIZE px{0, 0};
    if (!picture_) return px;
    SHORT type = PICTYPE_NONE;
    picture_.get()->get_Type(&type);
    OLE_HANDLE handle = 0;
    if (type == PICTYPE_BITMAP && SUCCEEDED(picture_.get()->get_Handle(&handle)) && handle) {
        BITMAP bm{};
        if (GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof bm, &bm)) {
            px.cx = bm.bmWidth;
            px.cy = bm.bmHeight;
            return px;
        }
    }
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture_.get()->get_Width(&w);
    picture_.get()->get_Height(&h);
    px.cx = MulDiv(w, 96, kHimetricPerInch);
    px.cy = MulDiv(h, 96, kHimetricPerInch);
    return px;
}

void Picture::Draw(HDC dc, const RECT& target) const {
    if (!picture_) return;
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture_.get()->get_Width(&w);
    picture_.get()->get_Height(&h);
    // Pictures are rendered from their top edge downwards, hence the negative height.
    picture_.get()->Render(dc, target.left, target.top, target.right - target.left,
                           target.bottom - target.top, 0, h, w, -h, nullptr);
}

}  // namespace trombela
