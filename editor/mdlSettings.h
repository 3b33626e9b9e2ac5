#pragma once
// The five user flags kept in "settings.dat" beside the program: ten bytes,
// "1," or "0," for each flag in the order below, no line break.
#include <string>
#include <string_view>

#include "automation/AutomationState.h"
#include "editor/EditorState.h"

namespace ombrelt::mdlSettings {

struct Flags {
    bool RepeatEnabled = true;
    bool RecordMouseMoves = true;
    bool UseExtendedClicks = true;
    bool IgnorePauses = false;
    bool StartInBasicMode = true;
};

// The file's bytes for the flags: "1,1,1,0,1," for the defaults.
std::string EncodeSettings(const Flags& flags);
// Field n is True only when it is exactly "1"; missing fields are False.
Flags DecodeSettings(std::string_view text);

// The program's folder followed by "\settings.dat".
std::string SettingsPath(const std::string& programFolder);

// Reads the file into the flags. No file: the defaults, PauseFactor 1.0 and
// FirstRun True. A file that cannot be read sets every flag False.
void LoadSettings(const std::string& path, AutomationState& automation, editor::EditorState& state);
// Writes the flags in a new file that then replaces the old one. Failures are
// silent and keep the old file.
void SaveSettings(const std::string& path, const AutomationState& automation, const editor::EditorState& state);

}  // namespace ombrelt::mdlSettings
