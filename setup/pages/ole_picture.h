// Pictures read by the system's OLE picture loader (BMP, JPEG, GIF, ICO, WMF,
// EMF), with their size converted from HIMETRIC units to screen pixels.
#pragma once
#include "setup/base/unique_handle.h"

#include <ole2.h>
#include <olectl.h>

#include <string>

namespace qx::pages {

// pixels = (himetric * pixels per inch + 1270) / 2540, in integers.
int HimetricToPixels(long himetric, int pixelsPerInch);

class OlePicture {
public:
    // Reads the whole file into memory and decodes it; false leaves the
    // object empty (missing file or a format the loader refuses).
    bool Load(const std::string& path);
    void Clear();
    bool Loaded() const { return static_cast<bool>(picture_); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Draws at (x, y) in the picture's pixel size; transparent pictures (and
    // those whose attributes cannot be read) go through an off-screen bitmap
    // filled with the background colour.
    void Draw(HDC dc, int x, int y, COLORREF background) const;
    // Stretches the picture onto the rectangle (colour-on-colour stretching).
    void Stretch(HDC dc, const RECT& target) const;

private:
    unique_com<IPicture> picture_;
    long himetricWidth_ = 0, himetricHeight_ = 0;
    int width_ = 0, height_ = 0;
};

}  // namespace qx::pages
