#pragma once
// Small path helpers shared by the engine and the hosts.
#include <string>

namespace ombrelt::mdlGlobals {

// Removes one "\" from the front of path (the caller's variable too) and
// returns path as it then stands: "\a.bmp" gives "a.bmp", "\\a" gives "\a".
std::string StripLeadingBackslash(std::string& path);

}  // namespace ombrelt::mdlGlobals
