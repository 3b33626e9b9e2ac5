// Scripts that look at the real screen: captures find painted colours where
// they are, the pointer moves to them, pictures round-trip through files, and
// a broken picture file leaves its store empty while the script goes on.
#include <gtest/gtest.h>

#include <fstream>

#include "TestWindow.h"
#include "automation/win32/Win32Desktop.h"
#include "automation/mdlScreen.h"
#include "engine/SC.h"

namespace ombrelt::win32 {
namespace {

using ombrelt::testing::PumpUntil;
using ombrelt::testing::TestWindow;

std::string TempFolder() {
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string f(folder);
    if (!f.empty() && f.back() == '\\') f.pop_back();
    return f;
}

bool ScreenShows(int x, int y, COLORREF color) {
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c == color;
}

struct ScriptHost {
    AutomationState State;
    Win32Desktop Desk;
    SC Engine{State, Desk};
    ScriptHost() {
        State.SizeTables();
        State.FirstFindMode = true;
        State.ImageBaseFolder = TempFolder();
    }
    void Run(std::string body) {
        std::string script = "function(main);" + body + "endfunction();";
        Engine.Initialize(script);
        Engine.Execute();
    }
    std::string Var(const std::string& name) { return Engine.GetVariableAsString(name); }
};

TEST(ScriptScreen, CaptureFindsPaintedColoursAndMovesThePointerThere) {
    TestWindow window(300, 200, 80, 40, RGB(255, 0, 0), RGB(0x12, 0x34, 0x56));
    ASSERT_TRUE(PumpUntil([] { return ScreenShows(370, 230, RGB(0x12, 0x34, 0x56)); }));
    ScriptHost h;
    SetCursorPos(5, 5);
    // Ranges are given as red, blue, green.
    h.Run("capturescreen(imagesave0);createcolorrange(colorrange1,255,0,0,255,0,0);"
          "createcolorrange(colorrange2,18,86,52,18,86,52);"
          "movemousetocolorrange(imagesave0,colorrange1);"
          "ispixel(right,imagesave0,370,230,colorrange2);ispixel(left,imagesave0,310,230,colorrange2);"
          "getsaturation(b,imagesave0,310,210);");
    POINT p{};
    EXPECT_TRUE(PumpUntil([&] { return GetCursorPos(&p) && p.x == 300 && p.y == 200; })) << p.x << "," << p.y;
    EXPECT_EQ(h.Var("right"), "True");
    EXPECT_EQ(h.Var("lx"), "370");  // the last match: the pixel test after the move
    EXPECT_EQ(h.Var("ly"), "230");
    EXPECT_EQ(h.Var("left"), "False");
    EXPECT_EQ(h.Var("b"), "33.203125");  // 255 / 3 / 256 * 100
    const PixelBuffer& shot = h.State.ImageBuffers[0];
    ASSERT_EQ(shot.Width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(shot.At(379, 239), 0x123456u);
}

TEST(ScriptScreen, PicturesRoundTripAndANeedleIsFoundWhereItWasCut) {
    TestWindow window(300, 200, 80, 40, RGB(200, 30, 30), RGB(30, 200, 90));
    ASSERT_TRUE(PumpUntil([] { return ScreenShows(370, 230, RGB(30, 200, 90)); }));
    ScriptHost h;
    std::string shot = h.State.ImageBaseFolder + "\\ombrelt_shot.bmp";
    DeleteFileA(shot.c_str());
    h.Run("capturescreen(0);saveimage(0,\"" + shot + "\");loadimage(1,ombrelt_shot.bmp);");
    ASSERT_FALSE(h.State.ImageBuffers[1].Empty());
    EXPECT_EQ(h.State.ImageBuffers[1].Pixels, h.State.ImageBuffers[0].Pixels);

    // A needle across the window's two colours and its top edge, cut from the
    // capture, so that it fits in one place only.
    PixelBuffer needle;
    needle.Resize(20, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) needle.Pixels[y * 20 + x] = h.State.ImageBuffers[0].At(330 + x, 195 + y);
    ASSERT_TRUE(h.Desk.SavePicture(h.State.ImageBaseFolder + "\\ombrelt_needle.bmp", needle));
    h.Run("loadimage(2,\\ombrelt_needle.bmp);isimageinarea(found,imagesave0,imagesave2,250,150,400,300);"
          "isimage(here,imagesave0,imagesave2,331,195);");
    EXPECT_EQ(h.Var("found"), "True");
    EXPECT_EQ(h.Var("lx"), "330");
    EXPECT_EQ(h.Var("ly"), "195");
    EXPECT_EQ(h.Var("here"), "False");
    DeleteFileA(shot.c_str());
}

TEST(ScriptScreen, BrokenOrMissingPictureLeavesTheStoreEmptyAndTheScriptGoing) {
    ScriptHost h;
    std::string corrupt = h.State.ImageBaseFolder + "\\ombrelt_corrupt.bmp";
    {
        std::ofstream out(corrupt, std::ios::binary | std::ios::trunc);
        out << "BM this is not a picture";
    }
    h.State.ImageBuffers[3].Resize(2, 2);
    h.State.ImageBuffers[4].Resize(2, 2);
    h.Run("loadimage(3,ombrelt_corrupt.bmp);loadimage(4,ombrelt_missing.bmp);int(after,1);");
    EXPECT_TRUE(h.State.ImageBuffers[3].Empty());
    EXPECT_TRUE(h.State.ImageBuffers[4].Empty());
    EXPECT_EQ(h.Var("after"), "1");
    DeleteFileA(corrupt.c_str());
}

}  // namespace
}  // namespace ombrelt::win32
