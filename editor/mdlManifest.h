#pragma once
// The visual-styles manifest written beside the program on systems that
// report themselves as "Windows XP". The text, the file name and the version
// names are pure; the writer (mdlManifestWin32.cpp) asks the system.
#include <cstdint>
#include <string>

namespace ombrelt::mdlManifest {

// The 22 lines of the manifest joined by CR LF (no line break after the last).
std::string ManifestText();

// folder + "\" (unless it ends in one) + exeName + ".exe.manifest", or
// + ".manifest" when exeName itself ends in ".exe" (in any case).
std::string ManifestFile(const std::string& folder, const std::string& exeName);

// The system's name from its version record: platform id 1 (95 and 98),
// 2 (NT family), anything else "Failed".
std::string WindowsVersionName(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor);

#ifdef _WIN32
// The name of the system the program runs on.
std::string GetWindowsVersion();
// Writes the manifest when it is missing and the system is "Windows XP",
// marks it read-only, hidden, system and archive, and initialises the common
// controls in any case. True when it wrote the file in this call.
bool WriteManifest(const std::string& folder, const std::string& exeName);
// The same with the system's name given (for tests).
bool WriteManifest(const std::string& folder, const std::string& exeName, const std::string& windowsVersion);
#endif

}  // namespace ombrelt::mdlManifest
