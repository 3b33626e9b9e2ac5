// Time correction: reading the recorded play time, the new percentage, the
// rewrite of SetPausePercent and the result message.
#include <gtest/gtest.h>

#include "automation/Convert.h"
#include "editor/mdlCorrectTime.h"
#include "engine_host.h"

namespace ct = ombrelt::editor::mdlCorrectTime;

namespace {

const char* const kRecorded =
    "Function(Main);\r\nOrigionalPlayTime(5.250);\r\nSetPausePercent(100);\r\n\r\n"
    "Pause(120);\r\nLeftDown();\r\nPause(5130);\r\n\r\nEndFunction();";

TEST(EditorTimeCorrection, ReadsAndSumsPlayTimes) {
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime(kRecorded), 5.25);
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(3.5);x();OrigionalPlayTime ( 1 .\t5\r\n) ;"), 5.0);
    // Only pieces ended by ";" count; values that do not convert add nothing.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(abc);origionalplaytime();origionalplaytime(;"
                                              "origionalplaytime(4);origionalplaytime(9)"),
                     4.0);
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("function(main);endfunction();"), 0.0);
    // A sum that would overflow keeps the value it had.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(1e308);origionalplaytime(1e308);"), 1e308);
}

TEST(EditorTimeCorrection, PercentageAndMessage) {
    EXPECT_EQ(ombrelt::Convert::DoubleToText(ct::MeasuredSeconds(5, 7)), "5.007");
    EXPECT_DOUBLE_EQ(ct::NewPercentage(12.5, 10.0), 125.0);
    EXPECT_DOUBLE_EQ(ct::NewPercentage(10.0, 10.0), 100.0);
    EXPECT_DOUBLE_EQ(ct::NewPercentage(3.0, 0.0), 100.0);       // no original time
    EXPECT_DOUBLE_EQ(ct::NewPercentage(1e300, 1e-300), 100.0);  // no number
    EXPECT_EQ(ct::ResultMessage(12.5, 10.0), "Time took: 12.5 seconds out of Origional Play Time: 10 seconds");
}

TEST(EditorTimeCorrection, RewritesEveryMatchingStatement) {
    // Letters in any case, every occurrence, at most 15 significant digits.
    EXPECT_EQ(ct::RewritePausePercent("setpausepercent(100);x;SETPAUSEPERCENT(100);", "100", 100.0 * 5.7 / 4.3),
              "SetPausePercent(132.558139534884);x;SetPausePercent(132.558139534884);");
    // Other arguments and other spellings stay.
    EXPECT_EQ(ct::RewritePausePercent("SetPausePercent(90);SetPausePercent( 100 );", "100", 50.0),
              "SetPausePercent(90);SetPausePercent( 100 );");
    EXPECT_EQ(ct::RewritePausePercent("SetPausePercent();", "", 80.0), "SetPausePercent(80);");
    EXPECT_EQ(ct::RewritePausePercent("Set", "1", 2.0), "Set");
}

// The timed run hands the argument to the editor; the rewritten statement
// then sets the new factor exactly on a plain run.
TEST(EditorTimeCorrection, EngineReadsTheRewriteBack) {
    ombrelt::testing::EngineHost host;
    std::string handed;
    host.Engine.PausePercentHook = [&](const std::string& text, std::int16_t) { handed = text; };
    host.State.PauseFactor = 0.5;
    host.Engine.SetExecuteType(1);
    host.Run(kRecorded);
    EXPECT_EQ(handed, "100");
    EXPECT_DOUBLE_EQ(host.State.PauseFactor, 0.5);  // a timed run keeps the factor

    host.Engine.SetExecuteType(0);
    host.Run(ct::RewritePausePercent(kRecorded, handed, ct::NewPercentage(5.7, 4.3)));
    EXPECT_DOUBLE_EQ(host.State.PauseFactor, 1.32558139534884);
}

}  // namespace
