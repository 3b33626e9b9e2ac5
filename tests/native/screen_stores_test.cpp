// Store and range names, coordinates, capture, load and save.
#include "automation/ScriptError.h"
#include "screen_fixture.h"

namespace ombrelt::testing {
namespace {

using namespace ombrelt::mdlScreen;

TEST(ScreenNames, StoreNameRule) {
    EXPECT_EQ(StoreIndex("imagesave3"), 3);
    EXPECT_EQ(StoreIndex("3"), 3);
    EXPECT_EQ(StoreIndex(" 3 "), 3);
    EXPECT_EQ(StoreIndex("3imagesave"), 3);          // removed wherever it stands
    EXPECT_EQ(StoreIndex("imagesave2.5"), 2);        // halves to even
    EXPECT_EQ(StoreIndex("imagesave3.5"), 4);
    EXPECT_EQ(StoreIndex("imagesave51"), 51);        // a number, outside the table
    EXPECT_EQ(StoreIndex("imagesave99999"), -1);     // beyond 16 bits: outside, not store 0
    EXPECT_EQ(StoreIndex("imagesave"), std::nullopt);
    EXPECT_EQ(StoreIndex("imagesavex"), std::nullopt);
    EXPECT_EQ(StoreIndex(""), std::nullopt);
    EXPECT_EQ(StoreIndex("Imagesave3"), std::nullopt);  // case-sensitive
    EXPECT_EQ(StoreIndex("imageimagesavesave3"), std::nullopt);  // one pass: "imagesave3" is left
}

TEST(ScreenNames, ColorRangeNameRule) {
    EXPECT_EQ(ColorRangeIndex("colorrange3"), 3);
    EXPECT_EQ(ColorRangeIndex("colorrange12"), 1);  // only the eleventh character
    EXPECT_EQ(ColorRangeIndex("abcdefghij7"), 7);   // the first ten are not compared
    EXPECT_THROW(ColorRangeIndex("colorrange"), ScriptError);
    EXPECT_THROW(ColorRangeIndex("colorrangex"), ScriptError);
    EXPECT_THROW(ColorRangeIndex("colorrange-1"), ScriptError);
}

TEST(ScreenNames, ParseCoordinate) {
    AutomationState state;
    state.LastFoundX = 17;
    state.LastFoundY = -4;
    EXPECT_EQ(ParseCoordinate(state, "lx"), 17);
    EXPECT_EQ(ParseCoordinate(state, "ly"), -4);
    EXPECT_EQ(ParseCoordinate(state, "12.5"), 12);
    EXPECT_EQ(ParseCoordinate(state, "13.5"), 14);
    EXPECT_EQ(ParseCoordinate(state, "-32768"), -32768);
    EXPECT_THROW(ParseCoordinate(state, "LX"), ScriptError);
    EXPECT_THROW(ParseCoordinate(state, "abc"), ScriptError);
    EXPECT_THROW(ParseCoordinate(state, "32768"), ScriptError);
    EXPECT_THROW(ParseCoordinate(state, ""), ScriptError);
}

using ScreenStores = ScreenTest;

TEST_F(ScreenStores, CaptureFillsTheNamedStoreOnly) {
    desktop.ScreenImage = Filled(4, 3, 0x102030);
    Set(desktop.ScreenImage, 3, 2, 0xABCDEF);
    Store(5) = Filled(9, 9, kWhite);

    CaptureScreen(state, desktop, "imagesave5");
    EXPECT_EQ(Store(5).Width, 4);
    EXPECT_EQ(Store(5).Height, 3);
    EXPECT_EQ(Store(5).At(3, 2), 0xABCDEFu);
    EXPECT_EQ(Store(5).At(0, 0), 0x102030u);
    EXPECT_TRUE(state.TempCaptureBuffer.Empty());

    CaptureScreen(state, desktop, "sstemp");
    EXPECT_EQ(state.TempCaptureBuffer.At(3, 2), 0xABCDEFu);
    for (int i = 0; i <= 50; ++i)
        if (i != 5) {
            EXPECT_TRUE(Store(i).Empty()) << i;
        }
}

TEST_F(ScreenStores, CaptureUnderABadName) {
    desktop.ScreenImage = Filled(2, 2, kWhite);
    CaptureScreen(state, desktop, "imagesave");
    CaptureScreen(state, desktop, "imagesavez");
    EXPECT_TRUE(desktop.CallsStartingWith("CaptureScreen").empty());

    EXPECT_THROW(CaptureScreen(state, desktop, "imagesave51"), ScriptError);
    EXPECT_THROW(CaptureScreen(state, desktop, "imagesave99999"), ScriptError);
    for (auto& store : state.ImageBuffers) EXPECT_TRUE(store.Empty());
}

TEST_F(ScreenStores, LoadReplacesOrEmptiesTheStore) {
    desktop.Pictures["C:\\img\\a.bmp"] = Filled(3, 2, 0x00FF00);
    LoadImage(state, desktop, "imagesave7", "C:\\img\\a.bmp");
    EXPECT_EQ(Store(7).Width, 3);
    EXPECT_EQ(Store(7).At(2, 1), 0x00FF00u);

    LoadImage(state, desktop, "imagesave7", "C:\\img\\missing.bmp");
    EXPECT_TRUE(Store(7).Empty());
    EXPECT_EQ(Store(7).Width, 0);

    desktop.Calls.clear();
    LoadImage(state, desktop, "imagesave51", "C:\\img\\a.bmp");
    LoadImage(state, desktop, "picture", "C:\\img\\a.bmp");
    EXPECT_TRUE(desktop.Calls.empty());
}

TEST_F(ScreenStores, SaveWritesOnlyAStoreThatHoldsAnImage) {
    Store(2) = Filled(5, 4, 0x123456);
    SaveImage(state, desktop, "imagesave2", "out.bmp");
    ASSERT_EQ(desktop.SavedPictures.count("out.bmp"), 1u);
    EXPECT_EQ(desktop.SavedPictures["out.bmp"].Pixels, Store(2).Pixels);

    desktop.Calls.clear();
    SaveImage(state, desktop, "imagesave3", "empty.bmp");   // never filled
    SaveImage(state, desktop, "imagesave51", "outside.bmp");
    SaveImage(state, desktop, "imagesave", "unnamed.bmp");
    EXPECT_TRUE(desktop.Calls.empty());
}

}  // namespace
}  // namespace ombrelt::testing
