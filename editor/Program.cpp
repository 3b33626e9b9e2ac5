#include "editor/Program.h"

#include "editor/frmSplash2.h"
#include "editor/mdlSettings.h"

namespace ombrelt::editor {

Program::Program() : folder_(app_.Path()), engine_(automation_, desktop_) {
    // The White Debug window's statement counter, and the pause percent a
    // timed run hands over instead of applying.
    engine_.StatementHook = [this] { ++state_.WhiteLineCount; };
    engine_.PausePercentHook = [this](const std::string& text, std::int16_t executeType) {
        state_.PausePercentText = text;
        if (executeType == 2) ++state_.WhiteLineCount;
    };
    OnEnd = [this] { app_.End(); };
    MakeUpdateCheck = [] { return MakeProgramUpdateCheck(); };
}

Program::~Program() = default;

void Program::Start() {
    frmSplash2& splash = Splash();
    splash.Form_Initialize();
    splash.Show();
}

void Program::End() {
    if (OnEnd) OnEnd();
}

std::string Program::SettingsPath() const {
    return mdlSettings::SettingsPath(folder_);
}

void Program::LoadSettings() {
    mdlSettings::LoadSettings(SettingsPath(), automation_, state_);
}

void Program::SaveSettings() {
    mdlSettings::SaveSettings(SettingsPath(), automation_, state_);
}

}  // namespace ombrelt::editor
