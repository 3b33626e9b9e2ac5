#pragma once
// Whole-file reads and writes with 8-bit paths in the system code page, as
// the editor's modules use them. Portable: no windows.h.
#include <string>

namespace ombrelt::editor {

// True when the path's attributes can be read (files and folders, hidden,
// system and read-only ones too).
bool PathExists(const std::string& path);
// The file's bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Creates or truncates the file and writes the bytes; false on any failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes the bytes to a new file beside path, then lets it replace path:
// the file at path is never left half-written or lost to a failed write.
// False on any failure (path then stays as it was).
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);
// Deletes a file; false when there was none or it could not be deleted.
bool DeleteFilePath(const std::string& path);

}  // namespace ombrelt::editor
