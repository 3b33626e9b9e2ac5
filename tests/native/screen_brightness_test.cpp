// Brightness of pixels and areas.
#include "screen_fixture.h"

namespace ombrelt::testing {
namespace {

using namespace ombrelt::mdlScreen;
using ScreenBrightness = ScreenTest;

TEST_F(ScreenBrightness, GetSaturationFollowsTheFormula) {
    EXPECT_EQ(PixelBrightness(kWhite), 99.609375);
    EXPECT_EQ(PixelBrightness(kBlack), 0.0);
    EXPECT_EQ(PixelBrightness(0xFF000000), 0.0);  // the fourth byte is no channel

    Store(0) = Filled(4, 6, kBlack);
    Set(Store(0), 0, 0, kWhite);
    Set(Store(0), 1, 1, kWhite);
    for (int y = 0; y < 6; ++y) Set(Store(0), 3, y, kWhite);
    EXPECT_EQ(GetSaturation(state, "0", 0, 0, 0, 0), 99.609375);
    EXPECT_EQ(GetSaturation(state, "0", 1, 0, 1, 0), 0.0);
    EXPECT_EQ(GetSaturation(state, "0", 0, 0, 1, 1), 49.8046875);
    EXPECT_EQ(GetSaturation(state, "imagesave0", 3, 0, 3, 5), 99.609375);
}

TEST_F(ScreenBrightness, UniformAreasHaveTheirPixelsBrightnessExactly) {
    // Summing the pixels' thirds one by one in floating point would drift;
    // the mean of a uniform area must equal its pixel's brightness bit for bit.
    for (std::uint32_t sum = 0; sum <= 765; ++sum) {
        const std::uint32_t r = std::min(sum, 255u), g = std::min(sum - r, 255u), b = sum - r - g;
        const std::uint32_t colour = r << 16 | g << 8 | b;
        Store(2) = Filled(7, 3, colour);
        ASSERT_EQ(GetSaturation(state, "2", 0, 0, 6, 2), PixelBrightness(colour)) << sum;
        ASSERT_EQ(PixelBrightness(colour), sum / 3.0 / 256.0 * 100.0) << sum;
    }
}

// Measuring counts a point outside the image with the pixel read before it;
// the tests never find an area they cannot read wholly.
TEST_F(ScreenBrightness, UnreadablePointsRepeatTheLastPixelAndAreNeverFound) {
    Store(0) = Filled(4, 4, kBlack);
    Set(Store(0), 3, 2, kWhite);
    EXPECT_EQ(GetSaturation(state, "0", 2, 2, 4, 3), 99.609375 / 3);  // B W (W) / B B (B)
    EXPECT_EQ(GetSaturation(state, "0", 3, 1, 3, 2), 49.8046875);
    EXPECT_EQ(GetSaturation(state, "0", 3, 2, 3, 5), 99.609375 / 4);  // W, then B and its repeats
    Store(0) = Filled(4, 4, kWhite);
    EXPECT_EQ(GetSaturation(state, "0", -1, 0, 0, 0), 99.609375 / 2);  // 0 before any pixel
    EXPECT_EQ(GetSaturation(state, "0", -3, -3, -1, -1), 0.0);
    EXPECT_EQ(GetSaturation(state, "0", 2, 0, 1, 3), 0.0);     // x1 > x2
    EXPECT_EQ(GetSaturation(state, "0", 0, 3, 3, 0), 0.0);     // y1 > y2
    EXPECT_EQ(GetSaturation(state, "1", 0, 0, 0, 0), 0.0);     // never filled
    EXPECT_EQ(GetSaturation(state, "51", 0, 0, 0, 0), 0.0);
    EXPECT_EQ(GetSaturation(state, "none", 0, 0, 0, 0), 0.0);

    Store(1) = Filled(4, 4, kBlack);
    Found(9, 9);
    EXPECT_FALSE(IsSaturationInArea(state, "1", "0", "0", 2, 0, 1, 3));   // no pixels: not found
    EXPECT_FALSE(IsSaturationInArea(state, "1", "0", "0", 3, 3, 4, 4));   // partly outside
    EXPECT_FALSE(IsSaturationInArea(state, "2", "0", "0", 0, 0, 0, 0));   // never filled
    EXPECT_EQ(state.LastFoundX, 9);
}

TEST_F(ScreenBrightness, IsSaturationInAreaBand) {
    Store(0) = Filled(2, 2, kBlack);
    Set(Store(0), 0, 0, kWhite);
    Set(Store(0), 1, 1, kWhite);  // mean 49.8046875
    Found(9, 9);
    // Absolute values: target 50, tolerance -10 is the band 40 to 60.
    EXPECT_TRUE(IsSaturationInArea(state, "0", "50", "-10", 0, 0, 1, 1));
    EXPECT_EQ(state.LastFoundX, 0);
    EXPECT_EQ(state.LastFoundY, 0);
    EXPECT_TRUE(IsSaturationInArea(state, "0", "-50", "0.1953125", 0, 0, 1, 1));  // bound included
    Found(9, 9);
    EXPECT_FALSE(IsSaturationInArea(state, "0", "50", "0.19", 0, 0, 1, 1));
    EXPECT_FALSE(IsSaturationInArea(state, "0", "30", "10", 0, 0, 1, 1));
    EXPECT_EQ(state.LastFoundX, 9);

    // The area's first corner is published, not a pixel.
    EXPECT_TRUE(IsSaturationInArea(state, "0", "99.609375", "0", 1, 1, 1, 1));
    EXPECT_EQ(state.LastFoundX, 1);
    EXPECT_FALSE(IsSaturationInArea(state, "0", "99.6", "0", 0, 0, 0, 0));
    EXPECT_TRUE(IsSaturationInArea(state, "0", "99.6", "0.01", 0, 0, 0, 0));
    // A target or tolerance that is no number counts as 0.
    EXPECT_TRUE(IsSaturationInArea(state, "0", "dark", "x", 1, 0, 1, 0));
    EXPECT_FALSE(IsSaturationInArea(state, "0", "dark", "x", 0, 0, 0, 0));
}

}  // namespace
}  // namespace ombrelt::testing
