#include "editor/FileAccess.h"

#include <sys/stat.h>

#ifdef _WIN32
#include "automation/win32/WinApi.h"
#endif

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

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    const std::string fresh = path + ".part";
    if (!WriteWholeFile(fresh, bytes)) {
        DeleteFilePath(fresh);
        return false;
    }
#ifdef _WIN32
    // The C library's rename does not replace an existing file on Windows.
    const bool replaced = MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    const bool replaced = std::rename(fresh.c_str(), path.c_str()) == 0;
#endif
    if (!replaced) DeleteFilePath(fresh);
    return replaced;
}

bool DeleteFilePath(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

}  // namespace ombrelt::editor
