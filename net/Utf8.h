#pragma once
// UTF-8 for the socket class's text paths: the quick validity test that
// decides whether a received line is UTF-8, and the two conversions.
// Ill-formed input converts as the system's UTF-8 code page does with no
// flags: each ill-formed piece becomes U+FFFD.
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelt::net {

// Tests the first `length` bytes of data: only the ranges of lead and
// continuation bytes count (overlong forms, surrogates and five- and six-byte
// forms pass, a lone FE or FF passes as one byte), and a sequence cut short
// by the end of the tested range or of the data counts as valid.
// False for empty data or a length below 1.
bool IsUTF8(std::string_view data, std::int32_t length);

std::string ToUTF8(std::u16string_view text);
std::u16string FromUTF8(std::string_view data);

}  // namespace ombrelt::net
