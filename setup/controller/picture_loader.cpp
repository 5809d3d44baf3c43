#include "setup/controller/picture_loader.h"

#include <olectl.h>

namespace qx {

unique_com<IPicture> LoadPictureFile(const std::string& path) {
    unique_file_handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    DWORD size = GetFileSize(file.get(), nullptr);
    if (size == 0 || size == INVALID_FILE_SIZE) return {};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return {};
    void* data = GlobalLock(memory);
    DWORD read = 0;
    BOOL ok = ReadFile(file.get(), data, size, &read, nullptr);
    GlobalUnlock(memory);
    if (!ok || read != size) {
        GlobalFree(memory);
        return {};
    }
    IStream* raw = nullptr;
    // The stream frees the memory when it is released.
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &raw))) {
        GlobalFree(memory);
        return {};
    }
    unique_com<IStream> stream(raw);
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))))
        return {};
    return unique_com<IPicture>(picture);
}

HBITMAP PictureBitmap(IPicture* picture) {
    SHORT type = PICTYPE_UNINITIALIZED;
    if (!picture || FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return nullptr;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Handle(&handle))) return nullptr;
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

}  // namespace qx
