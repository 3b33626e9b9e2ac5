#pragma once
// A font a form gives its controls; owns its GDI object.
#include "automation/win32/WinApi.h"

#include <string>
#include <utility>

namespace ombrelt::forms {

class Font {
public:
    Font() = default;
    Font(const std::string& face, double points, bool bold = false);
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    Font(Font&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    Font& operator=(Font&& other) noexcept {
        if (this != &other) {
            Reset();
            font_ = std::exchange(other.font_, nullptr);
        }
        return *this;
    }
    ~Font() { Reset(); }

    HFONT Handle() const { return font_; }
    // The font controls get unless their form gives them another.
    static HFONT Default();

private:
    void Reset();
    HFONT font_ = nullptr;
};

// A bitmap a picture box shows; owns its GDI object.
class Picture {
public:
    Picture() = default;
    explicit Picture(HBITMAP bitmap) : bitmap_(bitmap) {}
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    Picture(Picture&& other) noexcept : bitmap_(std::exchange(other.bitmap_, nullptr)) {}
    Picture& operator=(Picture&& other) noexcept {
        if (this != &other) {
            Reset();
            bitmap_ = std::exchange(other.bitmap_, nullptr);
        }
        return *this;
    }
    ~Picture() { Reset(); }

    HBITMAP Handle() const { return bitmap_; }
    int Width() const;
    int Height() const;

private:
    void Reset();
    HBITMAP bitmap_ = nullptr;
};

}  // namespace ombrelt::forms
