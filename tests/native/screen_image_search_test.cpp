// Image search.
#include <random>

#include "screen_fixture.h"

namespace ombrelt::testing {
namespace {

using namespace ombrelt::mdlScreen;
using ScreenImageSearch = ScreenTest;

constexpr std::uint32_t kGrey = 0x808080, kRed = 0xC00000;

std::uint32_t ChannelSum(std::uint32_t p) { return (p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF); }

// A colour whose channel sum is exactly sum.
std::uint32_t WithSum(std::uint32_t sum) {
    const std::uint32_t r = std::min(sum, 255u), g = std::min(sum - r, 255u), b = sum - r - g;
    return r << 16 | g << 8 | b;
}

void Paste(PixelBuffer& image, const PixelBuffer& needle, int x, int y) {
    for (int j = 0; j < needle.Height; ++j)
        for (int i = 0; i < needle.Width; ++i) Set(image, x + i, y + j, needle.At(i, j));
}

PixelBuffer Needle() {
    PixelBuffer n = Filled(3, 2, kWhite);
    Set(n, 0, 0, kRed);
    Set(n, 2, 1, kGrey);
    return n;
}

TEST_F(ScreenImageSearch, FirstAndLastMatch) {
    Store(0) = Filled(40, 8, kBlack);
    Store(1) = Needle();
    Paste(Store(0), Store(1), 20, 1);
    Paste(Store(0), Store(1), 4, 5);
    Paste(Store(0), Store(1), 37, 6);  // at the bottom-right edge

    EXPECT_TRUE(IsImageInArea(state, "imagesave0", "imagesave1", "0", 0, 0, 39, 7));
    EXPECT_EQ(state.LastFoundX, 20);
    EXPECT_EQ(state.LastFoundY, 1);
    state.FirstFindMode = false;
    EXPECT_TRUE(IsImageInArea(state, "0", "1", "0", 0, 0, 39, 7));
    EXPECT_EQ(state.LastFoundX, 37);
    EXPECT_EQ(state.LastFoundY, 6);
    EXPECT_TRUE(IsImageInArea(state, "0", "1", "0", 0, 0, 30, 7));
    EXPECT_EQ(state.LastFoundX, 4);
    EXPECT_EQ(state.LastFoundY, 5);

    // One point: only that candidate.
    EXPECT_TRUE(IsImageInArea(state, "0", "1", "0", 20, 1, 20, 1));
    EXPECT_EQ(state.LastFoundX, 20);
    Found(-3, -3);
    EXPECT_FALSE(IsImageInArea(state, "0", "1", "0", 21, 1, 21, 1));
    EXPECT_FALSE(IsImageInArea(state, "0", "1", "0", 21, 0, 20, 7));  // x1 > x2
    EXPECT_FALSE(IsImageInArea(state, "0", "1", "0", 0, 2, 39, 1));   // y1 > y2
    EXPECT_EQ(state.LastFoundX, -3);
}

TEST_F(ScreenImageSearch, TheNeedleMustLieWhollyInsideTheImage) {
    Store(0) = Filled(6, 4, kBlack);
    Store(1) = Filled(2, 2, kWhite);
    // Only its left column would be on the image at (5, 0).
    Set(Store(0), 5, 0, kWhite);
    Set(Store(0), 5, 1, kWhite);
    EXPECT_FALSE(IsImageInArea(state, "0", "1", "0", 0, 0, 30, 30));
    EXPECT_FALSE(IsImageInArea(state, "0", "1", "0", -1, -1, -1, -1));

    Paste(Store(0), Store(1), 4, 2);  // the bottom-right corner
    EXPECT_TRUE(IsImageInArea(state, "0", "1", "0", -100, -100, 100, 100));
    EXPECT_EQ(state.LastFoundX, 4);
    EXPECT_EQ(state.LastFoundY, 2);

    EXPECT_TRUE(IsImageInArea(state, "0", "0", "0", 0, 0, 0, 0));   // the whole image
    EXPECT_FALSE(IsImageInArea(state, "1", "0", "0", 0, 0, 0, 0));  // larger than the image
}

TEST_F(ScreenImageSearch, ToleranceHoldsBothWays) {
    // Tolerance 0 allows a brightness difference of 1: 7 in the channel sum
    // (0.911...), not 8 (1.041...).
    Store(1) = Filled(1, 1, WithSum(300));
    for (int delta : {-8, -7, 0, 7, 8}) {
        Store(0) = Filled(1, 1, WithSum(300 + delta));
        EXPECT_EQ(IsImageInArea(state, "0", "1", "0", 0, 0, 0, 0), std::abs(delta) <= 7) << delta;
        EXPECT_EQ(IsImageInArea(state, "0", "1", "-1", 0, 0, 0, 0), delta == 0) << delta;
        EXPECT_EQ(IsImageInArea(state, "0", "1", "none", 0, 0, 0, 0), std::abs(delta) <= 7) << delta;
        EXPECT_FALSE(IsImageInArea(state, "0", "1", "-2", 0, 0, 0, 0)) << delta;
        EXPECT_TRUE(IsImageInArea(state, "0", "1", "1e300", 0, 0, 0, 0)) << delta;
    }
    // Bounds are included exactly: sum 96 is brightness 12.5, sum 0 is 0.
    for (auto [needle, image] : {std::pair{0u, 96u}, std::pair{96u, 0u}}) {
        Store(0) = Filled(1, 1, WithSum(image));
        Store(1) = Filled(1, 1, WithSum(needle));
        EXPECT_TRUE(IsImageInArea(state, "0", "1", "11.5", 0, 0, 0, 0));
        EXPECT_FALSE(IsImageInArea(state, "0", "1", "11.49", 0, 0, 0, 0));
    }
    Store(0) = Filled(1, 1, WithSum(97));
    Store(1) = Filled(1, 1, WithSum(0));
    EXPECT_FALSE(IsImageInArea(state, "0", "1", "11.5", 0, 0, 0, 0));
}

TEST_F(ScreenImageSearch, EmptyOrMissingStoresFindNothing) {
    Store(0) = Filled(4, 4, kWhite);
    Store(1) = Filled(1, 1, kWhite);
    Found(5, 5);
    EXPECT_FALSE(IsImageInArea(state, "0", "2", "0", 0, 0, 3, 3));    // needle never filled
    EXPECT_FALSE(IsImageInArea(state, "2", "1", "0", 0, 0, 3, 3));    // image never filled
    EXPECT_FALSE(IsImageInArea(state, "0", "51", "0", 0, 0, 3, 3));
    EXPECT_FALSE(IsImageInArea(state, "0", "needle", "0", 0, 0, 3, 3));
    EXPECT_EQ(state.LastFoundX, 5);
}

// The search against the definition, checked pixel by pixel at every candidate.
std::optional<Point> Reference(const PixelBuffer& image, const PixelBuffer& needle, double tol, int x1,
                               int y1, int x2, int y2, bool first) {
    std::optional<Point> found;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            if (x < 0 || y < 0 || x + needle.Width > image.Width || y + needle.Height > image.Height) continue;
            bool match = true;
            for (int j = 0; j < needle.Height && match; ++j)
                for (int i = 0; i < needle.Width && match; ++i) {
                    const double n = PixelBrightness(needle.At(i, j)), c = PixelBrightness(image.At(x + i, y + j));
                    match = c >= n - tol - 1.0 && c <= n + tol + 1.0;
                }
            if (match && !found) found = Point{x, y};
            if (match && !first) found = Point{x, y};
        }
    return found;
}

TEST_F(ScreenImageSearch, AgreesWithTheDefinition) {
    std::mt19937 rng(11);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* tolerances[] = {"0", "-1", "2", "0.5", "5", "-0.3"};
    for (int round = 0; round < 1500; ++round) {
        const int w = 1 + pick(40), h = 1 + pick(8);
        PixelBuffer& image = Store(0) = Filled(w, h, kBlack);
        // Few brightness levels, with small noise, so that near and full matches are common.
        for (auto& p : image.Pixels) p = WithSum(static_cast<std::uint32_t>(pick(3) * 200 + pick(10)));
        const int nw = 1 + pick(std::min(w, 5)), nh = 1 + pick(std::min(h, 4));
        const int nx = pick(w - nw + 1), ny = pick(h - nh + 1);
        PixelBuffer& needle = Store(1) = Filled(nw, nh, kBlack);
        for (int j = 0; j < nh; ++j)
            for (int i = 0; i < nw; ++i) {
                const int sum = static_cast<int>(ChannelSum(image.At(nx + i, ny + j))) + pick(21) - 10;
                Set(needle, i, j, WithSum(static_cast<std::uint32_t>(std::clamp(sum, 0, 765))));
            }
        if (pick(2) == 0) Paste(image, needle, pick(w - nw + 1), pick(h - nh + 1));
        const char* tol = tolerances[pick(6)];
        int x1 = pick(w + 4) - 2, x2 = pick(w + 4) - 2, y1 = pick(h + 2) - 1, y2 = pick(h + 2) - 1;
        if (pick(2) == 0) x1 = y1 = -1, x2 = w, y2 = h;
        for (bool first : {true, false}) {
            state.FirstFindMode = first;
            Found(-9, -9);
            const auto expected = Reference(image, needle, std::stod(tol), x1, y1, x2, y2, first);
            ASSERT_EQ(IsImageInArea(state, "0", "1", tol, x1, y1, x2, y2), expected.has_value()) << round;
            ASSERT_EQ((Point{state.LastFoundX, state.LastFoundY}), expected.value_or(Point{-9, -9})) << round;
        }
    }
}

}  // namespace
}  // namespace ombrelt::testing
