#pragma once
// Small path routines of the File commands.
#include <string>
#include <string_view>

namespace ombrelt::mdlParsing {

// The text after the path's last "\"; the whole text when it has none.
std::string GetFileName(std::string_view path);

}  // namespace ombrelt::mdlParsing
