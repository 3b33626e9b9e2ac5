#pragma once
// The browser launcher: opens a web address in the user's default browser,
// found through the system's command for the http protocol. Building the
// command line is pure; reading the registry and starting the program are
// Win32 (mdlURLWin32.cpp).
#include <string>
#include <string_view>

namespace ombrelt::mdlURL {

// The key whose default value is the http protocol's open command.
inline constexpr std::string_view BrowserCommandKey = "HKEY_CLASSES_ROOT\\http\\shell\\open\\command\\";
// The program used when the registry names none.
inline constexpr std::string_view FallbackBrowser = "iexplore.exe";

// The command up to one character past its last "exe" (case-sensitive): for
// a quoted path that is the closing quote. Without "exe", the first three
// characters.
std::string CutAfterExe(std::string_view command);

// The browser's program path from the registry's command: quotes removed
// from a quoted path; an unquoted one cut at its first space; the fallback
// when nothing is left.
std::string BrowserProgram(std::string_view registryCommand);

// Replaces every space of the url by "%20" (the caller's text changes).
void EscapeSpaces(std::string& url);

// The command line that starts the browser with url: the program path (in
// quotes when it holds a space), a space and the url with its spaces
// escaped (the caller's url changes too).
std::string BrowserCommandLine(std::string_view registryCommand, std::string& url);

#ifdef _WIN32
// The registry value read through the scripting shell's registry reader
// ("wscript.shell", RegRead); "" when the object cannot be made or the read fails.
std::string ReadRegistryValue(const std::string& key);
// Starts the default browser maximised with url. False when it could not be started.
bool OpenURL(std::string& url);
#endif

}  // namespace ombrelt::mdlURL
