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
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(3.5);x();origionalplaytime(1.5);"), 5.0);
    // Spaces, tabs and line breaks inside the statement are dropped first;
    // letters in any case.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("OrigionalPlayTime ( 2 .\t5\r\n) ;"), 2.5);
    // Only pieces ended by ";" count.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(1);origionalplaytime(9)"), 1.0);
    // Values that do not convert add nothing; the others still count.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(abc);origionalplaytime();"
                                              "origionalplaytime(;origionalplaytime(4);"),
                     4.0);
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("function(main);endfunction();"), 0.0);
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime(""), 0.0);
    // A sum that would overflow keeps the value it had.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("origionalplaytime(1e308);origionalplaytime(1e308);"), 1e308);
    // Comments are not removed: the statement behind one is not read.
    EXPECT_DOUBLE_EQ(ct::ReadOriginalPlayTime("#c#origionalplaytime(7);"), 0.0);
}

TEST(EditorTimeCorrection, PercentageOfMeasuredTime) {
    EXPECT_DOUBLE_EQ(ct::MeasuredSeconds(5, 7), 5.007);
    EXPECT_EQ(ombrelt::Convert::DoubleToText(ct::MeasuredSeconds(5, 7)), "5.007");
    EXPECT_EQ(ombrelt::Convert::DoubleToText(ct::MeasuredSeconds(12, 500)), "12.5");
    EXPECT_DOUBLE_EQ(ct::NewPercentage(12.5, 10.0), 125.0);
    EXPECT_DOUBLE_EQ(ct::NewPercentage(10.0, 10.0), 100.0);
    EXPECT_DOUBLE_EQ(ct::NewPercentage(3.0, 0.0), 100.0);        // no original time
    EXPECT_DOUBLE_EQ(ct::NewPercentage(1e300, 1e-300), 100.0);   // overflow
    EXPECT_DOUBLE_EQ(ct::NewPercentage(5.7, 4.3), 100.0 * 5.7 / 4.3);
}

TEST(EditorTimeCorrection, RewritesEveryMatchingStatement) {
    std::string script = kRecorded;
    std::string out = ct::RewritePausePercent(script, "100", 125.0);
    EXPECT_NE(out.find("SetPausePercent(125);"), std::string::npos);
    EXPECT_EQ(out.find("SetPausePercent(100);"), std::string::npos);
    EXPECT_EQ(out.size(), script.size());

    // Case of letters is ignored; every occurrence goes; the written form
    // has at most 15 significant digits and no trailing zeros.
    EXPECT_EQ(ct::RewritePausePercent("setpausepercent(100);x;SETPAUSEPERCENT(100);", "100", 100.0 * 5.7 / 4.3),
              "SetPausePercent(132.558139534884);x;SetPausePercent(132.558139534884);");
    // Other arguments and other spellings stay.
    EXPECT_EQ(ct::RewritePausePercent("SetPausePercent(90);SetPausePercent( 100 );", "100", 50.0),
              "SetPausePercent(90);SetPausePercent( 100 );");
    // The argument the engine handed over, whatever it was.
    EXPECT_EQ(ct::RewritePausePercent("SetPausePercent(99.5);", "99.5", 101.25), "SetPausePercent(101.25);");
    EXPECT_EQ(ct::RewritePausePercent("SetPausePercent();", "", 80.0), "SetPausePercent(80);");
    // A statement at the very end and a pattern longer than the text.
    EXPECT_EQ(ct::RewritePausePercent("a SetPausePercent(1);", "1", 2.0), "a SetPausePercent(2);");
    EXPECT_EQ(ct::RewritePausePercent("Set", "1", 2.0), "Set");
}

TEST(EditorTimeCorrection, ResultMessage) {
    EXPECT_EQ(ct::ResultMessage(12.5, 10.0), "Time took: 12.5 seconds out of Origional Play Time: 10 seconds");
    EXPECT_EQ(ct::ResultMessage(5.007, 0.0), "Time took: 5.007 seconds out of Origional Play Time: 0 seconds");
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

    const double percent = ct::NewPercentage(5.7, 4.3);
    std::string rewritten = ct::RewritePausePercent(kRecorded, handed, percent);
    host.Engine.SetExecuteType(0);
    host.Run(rewritten);
    EXPECT_DOUBLE_EQ(host.State.PauseFactor, 1.32558139534884);
}

}  // namespace
