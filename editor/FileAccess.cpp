#include "editor/FileAccess.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace ombrelt::editor {

bool PathExists(const std::string& path) {
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool DeleteFilePath(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

}  // namespace ombrelt::editor
