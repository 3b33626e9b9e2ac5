#pragma once
// Whole-file reads and writes with 8-bit paths in the system code page, as
// the programs' modules use them. Portable: no windows.h.
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelt::FileAccess {

// True when the path's attributes can be read (files and folders, hidden,
// system and read-only ones too).
bool PathExists(const std::string& path);
// The file's bytes; false when it cannot be opened or read (a read error,
// too large for the process), is no file on a disk, or names a device.
// Never throws.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes the bytes whole to a new file beside path, flushes them to the disk,
// then lets that file replace path, keeping its attributes (hidden, system,
// archive). A failed write never touches the file at path and leaves nothing
// behind. False on any failure, for a device name and for a read-only file,
// which is never replaced.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);
// Deletes a file; false when there was none or it could not be deleted.
bool DeleteFilePath(const std::string& path);

// True when the path's file name is one of Windows' device names (con, prn,
// aux, nul, com1..com9, lpt1..lpt9), whatever its case, extension or folder:
// writing "nul.ox" would report success and keep nothing.
bool IsDeviceName(std::string_view path);
// The temporary file name number n gives beside target: in the target's
// folder (a rename across folders could fail or copy), "~omb" and four hex
// digits of n with ".tmp", or for a target name shorter than that "~" and hex
// digits, no longer than the target's name (five characters at the least).
std::string TemporaryPathBeside(std::string_view target, std::uint32_t n);

}  // namespace ombrelt::FileAccess
