// Colour ranges and the colour searches.
#include <random>

#include "automation/ScriptError.h"
#include "screen_fixture.h"

namespace ombrelt::testing {
namespace {

using namespace ombrelt::mdlScreen;
using ScreenColor = ScreenTest;

TEST_F(ScreenColor, CreateColorRangeTakesRedBlueGreen) {
    CreateColorRange(state, "colorrange3", 10, 20, 30, 40, 50, 60);
    EXPECT_EQ(state.ColorRangeMin[3].Red, 10);
    EXPECT_EQ(state.ColorRangeMin[3].Blue, 20);
    EXPECT_EQ(state.ColorRangeMin[3].Green, 30);
    EXPECT_EQ(state.ColorRangeMax[3].Red, 40);
    EXPECT_EQ(state.ColorRangeMax[3].Blue, 50);
    EXPECT_EQ(state.ColorRangeMax[3].Green, 60);
    EXPECT_THROW(CreateColorRange(state, "colorrange", 1, 1, 1, 2, 2, 2), ScriptError);
    EXPECT_EQ(state.ColorRangeMax[0].Red, 0);  // nothing defined

    // Red 10..40 on byte 2, green 30..60 on byte 1, blue 20..50 on byte 0.
    Store(0) = Filled(4, 1, 0x0A1E14);
    Set(Store(0), 1, 0, 0x281E14);  // red 40: in
    Set(Store(0), 2, 0, 0x0A1D14);  // green 29: out
    Set(Store(0), 3, 0, 0x0A1E33);  // blue 51: out
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(IsPixelInArea(state, "imagesave0", "colorrange3", x, 0, x, 0), x < 2) << x;
}

TEST_F(ScreenColor, EqualBoundsMatchOneColour) {
    Store(1) = Filled(4, 1, 0x102030);
    Set(Store(1), 1, 0, 0x112030);
    Set(Store(1), 2, 0, 0x101F30);
    Set(Store(1), 3, 0, 0x102031);
    CreateColorRange(state, "colorrange1", 0x10, 0x30, 0x20, 0x10, 0x30, 0x20);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(IsPixelInArea(state, "1", "colorrange1", x, 0, x, 0), x == 0) << x;
}

TEST_F(ScreenColor, MoveMouseToColorRangeTakesTheFirstInRowOrder) {
    Store(0) = Filled(8, 5, 0x808080);
    Set(Store(0), 5, 2, kWhite);
    Set(Store(0), 1, 3, kWhite);
    CreateColorRange(state, "colorrange4", 255, 255, 255, 255, 255, 255);
    state.FirstFindMode = false;  // this search always takes the first match
    MoveMouseToColorRange(state, desktop, "imagesave0", "colorrange4");
    EXPECT_EQ(desktop.Cursor, (Point{5, 2}));
    EXPECT_EQ(state.LastFoundX, 5);
    EXPECT_EQ(state.LastFoundY, 2);

    // No match, an empty store, a store outside the table: nothing moves.
    desktop.Calls.clear();
    Found(-1, -1);
    CreateColorRange(state, "colorrange5", 1, 1, 1, 2, 2, 2);
    MoveMouseToColorRange(state, desktop, "imagesave0", "colorrange5");
    MoveMouseToColorRange(state, desktop, "imagesave9", "colorrange4");
    MoveMouseToColorRange(state, desktop, "imagesave51", "colorrange4");
    MoveMouseToColorRange(state, desktop, "imagesave", "colorrange4");
    EXPECT_TRUE(desktop.Calls.empty());
    EXPECT_EQ(state.LastFoundX, -1);

    // A range name without a number uses range 0 (black until defined).
    Set(Store(0), 6, 4, kBlack);
    MoveMouseToColorRange(state, desktop, "imagesave0", "colorrangex");
    EXPECT_EQ(desktop.Cursor, (Point{6, 4}));
}

TEST_F(ScreenColor, MoveMouseToColorRangeExSearchesItsArea) {
    Store(0) = Filled(10, 10, kBlack);
    Set(Store(0), 2, 2, kWhite);
    Set(Store(0), 7, 8, kWhite);
    Set(Store(0), 9, 9, kWhite);
    CreateColorRange(state, "colorrange1", 255, 255, 255, 255, 255, 255);

    MoveMouseToColorRangeEx(state, desktop, "0", "colorrange1", "3", "0", "12", "20");  // beyond the edge
    EXPECT_EQ(desktop.Cursor, (Point{7, 8}));

    MoveMouseToColorRangeEx(state, desktop, "0", "colorrange1", "8", "8", "lx", "9");  // x1 > x2
    EXPECT_EQ(desktop.Cursor, (Point{7, 8}));

    Found(9, 9);
    MoveMouseToColorRangeEx(state, desktop, "0", "colorrange1", "lx", "ly", "lx", "ly");
    EXPECT_EQ(desktop.Cursor, (Point{9, 9}));
    Found(2, 3);  // only (2, 3) is tested, and it is black
    desktop.Calls.clear();
    MoveMouseToColorRangeEx(state, desktop, "0", "colorrange1", "lx", "ly", "lx", "ly");
    MoveMouseToColorRangeEx(state, desktop, "0", "colorrange1", "0", "x", "9", "9");  // no number
    EXPECT_TRUE(desktop.Calls.empty());
    EXPECT_EQ(state.LastFoundX, 2);
}

TEST_F(ScreenColor, IsPixelInAreaFindModes) {
    Store(0) = Filled(6, 6, kBlack);
    Set(Store(0), 4, 1, kWhite);
    Set(Store(0), 1, 4, kWhite);
    Set(Store(0), 5, 5, kWhite);  // the image's last pixel
    CreateColorRange(state, "colorrange1", 200, 200, 200, 255, 255, 255);

    EXPECT_TRUE(IsPixelInArea(state, "0", "colorrange1", 0, 0, 4, 4));
    EXPECT_EQ(state.LastFoundX, 4);
    EXPECT_EQ(state.LastFoundY, 1);
    state.FirstFindMode = false;
    EXPECT_TRUE(IsPixelInArea(state, "0", "colorrange1", 0, 0, 4, 4));
    EXPECT_EQ(state.LastFoundX, 1);
    EXPECT_EQ(state.LastFoundY, 4);
    EXPECT_TRUE(IsPixelInArea(state, "0", "colorrange1", 0, 0, 5, 5));
    EXPECT_EQ(state.LastFoundX, 5);
    EXPECT_EQ(state.LastFoundY, 5);
    EXPECT_TRUE(IsPixelInArea(state, "0", "colorrange1", 5, 5, 30, 30));  // partly outside
}

TEST_F(ScreenColor, IsPixelInAreaNeverReportsWhatItCannotRead) {
    Store(0) = Filled(4, 4, kBlack);
    CreateColorRange(state, "colorrange1", 0, 0, 0, 0, 0, 0);
    Found(9, 9);
    EXPECT_FALSE(IsPixelInArea(state, "0", "colorrange1", 3, 0, 2, 3));   // x1 > x2
    EXPECT_FALSE(IsPixelInArea(state, "0", "colorrange1", 0, 3, 3, 2));   // y1 > y2
    EXPECT_FALSE(IsPixelInArea(state, "0", "colorrange1", 4, 0, 9, 9));   // outside the image
    EXPECT_FALSE(IsPixelInArea(state, "0", "colorrange1", -5, -5, -1, -1));
    EXPECT_FALSE(IsPixelInArea(state, "1", "colorrange1", 0, 0, 0, 0));   // never filled
    EXPECT_FALSE(IsPixelInArea(state, "51", "colorrange1", 0, 0, 0, 0));  // outside the table
    EXPECT_FALSE(IsPixelInArea(state, "x", "colorrange1", 0, 0, 0, 0));   // names no store
    EXPECT_EQ(state.LastFoundX, 9);
    EXPECT_EQ(state.LastFoundY, 9);
}

// The block-wise scans against a plain one, over rows that cross block edges.
TEST_F(ScreenColor, ScansAgreeWithAPlainScan) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); };
    for (int round = 0; round < 600; ++round) {
        std::uint32_t palette[4];
        for (auto& c : palette) c = rng() & 0xFFFFFFFF;  // the fourth byte too: it is no channel
        const int w = pick(1, 45), h = pick(1, 5);
        PixelBuffer& b = Store(0) = Filled(w, h, palette[0]);
        for (auto& p : b.Pixels) p = palette[pick(0, 3) * (pick(0, 4) == 0)];
        // Bounds around one palette colour, sometimes beyond 0..255.
        const std::uint32_t c = palette[pick(1, 3)];
        std::int16_t lo[3], hi[3];  // red, green, blue
        for (int k = 0; k < 3; ++k) {
            const int v = static_cast<int>(c >> (16 - 8 * k) & 0xFF);
            lo[k] = static_cast<std::int16_t>(v - pick(-2, 40));
            hi[k] = static_cast<std::int16_t>(v + pick(-2, 40));
        }
        CreateColorRange(state, "colorrange6", lo[0], lo[2], lo[1], hi[0], hi[2], hi[1]);
        auto in = [&](std::uint32_t p) {
            for (int k = 0; k < 3; ++k) {
                const int v = static_cast<int>(p >> (16 - 8 * k) & 0xFF);
                if (v < lo[k] || v > hi[k]) return false;
            }
            return true;
        };
        int x1 = pick(-2, w + 1), x2 = pick(-2, w + 1), y1 = pick(-1, h), y2 = pick(-1, h);
        if (pick(0, 1) == 0) x1 = y1 = -1, x2 = w, y2 = h;
        for (bool first : {true, false}) {
            std::optional<Point> expected;
            for (int y = y1; y <= y2; ++y)
                for (int x = x1; x <= x2; ++x)
                    if (b.Contains(x, y) && in(b.At(x, y)) && (!expected || !first)) expected = Point{x, y};
            state.FirstFindMode = first;
            Found(-7, -7);
            const bool found = IsPixelInArea(state, "0", "colorrange6", x1, y1, x2, y2);
            ASSERT_EQ(found, expected.has_value()) << round;
            const Point last{state.LastFoundX, state.LastFoundY};
            ASSERT_EQ(last, expected.value_or(Point{-7, -7})) << round;
        }
    }
}

}  // namespace
}  // namespace ombrelt::testing
