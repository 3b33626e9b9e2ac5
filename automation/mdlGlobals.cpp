#include "automation/mdlGlobals.h"

namespace ombrelt::mdlGlobals {

std::string StripLeadingBackslash(std::string& path) {
    if (!path.empty() && path.front() == '\\') path.erase(0, 1);
    return path;
}

}  // namespace ombrelt::mdlGlobals
