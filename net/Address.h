#pragma once
// IPv4 addresses as the socket class shows them.
#include <cstdint>
#include <string>

namespace ombrelt::net {

// The four bytes of an address in network byte order (memory order), each in
// decimal, joined by ".": the bytes C0 A8 01 0A give 192.168.1.10.
std::string DottedAddress(std::uint32_t networkOrder);

}  // namespace ombrelt::net
