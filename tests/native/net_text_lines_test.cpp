// The text receive path: cutting held bytes into lines.
#include <gtest/gtest.h>

#include "net/TextLines.h"

using namespace ombrelt::net;

namespace {
std::string Utf16(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out;
}
}  // namespace

TEST(NetTextLines, EightBitLinesKeepTheRestHeld) {
    LineCut cut = CutLines("ab\r\ncd\r\ne");
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"ab"), 1, false}, {Utf16(u"cd"), 1, false}}));
    EXPECT_EQ(cut.Rest, "e");

    // An empty line fails the UTF-8 test and arrives as ANSI.
    cut = CutLines("x\n\ny\n");
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"x"), 2, false}, {"", 2, true}, {Utf16(u"y"), 2, false}}));
    EXPECT_EQ(cut.Rest, "");

    cut = CutLines("a\rb");
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"a"), 3, false}}));
    EXPECT_EQ(cut.Rest, "b");

    // CR LF wins over a lone LF elsewhere, which stays inside its line.
    cut = CutLines("a\nb\r\nc");
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"a\nb"), 1, false}}));

    cut = CutLines("no separator yet");
    EXPECT_TRUE(cut.Lines.empty());
    EXPECT_EQ(cut.Rest, "no separator yet");
}

TEST(NetTextLines, Utf8AndAnsiLines) {
    LineCut cut = CutLines("caf\xC3\xA9\n" "caf\xE9s\n");
    ASSERT_EQ(cut.Lines.size(), 2u);
    EXPECT_EQ(cut.Lines[0], (ReceivedLine{Utf16(u"caf\u00e9"), 2, false}));
    EXPECT_EQ(cut.Lines[1], (ReceivedLine{"caf\xE9s", 2, true}));  // the bytes unconverted
    // Only the first 2048 bytes of a line decide.
    const std::string longLine = std::string(2048, 'a') + "\xE9\n";
    cut = CutLines(longLine);
    ASSERT_EQ(cut.Lines.size(), 1u);
    EXPECT_FALSE(cut.Lines[0].Ansi);
}

TEST(NetTextLines, SixteenBitLines) {
    LineCut cut = CutLines(Utf16(u"hi\r\n"));
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"hi"), 1, false}}));
    EXPECT_EQ(cut.Rest, "");

    cut = CutLines(Utf16(u"one\rtwo\r"));
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"one"), 3, false}, {Utf16(u"two"), 3, false}}));

    // The rest stays held; an odd last byte is dropped once a line is found.
    cut = CutLines(Utf16(u"a\nbc") + "z");
    EXPECT_EQ(cut.Lines, (std::vector<ReceivedLine>{{Utf16(u"a"), 2, false}}));
    EXPECT_EQ(cut.Rest, Utf16(u"bc"));
}

TEST(NetTextLines, LineCodes) {
    EXPECT_EQ(LineSeparatorOf(0), std::string_view("\0", 1));
    EXPECT_EQ(LineSeparatorOf(1), "\r\n");
    EXPECT_EQ(LineSeparatorOf(2), "\n");
    EXPECT_EQ(LineSeparatorOf(3), "\r");
    EXPECT_EQ(LineSeparatorOf(4), "");
    for (int code = 0; code <= 3; ++code) EXPECT_EQ(LineChangeOf(LineSeparatorOf(code)), code);
}
