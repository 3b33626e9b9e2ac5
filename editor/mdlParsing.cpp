#include "editor/mdlParsing.h"

namespace ombrelt::mdlParsing {

std::string GetFileName(std::string_view path) {
    const auto slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace ombrelt::mdlParsing
