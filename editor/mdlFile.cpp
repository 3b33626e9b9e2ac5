#include "editor/mdlFile.h"

#include "automation/Convert.h"

namespace ombrelt::mdlFile {

bool IsValidFileName(std::string& path) {
    std::erase_if(path, [](char c) { return c == '\t' || c == '\r' || c == '\n'; });
    if (path.empty() || path == " " || path == ".") return false;
    if (path.find('\\') == std::string::npos) return false;
    if (Convert::IsNumeric(path.substr(0, 1))) return false;
    if (path.find_first_of("/*?<>|\"") != std::string::npos) return false;
    if (path.size() > 2 && path.find(':', 2) != std::string::npos) return false;
    return true;
}

std::string GetFolder(std::string_view path) {
    const auto slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace ombrelt::mdlFile
