#pragma once
// Text helpers of the editor.
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelt::mdlHandling {

// Field n (1-based) of a comma-separated text: the text between comma n - 1
// and comma n (field 1: before the first comma); "" when the text has fewer
// fields or n is below 1.
std::string GetCommaField(std::string_view text, std::int16_t n);

}  // namespace ombrelt::mdlHandling
