// Screen capture, picture loading and bitmap saving against the real screen
// and real files.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "TestWindow.h"
#include "automation/win32/Win32Desktop.h"

namespace ombrelt::win32 {
namespace {

using ombrelt::testing::PumpUntil;
using ombrelt::testing::TestWindow;
using Bytes = std::vector<std::uint8_t>;

std::string TempPath(const char* name) {
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint32_t Get32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

PixelBuffer MakeBuffer(int w, int h, std::initializer_list<std::uint32_t> pixels) {
    PixelBuffer b;
    b.Resize(w, h);
    b.Pixels.assign(pixels);
    return b;
}

TEST(Screen, CaptureReadsPaintedColoursAtTheirScreenPositions) {
    Win32Desktop desktop;
    TestWindow window(300, 200, 80, 40, RGB(255, 0, 0), RGB(0x12, 0x34, 0x56));
    ASSERT_TRUE(PumpUntil([] {
        HDC screen = GetDC(nullptr);
        COLORREF c = GetPixel(screen, 370, 230);
        ReleaseDC(nullptr, screen);
        return c == RGB(0x12, 0x34, 0x56);
    }));
    ScreenMetrics metrics = desktop.Screen();
    EXPECT_EQ(metrics.WidthPixels, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(metrics.HeightPixels, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(metrics.TwipsPerPixelX, 15);  // 96 dpi

    PixelBuffer shot;
    ASSERT_TRUE(desktop.CaptureScreen(shot));
    EXPECT_EQ(shot.Width, metrics.WidthPixels);
    EXPECT_EQ(shot.Height, metrics.HeightPixels);
    EXPECT_EQ(shot.At(300, 200), 0x00FF0000u);
    EXPECT_EQ(shot.At(339, 239), 0x00FF0000u);
    EXPECT_EQ(shot.At(340, 200), 0x00123456u);
    EXPECT_EQ(shot.At(379, 239), 0x00123456u);
    EXPECT_NE(shot.At(380, 239), 0x00123456u);
    EXPECT_NE(shot.At(379, 240), 0x00123456u);
}

TEST(Screen, LoadsPictureFilesAndEmptiesOnAnythingElse) {
    Win32Desktop desktop;
    // 3 x 2, 24 bits, rows bottom-up and padded to 12 bytes.
    Bytes bmp(54 + 24, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    Put32(bmp, 10, 54);
    Put32(bmp, 14, 40);
    Put32(bmp, 18, 3);
    Put32(bmp, 22, 2);
    bmp[26] = 1;
    bmp[28] = 24;
    const std::uint8_t rows[24] = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x80, 0x80, 0, 0, 0,   // bottom: white black grey
                                   0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0};         // top: red green blue
    std::memcpy(bmp.data() + 54, rows, sizeof rows);
    const std::string bmpPath = TempPath("ombrelt-fixture.bmp");
    WriteFile(bmpPath, bmp);
    PixelBuffer loaded;
    ASSERT_TRUE(desktop.LoadPicture(bmpPath, loaded));
    EXPECT_EQ(loaded.Width, 3);
    EXPECT_EQ(loaded.Height, 2);
    EXPECT_EQ(loaded.Pixels,
              (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080}));

    // A 1 x 1 GIF whose only pixel is palette entry 0, red.
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                       ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, ';'};
    const std::string gifPath = TempPath("ombrelt-fixture.gif");
    WriteFile(gifPath, gif);
    ASSERT_TRUE(desktop.LoadPicture(gifPath, loaded));
    EXPECT_EQ(loaded.Width, 1);
    EXPECT_EQ(loaded.Height, 1);
    EXPECT_EQ(loaded.At(0, 0), 0xFF0000u);

    // A 2 x 2 icon, 32 bits, opaque: icons are drawn at their size.
    Bytes ico = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0, 64, 0, 0, 0, 22, 0, 0, 0};
    Bytes icoImage(64, 0);
    Put32(icoImage, 0, 40);
    Put32(icoImage, 4, 2);
    Put32(icoImage, 8, 4);  // colour and mask rows
    icoImage[12] = 1;
    icoImage[14] = 32;
    const std::uint8_t icoRows[16] = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,   // bottom: blue white
                                      0, 0, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF};         // top: red green
    std::memcpy(icoImage.data() + 40, icoRows, sizeof icoRows);
    ico.insert(ico.end(), icoImage.begin(), icoImage.end());
    const std::string icoPath = TempPath("ombrelt-fixture.ico");
    WriteFile(icoPath, ico);
    ASSERT_TRUE(desktop.LoadPicture(icoPath, loaded));
    EXPECT_EQ(loaded.Width, 2);
    EXPECT_EQ(loaded.Height, 2);
    EXPECT_EQ(loaded.Pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));

    // A damaged file, an empty one and a missing one leave the buffer empty.
    Bytes damaged(bmp.begin(), bmp.begin() + 40);
    const std::string damagedPath = TempPath("ombrelt-damaged.bmp");
    for (const Bytes& content : {damaged, Bytes{}, Bytes(500, 0x5A)}) {
        WriteFile(damagedPath, content);
        EXPECT_FALSE(desktop.LoadPicture(damagedPath, loaded)) << content.size();
        EXPECT_TRUE(loaded.Empty());
        EXPECT_EQ(loaded.Width, 0);
        loaded = MakeBuffer(1, 1, {1});
    }
    EXPECT_FALSE(desktop.LoadPicture(TempPath("ombrelt-no-such-file.bmp"), loaded));
    EXPECT_TRUE(loaded.Empty());
    DeleteFileA(bmpPath.c_str());
    DeleteFileA(gifPath.c_str());
    DeleteFileA(icoPath.c_str());
    DeleteFileA(damagedPath.c_str());
}

TEST(Screen, SaveWritesAnUprightBitmapOfTheBuffer) {
    Win32Desktop desktop;
    const PixelBuffer picture = MakeBuffer(
        5, 3, {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000,
               0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0});
    const std::string path = TempPath("ombrelt-saved.bmp");
    ASSERT_TRUE(desktop.SavePicture(path, picture));

    Bytes file = ReadFile(path);
    const std::size_t rowBytes = 16;  // 5 x 3 bytes, padded
    ASSERT_EQ(file.size(), 54 + 3 * rowBytes);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Get32(file, 2), file.size());
    EXPECT_EQ(Get32(file, 10), 54u);
    EXPECT_EQ(Get32(file, 18), 5u);
    EXPECT_EQ(Get32(file, 22), 3u);  // positive: bottom-up rows
    EXPECT_EQ(file[28], 24);
    for (int y = 0; y < 3; ++y) {
        const std::size_t row = 54 + (2 - y) * rowBytes;
        for (int x = 0; x < 5; ++x) {
            std::uint32_t p = file[row + 3 * x] | file[row + 3 * x + 1] << 8 | file[row + 3 * x + 2] << 16;
            EXPECT_EQ(p, picture.At(x, y)) << x << "," << y;
        }
    }
    PixelBuffer back;
    ASSERT_TRUE(desktop.LoadPicture(path, back));
    EXPECT_EQ(back.Pixels, picture.Pixels);

    // An empty buffer leaves the file as it was.
    EXPECT_FALSE(desktop.SavePicture(path, PixelBuffer{}));
    EXPECT_EQ(ReadFile(path), file);
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace ombrelt::win32
