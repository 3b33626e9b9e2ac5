// Picture files to and from pixel buffers: the platform's picture loader
// (BMP, JPEG, GIF, ICO, WMF) in, Windows bitmap files out.
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <string>

#include "automation/FileAccess.h"
#include "automation/win32/Com.h"
#include "automation/win32/Dib.h"
#include "automation/win32/Handles.h"
#include "automation/win32/Win32Desktop.h"

namespace ombrelt::win32 {
namespace {

// Larger pictures are refused rather than risking the program's memory.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 26;
constexpr DWORD MaxFileBytes = 256u << 20;

std::uint32_t Read32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint32_t Read16(const std::uint8_t* p) { return p[0] | p[1] << 8; }

// A Windows bitmap whose file ends before its pixels would be read past its
// end by some loaders: refused here. Other formats are left to the loader.
bool BitmapFileIsWhole(const std::uint8_t* data, DWORD size) {
    if (size < 2 || data[0] != 'B' || data[1] != 'M') return true;
    if (size < 26) return false;
    const std::uint32_t offBits = Read32(data + 10), headerSize = Read32(data + 14);
    std::int64_t width, height;
    std::uint32_t bits, compression = BI_RGB;
    if (headerSize == 12) {
        width = Read16(data + 18);
        height = Read16(data + 20);
        bits = Read16(data + 24);
    } else {
        if (headerSize < 40 || size < 14 + 40) return false;
        width = static_cast<std::int32_t>(Read32(data + 18));
        height = static_cast<std::int32_t>(Read32(data + 22));
        bits = Read16(data + 28);
        compression = Read32(data + 30);
    }
    if (width <= 0 || height == 0 || offBits > size) return false;
    if (compression != BI_RGB && compression != BI_BITFIELDS) return true;  // compressed: the loader checks
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    return stride > 0 && offBits + stride * (height < 0 ? -height : height) <= size;
}

// The whole file in a movable memory block, as a stream that owns it.
bool OpenFileStream(const std::string& path, ComPtr<IStream>& stream, DWORD& size) {
    KernelHandle file;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    file = KernelHandle(h);
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(h, &length) || length.QuadPart <= 0 || length.QuadPart > MaxFileBytes) return false;
    size = static_cast<DWORD>(length.QuadPart);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* bytes = GlobalLock(memory);
    DWORD read = 0;
    bool ok = bytes && ReadFile(h, bytes, size, &read, nullptr) && read == size &&
              BitmapFileIsWhole(static_cast<const std::uint8_t*>(bytes), size);
    if (bytes) GlobalUnlock(memory);
    if (!ok || FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Out()))) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

bool SizeIsSane(LONG width, LONG height) {
    return width > 0 && height > 0 && std::int64_t{width} * height <= MaxPixels;
}

bool ReadBitmapPicture(HBITMAP bitmap, PixelBuffer& out) {
    MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return false;
    BitmapInfo info{};
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    if (!GetDIBits(dc.Get(), bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return false;
    LONG width = info.Header.biWidth, height = info.Header.biHeight < 0 ? -info.Header.biHeight : info.Header.biHeight;
    if (!SizeIsSane(width, height)) return false;
    out.Resize(width, height);
    return ReadBitmapInto(dc.Get(), bitmap, out);
}

// Icons and metafiles have no pixels of their own: they are drawn at the
// screen's resolution onto black.
bool RenderPicture(IPicture* picture, PixelBuffer& out) {
    OLE_XSIZE_HIMETRIC widthHm = 0;
    OLE_YSIZE_HIMETRIC heightHm = 0;
    if (FAILED(picture->get_Width(&widthHm)) || FAILED(picture->get_Height(&heightHm))) return false;
    WindowDc screen(nullptr);
    if (!screen) return false;
    LONG width = MulDiv(widthHm, GetDeviceCaps(screen.Get(), LOGPIXELSX), 2540);
    LONG height = MulDiv(heightHm, GetDeviceCaps(screen.Get(), LOGPIXELSY), 2540);
    if (!SizeIsSane(width, height)) return false;
    BitmapInfo info{};
    info.Header = TopDown32(width, height);
    void* bits = nullptr;
    GdiObject section(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                       nullptr, 0));
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!section || !dc || !bits) return false;
    {
        Selection selected(dc.Get(), section.Get());
        if (FAILED(picture->Render(dc.Get(), 0, 0, width, height, 0, heightHm, widthHm, -heightHm, nullptr)))
            return false;
        GdiFlush();
    }
    out.Resize(width, height);
    std::memcpy(out.Pixels.data(), bits, out.Pixels.size() * sizeof(std::uint32_t));
    return true;
}

}  // namespace

bool Win32Desktop::LoadPicture(const std::string& path, PixelBuffer& out) {
    out.Clear();
    ComScope com;
    ComPtr<IStream> stream;
    DWORD size = 0;
    if (!OpenFileStream(path, stream, size)) return false;
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.Out()))) ||
        !picture.Get())
        return false;
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || FAILED(picture->get_Handle(&handle))) return false;
    bool ok = type == PICTYPE_BITMAP ? ReadBitmapPicture(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), out)
                                     : RenderPicture(picture.Get(), out);
    if (!ok) {
        out.Clear();
        return false;
    }
    // The fourth byte is whatever the source had (alpha); pixels are 0x00RRGGBB.
    for (auto& p : out.Pixels) p &= 0x00FFFFFF;
    return true;
}

bool Win32Desktop::SavePicture(const std::string& path, const PixelBuffer& picture) {
    const std::int64_t width = picture.Width, height = picture.Height;
    if (picture.Empty() || width <= 0 || height <= 0 ||
        picture.Pixels.size() != static_cast<std::size_t>(width * height))
        return false;
    // 24 bits per pixel, rows bottom-up and padded to four bytes: what every
    // reader of Windows bitmaps shows upright.
    const std::int64_t rowBytes = (width * 3 + 3) & ~std::int64_t{3};
    const std::int64_t imageBytes = rowBytes * height;
    constexpr std::int64_t headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    if (headers + imageBytes > 0x7FFFFFFF) return false;

    std::string bytes(static_cast<std::size_t>(headers + imageBytes), '\0');
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(bytes.size());
    file.bfOffBits = static_cast<DWORD>(headers);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = static_cast<LONG>(width);
    info.biHeight = static_cast<LONG>(height);
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(imageBytes);
    info.biXPelsPerMeter = info.biYPelsPerMeter = 3780;  // 96 dpi
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    for (std::int64_t r = 0; r < height; ++r) {
        const std::uint32_t* row = picture.Row(static_cast<std::int32_t>(height - 1 - r));
        auto* dst = reinterpret_cast<std::uint8_t*>(bytes.data() + headers + r * rowBytes);
        for (std::int64_t x = 0; x < width; ++x) {
            *dst++ = static_cast<std::uint8_t>(row[x]);        // blue
            *dst++ = static_cast<std::uint8_t>(row[x] >> 8);   // green
            *dst++ = static_cast<std::uint8_t>(row[x] >> 16);  // red
        }
    }

    // The picture is written whole before it replaces the file of that name.
    return FileAccess::ReplaceWholeFile(path, bytes);
}

}  // namespace ombrelt::win32
