#include <gtest/gtest.h>

#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;

TEST(EngineParse, CleaningDropsTabsSpacesCommentsAndLineBreaksAndLowerCasesOutsideQuotes) {
    EngineHost h;
    EXPECT_EQ(h.Load("  LeftClick ( ) ;\r\n\tMessage(\"Hello  World\", Normal);\n"),
                     "leftclick();message(\"Hello  World\",normal);");
    EXPECT_EQ(h.Engine.CodeLines[1].ID, CommandId::LeftClick);
    EXPECT_EQ(h.Engine.CodeLines[2].Param[1], "\"Hello  World\"");

    // A comment runs from "#" to "#" across lines and inside quotes.
    EXPECT_EQ(h.Load("#a note\nover two lines# LeftClick();"), "leftclick();");
    EXPECT_EQ(h.Load("message(\"a#not a comment?#b\");"), "message(\"ab\");");
    // The character right after a closing "#" never opens a comment.
    EXPECT_EQ(h.Load("#a##b#"), "#b");
    EXPECT_EQ(h.Load("#x#\" A \"B"), "\" A \"b");
    // Line breaks go only after cleaning, so one right after a closing "#" is
    // that character, and the "#" after it opens a comment again.
    EXPECT_EQ(h.Load("#a#\n#b#LeftClick();"), "leftclick();");
    // A "#" that is never closed removes the rest of the script.
    EXPECT_EQ(h.Load("leftclick();#rightclick();"), "leftclick();");
    EXPECT_EQ(h.Engine.LineCount, 1);
    // Tabs go even inside quotes; line breaks go after cleaning.
    EXPECT_EQ(h.Load("msgbox(\"a\tb\r\nc\");"), "msgbox(\"abc\");");
}

TEST(EngineParse, SplittingEndsAStatementOnlyAtASemicolonAfterBothParentheses) {
    EngineHost h;
    // No ")" yet: the ";" inside the quotes is dropped.
    h.Load("message(\"a;b\");");
    ASSERT_EQ(h.Engine.LineCount, 1);
    EXPECT_EQ(h.Line(1).Param[1], "\"ab\"");

    // A ";" after a ")" inside quotes ends the statement there; the rest has
    // no "(" and is never a statement.
    h.Load("message(\"a)b;c\");");
    ASSERT_EQ(h.Engine.LineCount, 1);
    EXPECT_EQ(h.Line(1).ID, CommandId::Message);
    EXPECT_EQ(h.Line(1).Param[1], "\"a)");

    // Stray semicolons are dropped; text after the last statement is ignored.
    h.Load(";;leftclick();;rightclick()");
    ASSERT_EQ(h.Engine.LineCount, 1);
    EXPECT_EQ(h.Line(1).ID, CommandId::LeftClick);

    // Unknown words parse with ID -1; a ")" before the "(" still counts.
    h.Load("frobnicate(1);a)b(;");
    ASSERT_EQ(h.Engine.LineCount, 2);
    EXPECT_EQ(h.Line(1).ID, CommandId::Unknown);
    EXPECT_EQ(h.Line(1).Param[1], "1");
    EXPECT_EQ(h.Line(2).ID, CommandId::Unknown);
    EXPECT_EQ(h.Line(2).Param[1], "");
}

TEST(EngineParse, ParametersSplitAtEveryCommaAndMoreThanEightKeepNone) {
    EngineHost h;
    h.Load("string(s,\"a,b\");f(1,2,3,4,5,6,7,8);f(1,2,3,4,5,6,7,8,9);f(a,);f(x)y;");
    ASSERT_EQ(h.Engine.LineCount, 5);
    EXPECT_EQ(h.Line(1).Param[1], "s");
    EXPECT_EQ(h.Line(1).Param[2], "\"a");
    EXPECT_EQ(h.Line(1).Param[3], "b\"");
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(h.Line(2).Param[k], std::to_string(k));
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(h.Line(3).Param[k], "") << k;
    EXPECT_EQ(h.Line(4).Param[1], "a");
    EXPECT_EQ(h.Line(4).Param[2], "");
    // The list ends before the statement's last character, whatever it is.
    EXPECT_EQ(h.Line(5).Param[1], "x)");
}

TEST(EngineParse, MainAndFunctionTables) {
    EngineHost h;
    h.Load("function(helper);leftclick();endfunction();"
           "function(main);call(helper);endfunction();endfunction();"
           "function(other);endfunction();");
    EXPECT_EQ(h.Engine.MainStartLine, 4);
    EXPECT_EQ(h.Engine.CurrentLine, 4);
    // The last "endfunction" after main and before the next function.
    EXPECT_EQ(h.Engine.MainEndLine, 7);
    ASSERT_EQ(h.Engine.FunctionCount, 3);
    ASSERT_EQ(h.Engine.Functions.size(), 4u);
    EXPECT_EQ(h.Engine.Functions[1].Name, "helper");
    EXPECT_EQ(h.Engine.Functions[1].Line, 1);
    EXPECT_EQ(h.Engine.Functions[2].Name, "main");
    EXPECT_EQ(h.Engine.Functions[2].Line, 4);
    EXPECT_EQ(h.Engine.Functions[3].Name, "other");
    EXPECT_FALSE(h.Engine.IsRunning);

    // Without main: start at 1, end at the last "endfunction" before the first function.
    h.Load("leftclick();endfunction();rightclick();endfunction();function(f);endfunction();");
    EXPECT_EQ(h.Engine.MainStartLine, 1);
    EXPECT_EQ(h.Engine.MainEndLine, 4);
    h.Load("function(f);endfunction();");
    EXPECT_EQ(h.Engine.MainStartLine, 1);
    EXPECT_EQ(h.Engine.MainEndLine, 0);

    // Initialize replaces everything: tables, variables, call stack.
    h.Load("function(main);int(x,1);call(f);endfunction();function(f);endfunction();");
    h.Engine.Execute();
    EXPECT_EQ(h.Engine.LongVariableCount(), 1);
    h.Load("");
    EXPECT_EQ(h.Engine.LineCount, 0);
    EXPECT_EQ(h.Engine.CodeLines.size(), 2u);
    EXPECT_EQ(h.Engine.FunctionCount, 0);
    EXPECT_EQ(h.Engine.LongVariableCount(), 0);
    EXPECT_EQ(h.Engine.CallDepth, 0);
    EXPECT_EQ(h.Engine.MainStartLine, 1);
    EXPECT_EQ(h.Engine.MainEndLine, 0);
}
