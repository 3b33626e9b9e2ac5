#pragma once
// Paths as the File commands take them from the common open and save
// dialogs. Texts are 8-bit in the system code page.
#include <string>
#include <string_view>

namespace ombrelt::mdlFile {

// Removes every TAB, CR and LF from the caller's path, then tells whether it
// can name a file: not "", " " or ".", holds a "\", does not begin with a
// digit, has none of / * ? < > | or the double quote, and no ":" from the
// third character on.
bool IsValidFileName(std::string& path);

// The path up to and including its last "\"; empty when it has none.
std::string GetFolder(std::string_view path);

}  // namespace ombrelt::mdlFile

namespace ombrelt::forms {
class Form;
}

namespace ombrelt::mdlFile {

// Win32 only (mdlFileDialogs.cpp) ---------------------------------------

// The open and save dialogs, owned by the given window (it takes no clicks
// while one is open; null for none); the chosen path, empty when cancelled.
// Note the different argument orders, which callers rely on.
std::string ShowOpen(const std::string& title, std::string_view filter, const std::string& defaultExtension,
                     const forms::Form* owner);
std::string ShowSave(std::string_view filter, const std::string& defaultExtension, const std::string& title,
                     const forms::Form* owner);

}  // namespace ombrelt::mdlFile
