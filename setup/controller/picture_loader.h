// Pictures from files through the system's OLE picture loader, so every
// format it knows (BMP, JPEG, GIF, ICO, WMF) is accepted.
#pragma once
#include "setup/base/unique_handle.h"

#include <ocidl.h>
#include <string>

namespace qx {

// Null when the file is missing or cannot be decoded.
unique_com<IPicture> LoadPictureFile(const std::string& path);
// The picture's bitmap (owned by the picture), or null for non-bitmap pictures.
HBITMAP PictureBitmap(IPicture* picture);

}  // namespace qx
