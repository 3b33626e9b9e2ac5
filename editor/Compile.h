#pragma once
// File > Compile without its windows: its texts and the executable's bytes.
#include <optional>
#include <string>
#include <string_view>

namespace ombrelt::editor::Compile {

inline constexpr std::string_view DialogTitle = "Save Executable";
inline constexpr std::string_view Filter = "Executable Files|*.exe|All Files|*.*";
inline constexpr std::string_view Extension = "exe";
inline constexpr std::string_view PlayerFile = "Compiler.dll";
inline constexpr std::string_view RepeatQuestion = "Would you like the script to repeat infinitely until stopped?";
inline constexpr std::string_view RepeatTitle = "Repeat?";
inline constexpr std::string_view InvalidName = "Invalid Filename!";
inline constexpr std::string_view Failed = "Could not create exectuable!";
inline constexpr std::string_view ErrorTitle = "Error";
inline constexpr std::string_view Done = "Ombrelt executable was compiled.";
inline constexpr std::string_view DoneTitle = "Compiled";

// The executable made of the player's bytes, the repeat flag and the editor
// text in its compact form; nothing when the player is empty or too large.
std::optional<std::string> BuildExecutable(std::string_view player, bool repeat, std::string_view editorText);

}  // namespace ombrelt::editor::Compile
