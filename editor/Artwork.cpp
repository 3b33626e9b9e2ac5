#include "editor/Artwork.h"

namespace ombrelt::editor {

namespace {

// A bitmap compatible with the screen and a memory DC drawing on it.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(background);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        SetBkMode(dc_, TRANSPARENT);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_; }
    // Hands the bitmap over (deselected from the DC).
    forms::Picture Take() {
        if (old_) SelectObject(dc_, old_);
        old_ = nullptr;
        HBITMAP bitmap = bitmap_;
        bitmap_ = nullptr;
        return forms::Picture(bitmap);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

void Text(HDC dc, const char* text, RECT area, int height, int weight, COLORREF color, const char* face) {
    HFONT font = CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, color);
    DrawTextA(dc, text, -1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace

forms::Picture TitlePicture(int width, int height) {
    Canvas canvas(width, height, RGB(0, 0, 0));
    Text(canvas.Dc(), "Ombrelt", RECT{0, 0, width, height * 2 / 3}, height / 2, FW_BOLD, RGB(240, 240, 240),
         "Verdana");
    Text(canvas.Dc(), "Script based user events executor.", RECT{4, height * 2 / 3, width, height}, height / 8,
         FW_NORMAL, RGB(150, 170, 200), "Verdana");
    return canvas.Take();
}

forms::Picture LogoPicture(int size, COLORREF background) {
    Canvas canvas(size, size, background);
    HDC dc = canvas.Dc();
    const int m = size / 10;
    // The canopy: the upper half of a disc, in two colours.
    HBRUSH blue = CreateSolidBrush(RGB(40, 110, 200));
    HBRUSH light = CreateSolidBrush(RGB(90, 160, 235));
    HPEN none = static_cast<HPEN>(GetStockObject(NULL_PEN));
    HGDIOBJ oldPen = SelectObject(dc, none);
    HGDIOBJ oldBrush = SelectObject(dc, blue);
    Pie(dc, m, m, size - m, size - m, size - m, size / 2, m, size / 2);
    SelectObject(dc, light);
    Pie(dc, size / 3, m, size - size / 3, size - m, size - size / 3, size / 2, size / 3, size / 2);
    // The handle: a shaft and a hook.
    HPEN shaft = CreatePen(PS_SOLID, size / 16 + 1, RGB(120, 120, 120));
    SelectObject(dc, shaft);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    MoveToEx(dc, size / 2, size / 2, nullptr);
    LineTo(dc, size / 2, size - 2 * m);
    Arc(dc, size / 2 - 2 * m, size - 3 * m, size / 2, size - m, size / 2, size - 2 * m, size / 2 - 2 * m,
        size - 2 * m);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(shaft);
    DeleteObject(blue);
    DeleteObject(light);
    return canvas.Take();
}

}  // namespace ombrelt::editor
