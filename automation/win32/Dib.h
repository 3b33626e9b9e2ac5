#pragma once
// The bitmap layout of a PixelBuffer: a top-down 32-bit device-independent
// bitmap, so GetDIBits writes straight into the buffer's memory.
#include "automation/PixelBuffer.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {

inline BITMAPINFOHEADER TopDown32(LONG width, LONG height) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = -height;
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    return h;
}

// Room for what GetDIBits may write after the header (colour table or masks).
struct BitmapInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

// All of bitmap's lines into out, which must already have its size; false
// when GetDIBits cannot read it. The bitmap must not be selected into a DC.
inline bool ReadBitmapInto(HDC dc, HBITMAP bitmap, PixelBuffer& out) {
    BitmapInfo info{};
    info.Header = TopDown32(out.Width, out.Height);
    return GetDIBits(dc, bitmap, 0, static_cast<UINT>(out.Height), out.Pixels.data(),
                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == out.Height;
}

}  // namespace ombrelt::win32
