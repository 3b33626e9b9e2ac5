#include <gtest/gtest.h>

#include "automation/ScriptError.h"
#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;

TEST(EngineEvaluate, OperatorSearchTakesTheFirstPositionAndTwoCharactersFirst) {
    EngineHost h;
    SC& sc = h.Engine;
    EXPECT_FALSE(sc.Evaluate("abc"));
    EXPECT_FALSE(sc.Evaluate(""));
    EXPECT_TRUE(sc.Evaluate("1<=1"));
    EXPECT_TRUE(sc.Evaluate("2>=1"));
    EXPECT_TRUE(sc.Evaluate("1<>2"));
    EXPECT_TRUE(sc.Evaluate("1!=2"));
    EXPECT_FALSE(sc.Evaluate("1!=1"));
    EXPECT_TRUE(sc.Evaluate("1<2"));
    EXPECT_TRUE(sc.Evaluate("2>1"));
    // "==" is "=" with a right operand that begins with "=": the text "=1".
    EXPECT_FALSE(sc.Evaluate("1==1"));
    EXPECT_FALSE(sc.Evaluate("a==a"));
    EXPECT_TRUE(sc.Evaluate("a<=a"));
    EXPECT_TRUE(sc.Evaluate("<x"));  // the empty left operand is the empty text
}

TEST(EngineEvaluate, TypesAlignAndTextsCompareAsBytes) {
    EngineHost h;
    SC& sc = h.Engine;
    h.Run("function(main);string(t,\"10\");int(two,2);double(twod,2.0);double(half,2.5);endfunction();");
    EXPECT_TRUE(sc.Evaluate("abc<abd"));
    EXPECT_TRUE(sc.Evaluate("t=10"));         // text and number: compared as texts
    EXPECT_TRUE(sc.Evaluate("two=twod"));     // 32-bit and double: as doubles
    EXPECT_TRUE(sc.Evaluate("two<half"));
    EXPECT_FALSE(sc.Evaluate("9>10"));
    EXPECT_TRUE(sc.Evaluate("t<9"));          // "10" < "9" as texts
    EXPECT_TRUE(sc.Evaluate("half=2.5"));
    EXPECT_TRUE(sc.Evaluate("\"B\"<\"a\""));  // binary: capitals first
    EXPECT_TRUE(sc.Evaluate("\"\xe9\">\"z\""));  // bytes above 127 sort last
    // Quotes are not special to the search: equal texts holding "=" split
    // at their first "=" and compare unequal.
    EXPECT_FALSE(sc.Evaluate("\"a=b\"=\"a=b\""));
    h.State.LastFoundX = 5;
    EXPECT_TRUE(sc.Evaluate("lx=5"));
    EXPECT_TRUE(sc.Evaluate("ly<lx"));
    // A numeric operand too large for 32 bits fails the evaluation.
    EXPECT_THROW(sc.Evaluate("1<99999999999"), ScriptError);
}
