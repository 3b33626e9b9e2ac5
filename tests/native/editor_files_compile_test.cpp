#include <gtest/gtest.h>

#include "Compiler/ScriptPayload.h"
#include "editor/Compile.h"
#include "editor/mdlHandling.h"
#include "engine_host.h"

using namespace ombrelt;

namespace {

// What the engine makes of a script: its cleaned text.
std::string Cleaned(const std::string& script) {
    ombrelt::testing::EngineHost host;
    return host.Load(script);
}

}  // namespace

TEST(EditorCompile, CompactionKeepsQuotedTextAndLowersTheRest) {
    EXPECT_EQ(mdlHandling::CompactScript("MsgBox( \"Hi There\" , OK );"), "msgbox(\"Hi There\",ok);");
    EXPECT_EQ(mdlHandling::PrepareCompiledScript("Function(Main);\r\n\r\n  Pause( 10 );\r\nEndFunction();"),
              "function(main);pause(10);endfunction();");
    EXPECT_EQ(mdlHandling::PrepareCompiledScript("String(s, \"A\r\nB c\");"), "string(s,\"AB c\");");
    EXPECT_EQ(mdlHandling::PrepareCompiledScript(""), "");
    EXPECT_EQ(mdlHandling::CompactScript("A\r\nB"), "a\r\nb");  // line breaks are Prepare's business
}

TEST(EditorCompile, CommentsAreCopiedAndTheirQuotesDoNotCount) {
    // An unbalanced quote in a comment must not take the spaces out of later quoted text.
    EXPECT_EQ(mdlHandling::PrepareCompiledScript("# don't press \"Cancel #\r\nMsgBox(\"Hello World\");"),
              "# don't press \"Cancel #\rmsgbox(\"Hello World\");");
    // Comment lines one after the other stay two comments: the line break after a
    // closing "#" is kept, since the engine reads a "#" right after one as text.
    EXPECT_EQ(mdlHandling::PrepareCompiledScript("#one#\r\n#two#\r\nLeftClick();"), "#one#\r#two#\rleftclick();");
    EXPECT_EQ(mdlHandling::PrepareCompiledScript("#a# #b#X;"), "#a# #b#x;");
}

TEST(EditorCompile, ThePlayerReadsTheCompactScriptAsTheEditorReadsTheScript) {
    for (const std::string& script : {
             std::string("Function(Main);\r\n  MsgBox(\"Hello World\", \"A B\");\r\nEndFunction();"),
             std::string("# say \"hi #\r\nFunction(Main);\r\nMsgBox(\"x  Y\");\r\nEndFunction();"),
             std::string("#one#\r\n#two#\r\nFunction(Main);\r\nLeftClick();\r\nEndFunction();"),
             std::string("#a# #b#\r\nFunction(Main);#c#\r\n#d##e#\r\nEndFunction();"),
             std::string("MsgBox(\"in #quote# comment\");\t#x#\t#y#Pause(1);"),
             std::string("MsgBox(\"tab\there\");\r\n\"unclosed quote  Pause( 1 );"),
             std::string("#unclosed comment \" Pause(1);"),
         }) {
        EXPECT_EQ(Cleaned(mdlHandling::PrepareCompiledScript(script)), Cleaned(script)) << script;
    }
}

TEST(EditorCompile, TheExecutableIsThePlayerWithFlagCompactScriptAndTrailer) {
    const std::string player = std::string("MZ\x90\0body", 8) + "Z";
    const auto exe = editor::Compile::BuildExecutable(player, true, "Function(Main);\r\nPause( 1 );\r\n");
    ASSERT_TRUE(exe);
    const auto payload = ReadScriptPayload(*exe);
    ASSERT_TRUE(payload);
    EXPECT_TRUE(payload->Repeats());
    EXPECT_EQ(payload->Script, "function(main);pause(1);");
    EXPECT_EQ(exe->substr(0, player.size() - 1), player.substr(0, player.size() - 1));

    // An empty editor: the flag alone follows the player, then the trailer.
    const auto empty = editor::Compile::BuildExecutable(player, false, "");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size(), player.size() + 4);
    EXPECT_EQ((*empty)[player.size() - 1], '0');
    EXPECT_FALSE(editor::Compile::BuildExecutable("", false, "x"));  // no player
}
