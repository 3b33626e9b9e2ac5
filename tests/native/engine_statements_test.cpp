#include <gtest/gtest.h>

#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;
using Texts = std::vector<std::string>;

namespace {

// The store a variable landed in: 8, 9 or 10, 0 when it does not exist.
std::int32_t StoreOf(const SC& sc, const std::string& name) {
    if (sc.StringVariables.Find(name) > 0) return 8;
    if (sc.LongVariables.Find(name) > 0) return 9;
    if (sc.DoubleVariables.Find(name) > 0) return 10;
    return 0;
}

}  // namespace

TEST(EngineStatements, DeclarationsConvertAndSetTakesTheTypeFromTheValue) {
    EngineHost h;
    h.Run("function(main);int(a,2.7);int(b,2.5);double(c,7);string(s,12);"
          "set(x,3);set(y,3.0);set(z,abc);int(n,4);set(w,n);string(t,\"5\");set(u,t);"
          "int(bad,99999999999);endfunction();");
    const SC& sc = h.Engine;
    EXPECT_EQ(sc.GetVariableAsString("a"), "3");
    EXPECT_EQ(sc.GetVariableAsString("b"), "2");
    EXPECT_EQ(StoreOf(sc, "c"), 10);
    EXPECT_EQ(StoreOf(sc, "s"), 8);
    EXPECT_EQ(StoreOf(sc, "x"), 9);
    EXPECT_EQ(StoreOf(sc, "y"), 10);
    EXPECT_EQ(StoreOf(sc, "z"), 8);
    EXPECT_EQ(sc.GetVariableAsString("z"), "abc");
    EXPECT_EQ(StoreOf(sc, "w"), 9);
    EXPECT_EQ(StoreOf(sc, "u"), 9);  // the text "5" is numeric
    EXPECT_EQ(sc.GetVariableAsString("u"), "5");
    // A value that cannot be resolved stores nothing.
    EXPECT_EQ(StoreOf(sc, "bad"), 0);
}

TEST(EngineStatements, ArithmeticTakesItsTypeFromTheTarget) {
    EngineHost h;
    EXPECT_EQ(h.Run("function(main);string(s,ab);multiply(s,3);message(s,normal);"
                    "string(h,hello);subtract(h,l);message(h,normal);"
                    "combine(s,1);message(s,normal);removeall(s,b);message(s,normal);"
                    "power(s,2);message(s,normal);power(newname,2);"
                    "int(i,7);divide(i,2);message(i,normal);int(j,5);divide(j,2);message(j,normal);"
                    "add(fresh,5);message(fresh,normal);"
                    "int(k,3);power(k,3);message(k,normal);"
                    "int(m,10);add(m,99999999999);message(m,normal);"
                    "int(z,1);divide(z,0);message(z,normal);endfunction();"),
              (Texts{"ababab", "heo", "ababab1", "aaa1", "aaa1", "4", "2", "5", "27", "10", "1"}));
    EXPECT_EQ(StoreOf(h.Engine, "newname"), 0);  // power on a new name creates nothing
    EXPECT_EQ(StoreOf(h.Engine, "fresh"), 8);
}

TEST(EngineStatements, FunctionsOfNumbers) {
    EngineHost h;
    EXPECT_EQ(h.Run("function(main);int(f,5);factorial(f);message(f,normal);"
                    "int(g,13);factorial(g);message(g,normal);"
                    "double(d,4.4);factorial(d);message(d,normal);"
                    "int(c,0);cos(c);message(c,normal);double(e,0);cos(e);message(e,normal);"
                    "int(s,2);sin(s);message(s,normal);double(t,1);tan(t);message(t,normal);"
                    "int(z,0);log(z);message(z,normal);double(one,1);log(one);message(one,normal);"
                    "string(txt,hi);tan(txt);message(txt,normal);"
                    "int(neg,-3);factorial(neg);message(neg,normal);"
                    "double(half,3.5);factorial(half);message(half,normal);"
                    "double(wide,40000);factorial(wide);message(wide,normal);endfunction();"),
              (Texts{"120", "13", "24", "1", "1", "1", "1.5574077246549", "0", "0", "hi", "1", "24", "40000"}));
}

TEST(EngineStatements, MessageShowsABoxOnlyForAStyleOfTheTable) {
    EngineHost h;
    h.Run("function(main);string(title,\"My title\");"
          "message(\"Hello World\",critical,title);message(a,normal);message(b,app);message(c,exclamation);"
          "message(d,information);message(e,right);message(f,reading);message(g,silly);message(i,question);"
          "message(j,systemmodal);message(k,\"Critical\");message(hidden,bogus);message(empty,);endfunction();");
    ASSERT_EQ(h.Desk.Boxes.size(), 11u);
    EXPECT_EQ(h.Desk.Boxes[0].Text, "Hello World");
    EXPECT_EQ(h.Desk.Boxes[0].Title, "My title");
    std::vector<std::uint32_t> flags;
    for (auto& box : h.Desk.Boxes) flags.push_back(box.Flags);
    EXPECT_EQ(flags, (std::vector<std::uint32_t>{16, 0, 0, 48, 64, 524288, 1048576, 1048576, 32, 4096, 16}));
    EXPECT_EQ(h.Desk.Boxes[1].Title, "");
}

TEST(EngineStatements, ParseAndReplaceWorkOnTextVariablesOnly) {
    EngineHost h;
    EXPECT_EQ(h.Run("function(main);"
                    "string(a,\"Hello\");parse(a,2,3);message(a,normal);"
                    "string(b,\"Hello\");parse(b,0,3);message(b,normal);"
                    "string(c,\"Hello\");parse(c,2,x);message(c,normal);"
                    "string(d,\"Hello\");parse(d,9,2);message(d,normal);"
                    "string(e,\"Hello\");parse(e,4,99);message(e,normal);"
                    "int(n,12345);parse(n,2,2);message(n,normal);"
                    "string(r,\"AaA\");replace(r,\"a\",x);message(r,normal);"
                    "string(q,\"a-b-c\");for(q,\"-\",\"--\");message(q,normal);"
                    "int(m,121);replace(m,1,7);message(m,normal);endfunction();"),
              (Texts{"ell", "Hello", "Hello", "", "lo", "12345", "AxA", "a--b--c", "121"}));
}

TEST(EngineStatements, TimerAndUnknownWordsDoNothing) {
    EngineHost h;
    h.Run("function(main);timer(1);frobnicate(x,y);endfunction();");
    EXPECT_TRUE(h.Desk.Calls.empty());
    EXPECT_EQ(h.Engine.StringVariableCount() + h.Engine.LongVariableCount() + h.Engine.DoubleVariableCount(), 0);
}
