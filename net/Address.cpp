#include "net/Address.h"

#include <cstring>

namespace ombrelt::net {

std::string DottedAddress(std::uint32_t networkOrder) {
    unsigned char bytes[4];
    std::memcpy(bytes, &networkOrder, 4);
    std::string out;
    for (int i = 0; i < 4; ++i) {
        if (i) out += '.';
        out += std::to_string(bytes[i]);
    }
    return out;
}

}  // namespace ombrelt::net
