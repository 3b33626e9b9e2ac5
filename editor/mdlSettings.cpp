#include "editor/mdlSettings.h"

#include "automation/FileAccess.h"
#include "editor/mdlHandling.h"

namespace ombrelt::mdlSettings {

std::string EncodeSettings(const Flags& flags) {
    std::string text;
    for (bool flag : {flags.RepeatEnabled, flags.RecordMouseMoves, flags.UseExtendedClicks, flags.IgnorePauses,
                      flags.StartInBasicMode})
        text += flag ? "1," : "0,";
    return text;
}

Flags DecodeSettings(std::string_view text) {
    auto flag = [text](std::int16_t n) { return mdlHandling::GetCommaField(text, n) == "1"; };
    return Flags{flag(1), flag(2), flag(3), flag(4), flag(5)};
}

std::string SettingsPath(const std::string& programFolder) {
    return programFolder + "\\settings.dat";
}

void LoadSettings(const std::string& path, AutomationState& automation, editor::EditorState& state) {
    Flags flags;
    if (!FileAccess::PathExists(path)) {
        automation.PauseFactor = 1.0;
        state.FirstRun = true;
    } else {
        std::string text;
        if (!FileAccess::ReadWholeFile(path, text)) text.clear();  // unreadable: every field reads empty
        flags = DecodeSettings(text);
    }
    automation.RepeatEnabled = flags.RepeatEnabled;
    state.RecordMouseMoves = flags.RecordMouseMoves;
    state.UseExtendedClicks = flags.UseExtendedClicks;
    automation.IgnorePauses = flags.IgnorePauses;
    state.StartInBasicMode = flags.StartInBasicMode;
}

void SaveSettings(const std::string& path, const AutomationState& automation, const editor::EditorState& state) {
    // Written whole before it replaces the old file: a failed save keeps the
    // flags the user had rather than leaving no file (which reads as a first
    // run) or a cut one.
    FileAccess::ReplaceWholeFile(path, EncodeSettings(Flags{automation.RepeatEnabled, state.RecordMouseMoves,
                                                            state.UseExtendedClicks, automation.IgnorePauses,
                                                            state.StartInBasicMode}));
}

}  // namespace ombrelt::mdlSettings
