#pragma once
// Byte texts written as numbers, for the socket tests.
#include <initializer_list>
#include <string>

namespace ombrelt::testing {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

}  // namespace ombrelt::testing
