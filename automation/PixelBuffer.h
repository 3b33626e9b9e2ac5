#pragma once
// A screen image as a plain array: 0x00RRGGBB pixels, rows top-down, x fastest,
// so its memory is exactly a top-down 32-bit device-independent bitmap.
// No GDI here: every search runs on it and is tested natively.
#include <cstdint>
#include <vector>

namespace ombrelt {

struct PixelBuffer {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint32_t> Pixels;  // Width * Height elements

    bool Empty() const { return Pixels.empty(); }
    bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= 0 && y >= 0 && x < Width && y < Height;
    }
    std::uint32_t At(std::int32_t x, std::int32_t y) const {
        return Pixels[static_cast<std::size_t>(y) * Width + x];
    }
    std::uint32_t* Row(std::int32_t y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
    const std::uint32_t* Row(std::int32_t y) const {
        return Pixels.data() + static_cast<std::size_t>(y) * Width;
    }
    void Resize(std::int32_t width, std::int32_t height) {
        Width = width;
        Height = height;
        Pixels.assign(static_cast<std::size_t>(width) * height, 0);
    }
    void Clear() {
        Width = Height = 0;
        Pixels.clear();
        Pixels.shrink_to_fit();
    }
};

}  // namespace ombrelt
