// Typed values of the socket class: what a read takes and makes, what a send
// sends.
#include <gtest/gtest.h>

#include "net/Variant.h"
#include "net_bytes.h"

using namespace ombrelt::net;
using ombrelt::testing::Bytes;

namespace {
// A read of `held` bytes: how many it takes and the value it makes.
Variant Read(std::int32_t varType, const std::string& held, std::int32_t* taken = nullptr) {
    const std::int32_t n = ReadLength(varType, static_cast<std::int32_t>(held.size()));
    if (taken) *taken = n;
    return DecodeValue(varType, std::string_view(held).substr(0, n));
}
}  // namespace

TEST(NetVariant, SupportedTypeCodes) {
    for (int code : {2, 3, 4, 5, 6, 7, 8, 11, 17}) {
        EXPECT_TRUE(IsSupportedVarType(code)) << code;
        EXPECT_TRUE(IsSupportedVarType(vbArray + code)) << code;
    }
    for (int code : {0, 1, 9, 10, 12, 13, 14, 16, 18, 20, 8192, 8193, 8204, 16384 + 2, 16384 + 8192 + 3, -1})
        EXPECT_FALSE(IsSupportedVarType(code)) << code;
    EXPECT_EQ(Variant().VarType(), vbEmpty);
    EXPECT_EQ(Variant(Null{}).VarType(), vbNull);
    EXPECT_EQ(Variant("x").VarType(), vbString);
    EXPECT_EQ(Variant(std::int16_t(1)).VarType(), vbInteger);
    EXPECT_EQ(Variant(1).VarType(), vbLong);
    EXPECT_EQ(Variant(true).VarType(), vbBoolean);
    EXPECT_EQ(Variant(std::vector<bool>{true}).VarType(), vbArray + vbBoolean);
    EXPECT_EQ(Variant(std::vector<std::uint8_t>{1}).VarType(), vbArray + vbByte);
}

TEST(NetVariant, ScalarReadsTakeTheirSizeAndZeroFill) {
    std::int32_t taken = 0;
    EXPECT_EQ(Read(vbLong, "0123456789", &taken), Variant(0x33323130));
    EXPECT_EQ(taken, 4);
    EXPECT_EQ(Read(vbLong, Bytes({0x01, 0x02}), &taken), Variant(0x0201));  // upper bytes 0
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(Read(vbInteger, Bytes({0xFF, 0xFF, 7})), Variant(std::int16_t(-1)));
    EXPECT_EQ(Read(vbByte, "AB", &taken), Variant(std::uint8_t(65)));
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(Read(vbBoolean, Bytes({0x41, 0})), Variant(true));
    EXPECT_EQ(Read(vbBoolean, Bytes({0, 0})), Variant(false));
    EXPECT_EQ(Read(vbDouble, Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})), Variant(1.0));
    EXPECT_EQ(Read(vbSingle, Bytes({0, 0, 0x80, 0x3F})), Variant(1.0f));
    EXPECT_EQ(Read(vbCurrency, Bytes({0x10, 0x27})), Variant(Currency{10000}));
    EXPECT_EQ(Read(vbDate, Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})), Variant(Date{1.0}));
    EXPECT_EQ(Read(vbString, "abc\r\n", &taken), Variant("abc\r\n"));
    EXPECT_EQ(taken, 5);
}

TEST(NetVariant, ArrayReadsTakeEveryByte) {
    EXPECT_EQ(Read(vbArray + vbByte, "abcde"), Variant(std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e'}));
    // Five bytes make three 16-bit elements, the last one's high byte 0.
    EXPECT_EQ(Read(vbArray + vbInteger, Bytes({1, 0, 2, 0, 3})), Variant(std::vector<std::int16_t>{1, 2, 3}));
    EXPECT_EQ(Read(vbArray + vbLong, Bytes({1, 0, 0, 0, 2})), Variant(std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(Read(vbArray + vbBoolean, Bytes({0xFF, 0xFF, 0, 0, 1})), Variant(std::vector<bool>{true, false, true}));
    EXPECT_EQ(Read(vbArray + vbCurrency, Bytes({1})), Variant(std::vector<Currency>{{1}}));
    EXPECT_EQ(Read(vbArray + vbString, "a\r\nb"), Variant(std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Read(vbArray + vbString, "a\nb\rc"), Variant(std::vector<std::string>{"a", "b\rc"}));
    EXPECT_EQ(Read(vbArray + vbString, "a\rb"), Variant(std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Read(vbArray + vbString, "ab"), Variant(std::vector<std::string>{"ab"}));
    EXPECT_EQ(Read(vbArray + vbString, std::string("a\0b", 3)), Variant(std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Read(vbArray + vbString, "a\r\n"), Variant(std::vector<std::string>{"a", ""}));
}

TEST(NetVariant, SendBytesByType) {
    const std::string crlf = "\r\n";
    EXPECT_EQ(EncodeValue(1, crlf), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(EncodeValue(std::int16_t(-2), crlf), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(EncodeValue(true, crlf), Bytes({0xFF, 0xFF}));
    EXPECT_EQ(EncodeValue(false, crlf), Bytes({0, 0}));
    EXPECT_EQ(EncodeValue(std::uint8_t(65), crlf), "A");
    EXPECT_EQ(EncodeValue(1.0, crlf), Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(EncodeValue(Currency{10000}, crlf), Bytes({0x10, 0x27, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeValue("GET /", crlf), "GET /");
    EXPECT_EQ(EncodeValue("", crlf), "");
    EXPECT_EQ(EncodeValue(std::vector<std::string>{"a", "b", "c"}, crlf), "a\r\nb\r\nc");
    EXPECT_EQ(EncodeValue(std::vector<std::string>{"a", "b"}, "\n"), "a\nb");
    EXPECT_EQ(EncodeValue(std::vector<std::int16_t>{1, 2}, crlf), Bytes({1, 0, 2, 0}));
    EXPECT_EQ(EncodeValue(std::vector<bool>{true, false}, crlf), Bytes({0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(EncodeValue(std::vector<std::uint8_t>{7, 8}, crlf), Bytes({7, 8}));
    EXPECT_EQ(EncodeValue(std::vector<double>{}, crlf), "");
    EXPECT_FALSE(EncodeValue(Variant(), crlf));
    EXPECT_FALSE(EncodeValue(Null{}, crlf));
    // What one end sends, the other reads back as the same value.
    for (const Variant& v : {Variant(std::int16_t(-7)), Variant(123456), Variant(2.5f), Variant(-1e300),
                             Variant(Date{45000.25}), Variant(std::vector<std::int32_t>{5, -6})})
        EXPECT_EQ(DecodeValue(v.VarType(), *EncodeValue(v, crlf)), v);
}
