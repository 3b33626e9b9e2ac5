#include <gtest/gtest.h>

#include "automation/SendKeys.h"

namespace ombrelt {
namespace {

using K = KeyStroke::Kind;

KeyStroke Press(std::uint8_t vk) { return {K::Press, vk, 0, 1}; }
KeyStroke Release(std::uint8_t vk) { return {K::Release, vk, 0, 1}; }
KeyStroke Key(std::uint8_t vk, std::int32_t n = 1) { return {K::Key, vk, 0, n}; }
KeyStroke Char(char c, std::int32_t n = 1) { return {K::Char, 0, c, n}; }

std::vector<KeyStroke> Parsed(std::string_view keys) {
    auto strokes = ParseSendKeys(keys);
    EXPECT_TRUE(strokes.has_value()) << keys;
    return strokes.value_or(std::vector<KeyStroke>{});
}

TEST(SendKeys, PlainTextAndEnter) {
    EXPECT_EQ(Parsed("aB 1"), (std::vector<KeyStroke>{Char('a'), Char('B'), Char(' '), Char('1')}));
    EXPECT_EQ(Parsed("x~"), (std::vector<KeyStroke>{Char('x'), Key(VkReturn)}));
    EXPECT_EQ(Parsed("[]"), (std::vector<KeyStroke>{Char('['), Char(']')}));
    EXPECT_TRUE(Parsed("").empty());
}

TEST(SendKeys, ModifiersHoldForOneKeyOrAGroup) {
    EXPECT_EQ(Parsed("+ab"), (std::vector<KeyStroke>{Press(VkShift), Char('a'), Release(VkShift), Char('b')}));
    EXPECT_EQ(Parsed("^%{DEL}"), (std::vector<KeyStroke>{Press(VkControl), Press(VkAlt), Key(0x2E), Release(VkAlt),
                                                         Release(VkControl)}));
    EXPECT_EQ(Parsed("+(ab)c"),
              (std::vector<KeyStroke>{Press(VkShift), Char('a'), Char('b'), Release(VkShift), Char('c')}));
    EXPECT_EQ(Parsed("+~"), (std::vector<KeyStroke>{Press(VkShift), Key(VkReturn), Release(VkShift)}));
    // A modifier already held by the enclosing group is not pressed again.
    EXPECT_EQ(Parsed("+(a+b)"),
              (std::vector<KeyStroke>{Press(VkShift), Char('a'), Char('b'), Release(VkShift)}));
    EXPECT_EQ(Parsed("^(a(+b))"), (std::vector<KeyStroke>{Press(VkControl), Char('a'), Press(VkShift), Char('b'),
                                                          Release(VkShift), Release(VkControl)}));
    EXPECT_EQ(Parsed("(ab)"), (std::vector<KeyStroke>{Char('a'), Char('b')}));
}

TEST(SendKeys, BracesNameKeysGiveLiteralsAndRepeat) {
    EXPECT_EQ(Parsed("{ENTER}{tab}{Bs}{BKSP}{BACKSPACE}{esc}"),
              (std::vector<KeyStroke>{Key(0x0D), Key(0x09), Key(0x08), Key(0x08), Key(0x08), Key(0x1B)}));
    EXPECT_EQ(Parsed("{F1}{F10}{F16}{LEFT}{HOME}{PGDN}{INS}"),
              (std::vector<KeyStroke>{Key(0x70), Key(0x79), Key(0x7F), Key(0x25), Key(0x24), Key(0x22), Key(0x2D)}));
    EXPECT_EQ(Parsed("{+}{^}{%}{~}{(}{)}{{}{}}"),
              (std::vector<KeyStroke>{Char('+'), Char('^'), Char('%'), Char('~'), Char('('), Char(')'), Char('{'),
                                      Char('}')}));
    EXPECT_EQ(Parsed("{TAB 3}{a 10}{} 2}"), (std::vector<KeyStroke>{Key(0x09, 3), Char('a', 10), Char('}', 2)}));
    EXPECT_EQ(Parsed("+{TAB 2}"), (std::vector<KeyStroke>{Press(VkShift), Key(0x09, 2), Release(VkShift)}));
    EXPECT_EQ(Parsed("{TAB 0}x"), (std::vector<KeyStroke>{Char('x')}));
    EXPECT_EQ(SpecialKeyCode("capslock"), 0x14);
    EXPECT_EQ(SpecialKeyCode("F17"), 0);
    EXPECT_EQ(SpecialKeyCode("F0"), 0);
    EXPECT_EQ(SpecialKeyCode("F"), 0);
}

TEST(SendKeys, BrokenSyntaxOrUnknownNamesParseToNothing) {
    for (std::string_view broken :
         {"{NOSUCHKEY}", "{ENTER", "{", "}", "a}", "{}", "(ab", "ab)", "+", "a^", "(a+)", "++a", "{TAB x}",
          "{TAB 99999}", "{F17}", "{TAB 3 }"})
        EXPECT_FALSE(ParseSendKeys(broken).has_value()) << broken;
    EXPECT_TRUE(ParseSendKeys("{TAB 32767}").has_value());
}

}  // namespace
}  // namespace ombrelt
