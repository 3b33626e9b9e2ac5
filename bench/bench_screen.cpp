// The screen searches on 1920 x 1080 stores, against one plain pass over the
// same pixels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>
#include <random>

#include "automation/AutomationState.h"
#include "automation/mdlScreen.h"

namespace {

using ombrelt::AutomationState;
using ombrelt::PixelBuffer;
namespace mdlScreen = ombrelt::mdlScreen;

constexpr std::int32_t kW = 1920, kH = 1080, kIcon = 48;
constexpr std::uint32_t kBackground = 0xF0F0F0;

void Fill(PixelBuffer& b, int x, int y, int w, int h, std::uint32_t colour) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) b.Pixels[static_cast<std::size_t>(j) * kW + i] = colour;
}

std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r << 16 | g << 8 | b); }

void Icon(PixelBuffer& b, int x, int y, std::mt19937& rng) {
    const int hue = static_cast<int>(rng() % 200);
    for (int j = 0; j < kIcon; ++j)
        for (int i = 0; i < kIcon; ++i)
            b.Pixels[static_cast<std::size_t>(y + j) * kW + x + i] =
                Rgb(hue + (i + j) / 4, 40 + i * 3, 200 - j * 3) ^ static_cast<std::uint32_t>(rng() % 8);
}

// A state as a host starts it, with a full-screen store 0 and an icon-sized
// store 1 to fill.
AutomationState SceneState() {
    AutomationState state;
    state.SizeTables();
    state.FirstFindMode = true;
    state.ImageBuffers[0].Resize(kW, kH);
    state.ImageBuffers[1].Resize(kIcon, kIcon);
    return state;
}

// A desktop-like screen: flat background, title bars, panels, buttons, lines
// of dark "text" and icons; the icon sought lies near the bottom-right.
struct UiScene {
    AutomationState state = SceneState();
    UiScene() {
        std::mt19937 rng(1);
        PixelBuffer& s = state.ImageBuffers[0];
        Fill(s, 0, 0, kW, kH, kBackground);
        for (int win = 0; win < 6; ++win) {
            const int x = 40 + win * 300, y = 30 + (win % 3) * 320, w = 280, h = 300;
            Fill(s, x, y, w, h, 0xFFFFFF);
            Fill(s, x, y, w, 24, 0x0A64C8);  // title bar
            for (int k = 0; k < 4; ++k) Fill(s, x + 10 + k * 66, y + h - 34, 60, 24, 0xE1E1E1);  // buttons
            for (int line = 0; line < 10; ++line)  // text
                for (int i = x + 10; i < x + w - 20; ++i)
                    for (int j = y + 40 + line * 18; j < y + 50 + line * 18; ++j)
                        if (rng() % 3 == 0) s.Pixels[static_cast<std::size_t>(j) * kW + i] = 0x202020;
        }
        Fill(s, 0, kH - 40, kW, 40, 0x303030);  // task bar
        for (int k = 0; k < 30; ++k) Icon(s, 8 + k * 56, kH - 200 + (k % 2) * 60, rng);
        needleX = kW - 90;
        needleY = kH - 100;
        Icon(s, needleX, needleY, rng);
        PixelBuffer& n = state.ImageBuffers[1];
        for (int j = 0; j < kIcon; ++j)
            for (int i = 0; i < kIcon; ++i) n.Pixels[static_cast<std::size_t>(j) * kIcon + i] = s.At(needleX + i, needleY + j);
    }
    int needleX, needleY;
};

// Flat background with noise inside the tolerance, the patch's colour
// sprinkled over it and near copies of the patch; the needle is the
// background with the patch in its bottom-right corner, and is nowhere.
struct AdversarialScene {
    AutomationState state = SceneState();
    static constexpr std::uint32_t kPatch = 0x3050A0;
    AdversarialScene() {
        std::mt19937 rng(2);
        PixelBuffer& s = state.ImageBuffers[0];
        for (auto& p : s.Pixels) p = rng() % 997 == 0 ? kPatch : kBackground - 0x010101 * (rng() % 2);
        for (int k = 0; k < 40; ++k) {
            const int x = static_cast<int>(rng() % (kW - 8)), y = static_cast<int>(rng() % (kH - 8));
            Fill(s, x, y, 4, 4, kPatch);
            s.Pixels[static_cast<std::size_t>(y + 3) * kW + x + 3] = kBackground;  // one pixel off
        }
        PixelBuffer& n = state.ImageBuffers[1];
        for (auto& p : n.Pixels) p = kBackground;
        for (int j = kIcon - 6; j < kIcon - 2; ++j)
            for (int i = kIcon - 6; i < kIcon - 2; ++i) n.Pixels[static_cast<std::size_t>(j) * kIcon + i] = kPatch;
    }
};

// Vertical stripes of two colours, and a needle of the same stripes but for
// one pixel in its last row: every other candidate agrees with the needle
// almost to the end, and every needle pixel is as common as any other.
struct StripesScene {
    AutomationState state = SceneState();
    StripesScene() {
        auto stripe = [](int x) { return x % 2 == 0 ? 0x202020u : 0xE0E0E0u; };
        PixelBuffer& s = state.ImageBuffers[0];
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) s.Pixels[static_cast<std::size_t>(y) * kW + x] = stripe(x);
        PixelBuffer& n = state.ImageBuffers[1];
        for (int y = 0; y < kIcon; ++y)
            for (int x = 0; x < kIcon; ++x) n.Pixels[static_cast<std::size_t>(y) * kIcon + x] = stripe(x);
        n.Pixels.back() = stripe(kIcon);
    }
};

const UiScene& Ui() {
    static const UiScene scene;
    return scene;
}

void BM_Screen_PlainPass(benchmark::State& st) {
    const PixelBuffer& s = Ui().state.ImageBuffers[0];
    for (auto _ : st) benchmark::DoNotOptimize(std::accumulate(s.Pixels.begin(), s.Pixels.end(), std::uint64_t{0}));
}
BENCHMARK(BM_Screen_PlainPass)->Unit(benchmark::kMicrosecond);

void BM_Screen_ColorScanNoMatch(benchmark::State& st) {
    AutomationState state = Ui().state;
    mdlScreen::CreateColorRange(state, "colorrange1", 250, 0, 0, 255, 10, 10);  // pure red: nowhere
    for (auto _ : st)
        benchmark::DoNotOptimize(mdlScreen::IsPixelInArea(state, "imagesave0", "colorrange1", 0, 0, kW - 1, kH - 1));
}
BENCHMARK(BM_Screen_ColorScanNoMatch)->Unit(benchmark::kMicrosecond);

void BM_Screen_MeanBrightness(benchmark::State& st) {
    const AutomationState& state = Ui().state;
    for (auto _ : st) benchmark::DoNotOptimize(mdlScreen::GetSaturation(state, "imagesave0", 0, 0, kW - 1, kH - 1));
}
BENCHMARK(BM_Screen_MeanBrightness)->Unit(benchmark::kMicrosecond);

void BM_Screen_ImageSearchUi(benchmark::State& st) {
    AutomationState state = Ui().state;
    state.FirstFindMode = st.range(0) != 0;
    for (auto _ : st) {
        bool found = mdlScreen::IsImageInArea(state, "imagesave0", "imagesave1", "0", 0, 0, kW - 1, kH - 1);
        if (!found || state.LastFoundX != Ui().needleX || state.LastFoundY != Ui().needleY)
            st.SkipWithError("needle not found where it is");
    }
}
BENCHMARK(BM_Screen_ImageSearchUi)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// A whole-store search for a needle that is nowhere in the scene.
template <class Scene>
void SearchAbsentNeedle(benchmark::State& st, const char* tolerance) {
    static const Scene scene;
    AutomationState state = scene.state;
    for (auto _ : st)
        if (mdlScreen::IsImageInArea(state, "imagesave0", "imagesave1", tolerance, 0, 0, kW - 1, kH - 1))
            st.SkipWithError("found a needle that is not there");
}

void BM_Screen_ImageSearchAdversarial(benchmark::State& st) { SearchAbsentNeedle<AdversarialScene>(st, "2"); }
BENCHMARK(BM_Screen_ImageSearchAdversarial)->Unit(benchmark::kMillisecond);

void BM_Screen_ImageSearchStripes(benchmark::State& st) { SearchAbsentNeedle<StripesScene>(st, "0"); }
BENCHMARK(BM_Screen_ImageSearchStripes)->Unit(benchmark::kMillisecond);

// The plain pixel-by-pixel compare of the same adversarial search, for scale.
void BM_Screen_ImageSearchAdversarialPlain(benchmark::State& st) {
    static const AdversarialScene scene;
    const PixelBuffer& s = scene.state.ImageBuffers[0];
    const PixelBuffer& n = scene.state.ImageBuffers[1];
    for (auto _ : st) {
        bool found = false;
        for (int y = 0; y + kIcon <= kH && !found; ++y)
            for (int x = 0; x + kIcon <= kW && !found; ++x) {
                bool match = true;
                for (int j = 0; j < kIcon && match; ++j)
                    for (int i = 0; i < kIcon && match; ++i) {
                        const double a = mdlScreen::PixelBrightness(n.At(i, j));
                        const double b = mdlScreen::PixelBrightness(s.At(x + i, y + j));
                        match = b >= a - 3.0 && b <= a + 3.0;
                    }
                found = match;
            }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_Screen_ImageSearchAdversarialPlain)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
