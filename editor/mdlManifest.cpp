#include "editor/mdlManifest.h"

#include <algorithm>
#include <cctype>

namespace ombrelt::mdlManifest {

std::string ManifestText() {
    static const char* const lines[] = {
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)",
        R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">)",
        R"(<assemblyIdentity)",
        R"(version="1.0.0.0")",
        R"(processorArchitecture="X86")",
        R"(name="Trellwick")",
        R"(type="win32")",
        R"(/>)",
        R"(<description>XP Manifest</description>)",
        R"(<dependency>)",
        R"(<dependentAssembly>)",
        R"(<assemblyIdentity)",
        R"(type="win32")",
        R"(name="Microsoft.Windows.Common-Controls")",
        R"(version="6.0.0.0")",
        R"(processorArchitecture="X86")",
        R"(publicKeyToken="6595b64144ccf1df")",
        R"(language="*")",
        R"(/>)",
        R"(</dependentAssembly>)",
        R"(</dependency>)",
        R"(</assembly>)",
    };
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

std::string ManifestFile(const std::string& folder, const std::string& exeName) {
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    std::string lower = exeName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool endsInExe = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".exe") == 0;
    return path + exeName + (endsInExe ? ".manifest" : ".exe.manifest");
}

std::string WindowsVersionName(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor) {
    switch (platformId) {
    case 1:
        if (minor == 0) return "Windows 95";
        if (minor == 10) return "Windows 98";
        return "";
    case 2:
        switch (major) {
        case 3:
            return "Windows NT 3.51";
        case 4:
            return "Windows NT 4.0";
        case 5:
            return "Windows XP";
        case 6:
            return "Windows Vista";
        default:
            return "";
        }
    default:
        return "Failed";
    }
}

}  // namespace ombrelt::mdlManifest
