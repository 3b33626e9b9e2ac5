#include <gtest/gtest.h>

#include "automation/mdlGlobals.h"
#include "automation/mdlTime.h"
#include "support/FakeDesktop.h"

namespace ombrelt {
namespace {

TEST(Pauses, AreSeriesOfOneSecondWaits) {
    testing::FakeDesktop desktop;
    mdlTime::PauseSeconds(desktop, 3);
    EXPECT_EQ(desktop.Waits, (std::vector<std::int32_t>{1000, 1000, 1000}));
    desktop.Waits.clear();
    mdlTime::PauseMinutes(desktop, 2);
    EXPECT_EQ(desktop.Waits.size(), 120u);
    desktop.Waits.clear();
    mdlTime::PauseHours(desktop, 1);
    EXPECT_EQ(desktop.Waits.size(), 3600u);
    desktop.Waits.clear();
    mdlTime::PauseSeconds(desktop, 0);
    mdlTime::PauseMinutes(desktop, -1);
    mdlTime::PauseHours(desktop, -5);
    EXPECT_TRUE(desktop.Waits.empty());
}

TEST(Globals, StripLeadingBackslashRemovesOneInTheCallersText) {
    std::string one = "\\img.bmp", two = "\\\\img.bmp", none = "img\\a.bmp", empty;
    EXPECT_EQ(mdlGlobals::StripLeadingBackslash(one), "img.bmp");
    EXPECT_EQ(one, "img.bmp");
    EXPECT_EQ(mdlGlobals::StripLeadingBackslash(two), "\\img.bmp");
    EXPECT_EQ(two, "\\img.bmp");
    EXPECT_EQ(mdlGlobals::StripLeadingBackslash(none), "img\\a.bmp");
    EXPECT_EQ(mdlGlobals::StripLeadingBackslash(empty), "");
}

}  // namespace
}  // namespace ombrelt
