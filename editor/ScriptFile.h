#pragma once
// The rules of the File commands that do not touch a window: the empty
// script, when New must ask, which paths are compiled executables, what Open
// shows of one, the extensions Save As and Compile add, and the captions.
#include <optional>
#include <string>
#include <string_view>

#include "editor/EditCommands.h"

namespace ombrelt::editor::ScriptFile {

inline constexpr std::string_view OpenTitle = "Open Ombrelt script file";
inline constexpr std::string_view SaveTitle = "Save Ombrelt script file";
inline constexpr std::string_view OpenFilter = "Ombrelt Script Files|*.ox|Ombrelt Executable|*.exe|All Files|*.*";
inline constexpr std::string_view SaveFilter = "Ombrelt Script Files|*.ox|All Files|*.*";
inline constexpr std::string_view Extension = "ox";
inline constexpr std::string_view NewCaption = "Ombrelt";
inline constexpr std::string_view NewQuestionTitle = "Confirm Recording";
inline constexpr std::string_view NewQuestion =
    "There is an existing script open. If you create a new script Ombrelt will delete the existing "
    "script. Do you wish to continue?";
// Open of a compiled file whose payload is damaged or missing.
inline constexpr std::string_view NoScriptMessage = "The file holds no Ombrelt script.";
// Open of a file that holds a NUL byte (a program, a picture, UTF-16 text).
inline constexpr std::string_view NotAScriptMessage = "The file is not an Ombrelt script.";
inline constexpr std::string_view ReadFailedMessage = "The file could not be read.";
inline constexpr std::string_view SaveFailedMessage = "The script could not be saved.";
inline constexpr std::string_view ErrorTitle = "Error";

// New asks before discarding anything but an empty editor or the untouched
// empty script (EmptyScript) (with or without a final line break).
bool NewNeedsQuestion(std::string_view editorText);

// Open reads a path ending in "exe", in any case as Windows names files, as a
// compiled executable.
bool IsCompiledPath(std::string_view path);

// The editor shows text only up to its first NUL byte: bytes holding one are
// no script, and showing them cut would let a Save cut the file too.
bool IsScriptText(std::string_view bytes);

// The script of a compiled executable as Open shows it: a line break after
// every ";".
std::string ScriptForEditor(std::string_view payloadScript);

// The script of the compiled executable at the path as Open shows it;
// nothing when the file cannot be read or holds no payload, or no text in it.
std::optional<std::string> ReadCompiledScript(const std::string& path);

// The path with the extension (".ox", ".exe") appended unless it already
// ends in it, case-sensitively: "A.OX" becomes "A.OX.ox".
std::string WithExtension(std::string_view path, std::string_view dotExtension);

// "Ombrelt - " followed by the file name of the path.
std::string CaptionFor(std::string_view path);

}  // namespace ombrelt::editor::ScriptFile
