// UTF-8 validity test and conversions of the socket class.
#include <gtest/gtest.h>

#include "net/Utf8.h"
#include "net_bytes.h"

using namespace ombrelt::net;
using ombrelt::testing::Bytes;

TEST(NetUtf8, ValidityTestLooksOnlyAtByteRanges) {
    EXPECT_FALSE(IsUTF8("", 10));
    EXPECT_FALSE(IsUTF8("abc", 0));
    EXPECT_TRUE(IsUTF8("abc", 3));
    EXPECT_TRUE(IsUTF8(Bytes({0xC3, 0xA9}), 2));
    EXPECT_FALSE(IsUTF8(Bytes({0xC3, 0x41}), 2));
    EXPECT_FALSE(IsUTF8(Bytes({0x80, 0x41}), 2));
    EXPECT_TRUE(IsUTF8(Bytes({0xFF}), 1));
    EXPECT_TRUE(IsUTF8(Bytes({0xE2, 0x82}), 2));  // cut short by the end of the data
    // Cut by the end of the tested range: the continuation at the limit is
    // still checked, then the sequence counts as valid.
    EXPECT_FALSE(IsUTF8(Bytes({0x41, 0xC3, 0x41}), 2));
    EXPECT_TRUE(IsUTF8(Bytes({0x41, 0xC3, 0xA9}), 2));
    // Forms a strict decoder refuses pass the quick test.
    EXPECT_TRUE(IsUTF8(Bytes({0xC0, 0x80}), 2));
    EXPECT_TRUE(IsUTF8(Bytes({0xED, 0xA0, 0x80}), 3));
    EXPECT_TRUE(IsUTF8(Bytes({0xFC, 0x80, 0x80, 0x80, 0x80, 0x80, 0x41}), 7));
    // Only the tested range decides.
    EXPECT_TRUE(IsUTF8("ab" + Bytes({0x80}), 2));
}

TEST(NetUtf8, ConversionsBothWays) {
    EXPECT_EQ(ToUTF8(u"\u00e9"), Bytes({0xC3, 0xA9}));
    EXPECT_EQ(ToUTF8(u""), "");
    EXPECT_EQ(ToUTF8(u"\U0001F600"), Bytes({0xF0, 0x9F, 0x98, 0x80}));
    EXPECT_EQ(ToUTF8(u"a\xD800"), "a" + Bytes({0xEF, 0xBF, 0xBD}));  // lone surrogate
    EXPECT_EQ(FromUTF8(Bytes({0xC3, 0xA9})), u"\u00e9");
    EXPECT_EQ(FromUTF8("hi"), u"hi");
    EXPECT_EQ(FromUTF8(""), u"");
    EXPECT_EQ(FromUTF8(Bytes({0xF0, 0x9F, 0x98, 0x80})), u"\U0001F600");
    // Ill-formed pieces become U+FFFD and never swallow the bytes after them.
    EXPECT_EQ(FromUTF8(Bytes({0xC3, 0x41})), u"\uFFFDA");
    EXPECT_EQ(FromUTF8(Bytes({0xE2, 0x82})), u"\uFFFD");
    EXPECT_EQ(FromUTF8(Bytes({0xC0, 0x80, 0x42})), u"\uFFFD\uFFFDB");
    EXPECT_EQ(FromUTF8(Bytes({0xED, 0xA0, 0x80})), u"\uFFFD\uFFFD\uFFFD");
}

TEST(NetUtf8, RandomBytesNeverBreakTheConversions) {
    unsigned state = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string data;
        for (int i = 0; i < round % 40; ++i) data += static_cast<char>((state = state * 1103515245 + 12345) >> 16);
        const std::u16string text = FromUTF8(data);
        EXPECT_LE(text.size(), data.size());
        EXPECT_EQ(FromUTF8(ToUTF8(text)), text);  // what decodes re-encodes losslessly
        IsUTF8(data, round % 50);
    }
}
