// A picture loaded through the system's OLE picture loader: JPEG, bitmap,
// icon and metafile files, whatever their extension says.
#pragma once
#include "setup/base/unique_handle.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

namespace trombela {

class Picture {
public:
    Picture() = default;
    // An empty Picture when the file is missing or not a picture the loader knows.
    static Picture Load(const std::string& path);

    bool Empty() const { return !picture_; }
    // Size in picture pixels: the bitmap's own pixels, or for icons and
    // metafiles their natural size at 96 pixels per inch.
    SIZE PixelSize() const;
    void Draw(HDC dc, const RECT& target) const;

private:
    unique_com<IPicture> picture_;
};

}  // namespace trombela
