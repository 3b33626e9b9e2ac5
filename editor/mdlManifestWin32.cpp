// The manifest writer: asks the system for its version, writes the file and
// initialises the common controls.
#include "automation/win32/WinApi.h"

#include <commctrl.h>

#include "automation/FileAccess.h"
#include "editor/mdlManifest.h"

namespace ombrelt::mdlManifest {

std::string GetWindowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // the 148-byte record
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return WindowsVersionName(0, 0, 0);
#pragma GCC diagnostic pop
    return WindowsVersionName(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

bool WriteManifest(const std::string& folder, const std::string& exeName) {
    return WriteManifest(folder, exeName, GetWindowsVersion());
}

bool WriteManifest(const std::string& folder, const std::string& exeName, const std::string& windowsVersion) {
    bool wrote = false;
    const std::string path = ManifestFile(folder, exeName);
    // An existing manifest is never read or rewritten, whatever it holds.
    if (!FileAccess::PathExists(path) && windowsVersion == "Windows XP") {
        // Written whole first: a cut manifest would stay for good.
        wrote = FileAccess::ReplaceWholeFile(path, ManifestText() + "\r\n");
        if (wrote)
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    }
    InitCommonControls();
    return wrote;
}

}  // namespace ombrelt::mdlManifest
