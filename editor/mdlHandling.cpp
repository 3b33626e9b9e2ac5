#include "editor/mdlHandling.h"

namespace ombrelt::mdlHandling {

std::string GetCommaField(std::string_view text, std::int16_t n) {
    std::string field;
    int commas = 0;
    for (char c : text) {
        if (c == ',') {
            ++commas;
            if (commas >= n) break;  // the field is complete
            continue;
        }
        if (commas == n - 1) field += c;
    }
    return field;
}

}  // namespace ombrelt::mdlHandling
