#pragma once
// The English texts of the socket class's error numbers: those of Windows
// Sockets and the system, and the class's own numbers for misuse.
#include <cstdint>
#include <string_view>

namespace ombrelt::net {

// Numbers the class raises for misuse of the object.
inline constexpr std::int32_t ErrWrongProtocolOrState = 40006;
inline constexpr std::int32_t ErrBadArgument = 40014;
inline constexpr std::int32_t ErrUnsupportedVarType = 40018;
inline constexpr std::int32_t ErrInvalidState = 40020;

// The text for a number, or the empty text for a number that has none.
std::string_view ErrorDescription(std::int32_t number);

}  // namespace ombrelt::net
