// The advanced-mode window's text rules: Delete and the readme.
#include <gtest/gtest.h>

#include "editor/EditCommands.h"

namespace ombrelt::editor {
namespace {

TEST(EditorText, DeleteTakesTheSelectionOrTheNextCharacterOrLineBreak) {
    const std::string text = "ab\r\ncd";
    EXPECT_EQ(DeleteRange(text, 0, 0), (TextRange{0, 1}));
    EXPECT_EQ(DeleteRange(text, 2, 0), (TextRange{2, 2}));  // CR LF together
    EXPECT_EQ(DeleteRange(text, 3, 0), (TextRange{3, 1}));  // a lone LF
    EXPECT_EQ(DeleteRange(text, 1, 3), (TextRange{1, 3}));
    EXPECT_EQ(DeleteRange(text, 4, 9), (TextRange{4, 2}));  // clipped to the end
    // The caret after the last character with nothing selected: nothing.
    EXPECT_EQ(DeleteRange(text, 6, 0), std::nullopt);
    EXPECT_EQ(DeleteRange("", 0, 0), std::nullopt);
    // A trailing CR alone is one character.
    EXPECT_EQ(DeleteRange("a\r", 1, 0), (TextRange{1, 1}));
    EXPECT_EQ(DeleteRange(text, 7, 0), std::nullopt);
}

TEST(EditorText, ReadmeOpensInNotepadWithAnUnquotedPath) {
    EXPECT_EQ(ReadmeCommandLine("C:\\My Apps\\Ombrelt"), "notepad.exe C:\\My Apps\\Ombrelt\\readme.txt");
    EXPECT_EQ(EmptyScript, "Function(Main);\r\n\r\nEndFunction();");
}

}  // namespace
}  // namespace ombrelt::editor
