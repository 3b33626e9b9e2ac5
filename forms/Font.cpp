#include "forms/Font.h"

#include <cmath>

namespace ombrelt::forms {

Font::Font(const std::string& face, double points, bool bold) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    font_ = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        face.c_str());
}

void Font::Reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

HFONT Font::Default() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

namespace {
BITMAP Info(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap) GetObjectA(bitmap, sizeof info, &info);
    return info;
}
}  // namespace

int Picture::Width() const { return Info(bitmap_).bmWidth; }
int Picture::Height() const { return Info(bitmap_).bmHeight; }

void Picture::Reset() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
}

}  // namespace ombrelt::forms
