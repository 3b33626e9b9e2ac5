#include <gtest/gtest.h>

#include "editor/FindText.h"

using namespace ombrelt::editor;

namespace {

constexpr bool Down = true, Up = false;

}  // namespace

TEST(EditorFind, DownFindsFromTheCaretAndARepeatPassesTheLastMatch) {
    const std::string text = "abab ab";
    EXPECT_EQ(FindText::Search(text, "ab", Down, 0, false), 0u);  // a match at the caret itself
    EXPECT_EQ(FindText::Search(text, "ab", Down, 0, true), 2u);
    EXPECT_EQ(FindText::Search(text, "ab", Down, 2, true), 5u);
    EXPECT_EQ(FindText::Search(text, "ab", Down, 5, true), std::nullopt);
    EXPECT_EQ(FindText::Search(text, "ab", Down, 7, false), std::nullopt);  // caret at the end
    EXPECT_EQ(FindText::Search(text, "ab", Down, 50, true), std::nullopt);
    EXPECT_EQ(FindText::Search(text, "bab", Down, 0, false), 1u);
}

TEST(EditorFind, UpFindsTheLastMatchStartingBeforeTheCaret) {
    const std::string text = "ab;ab;";
    EXPECT_EQ(FindText::Search(text, ";", Up, 6, false), 5u);  // right before the caret
    EXPECT_EQ(FindText::Search(text, ";", Up, 5, true), 2u);   // repeat from the selected match
    EXPECT_EQ(FindText::Search(text, ";", Up, 2, true), std::nullopt);
    EXPECT_EQ(FindText::Search(text, "ab", Up, 0, false), std::nullopt);  // from the very start
    EXPECT_EQ(FindText::Search(text, "ab", Up, 1, false), 0u);  // a match may run past the caret
    EXPECT_EQ(FindText::Search(text, "b;a", Up, 60, false), 1u);
}

TEST(EditorFind, EmptySearchTextMatchesNowhere) {
    EXPECT_EQ(FindText::Search("abc", "", Down, 0, false), std::nullopt);
    EXPECT_EQ(FindText::Search("abc", "", Up, 3, false), std::nullopt);
    EXPECT_EQ(FindText::NotFoundMessage("Pause("), "Cannot find \"Pause(\"");
}

TEST(EditorFind, ReplaceAllIsCaseSensitiveLeftToRightWithoutRescanning) {
    EXPECT_EQ(FindText::ReplaceAll("Pause(10);pause(10);PAUSE(10);", "Pause", "Wait"),
              "Wait(10);pause(10);PAUSE(10);");
    EXPECT_EQ(FindText::ReplaceAll("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(FindText::ReplaceAll("ab", "b", "bb"), "abb");
    EXPECT_EQ(FindText::ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(FindText::ReplaceAll("a\r\nb", "\r\n", ""), "ab");
}
