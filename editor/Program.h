#pragma once
// The editor program: owns the application object, the desktop, the shared
// automation state, the one script engine, the editor's run state and its
// windows. Windows reach each other only through it; each is created on its
// first reference through its accessor (Main(), Basic(), ...), which the
// window's own .cpp file defines.
#include "automation/win32/WinApi.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "automation/AutomationState.h"
#include "automation/KeyPresses.h"
#include "automation/win32/Win32Desktop.h"
#include "editor/EditorState.h"
#include "editor/UpdateCheckPort.h"
#include "engine/SC.h"
#include "forms/Application.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class frmMain;
class frmSplash2;
class frmChoice;
class frmSettings;
class frmAbout;
class frmBasic;
class frmWhite;
class frmDebug;
class frmFind;
class frmReplace;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up road: the splash window's initialisation and loading;
    // the splash shows itself. The message loop runs the rest.
    void Start();

    forms::Application& App() { return app_; }
    win32::Win32Desktop& Desktop() { return desktop_; }
    AutomationState& Automation() { return automation_; }
    SC& ScriptEngine() { return engine_; }
    EditorState& State() { return state_; }
    // What the hot-key polls of every window saw of the keys.
    KeyPresses& HotKeyPresses() { return hotKeyPresses_; }

    // The windows (each defined in its own .cpp file).
    frmMain& Main();
    frmSplash2& Splash();
    frmChoice& Choice();
    frmSettings& Settings();
    frmAbout& About();
    frmBasic& Basic();
    frmWhite& White();
    frmDebug& Debug();
    frmFind& Find();
    frmReplace& Replace();

    // The editor's message boxes and file dialogs (EditorDialogs.cpp). Each
    // belongs to the window that asks. The shown window that owns it
    // (DialogOwner) takes no clicks while it is open, and Ctrl+8 and Ctrl+9
    // start nothing meanwhile. One is open at a time: asked while another is
    // open, a dialog is not shown. One not shown, or one that finishes after
    // its window has stopped being the one in use, answers 0 (none of the
    // buttons) or "" (no file), so that it changes nothing. The arguments are
    // those of forms::MsgBox and mdlFile::ShowOpen and ShowSave.
    int MsgBox(forms::Form& window, const std::string& prompt, UINT buttons, const std::string& title);
    std::string ShowOpen(forms::Form& window, const std::string& title, std::string_view filter,
                         const std::string& extension);
    std::string ShowSave(forms::Form& window, std::string_view filter, const std::string& extension,
                         const std::string& title);
    // A file command's failure, under the title "Error".
    void ShowFileError(forms::Form& window, std::string_view message);
    // The window the user works in: the basic-mode window while basic mode
    // is in use, the advanced-mode window otherwise. Any other window counts
    // as in use.
    bool InUse(const forms::Form& window) const;
    // The window that owns a dialog the window asks for: that window when it
    // is shown, otherwise the window in use when it is shown, otherwise none.
    const forms::Form* DialogOwner(const forms::Form& window) const;
    // The pause that Save As and Compile make after their dialog. True when
    // the command may go on: its window is still in use and shown, and no
    // run or recording began meanwhile (its questions would be clicked into
    // the recording, its file written during it).
    bool WaitAfterDialog(const forms::Form& window, std::int32_t milliseconds);

    // Basic mode (frmBasic.cpp): the basic-mode window shown and in use.
    void ShowBasicWindow();
    // Steps 2 to 4 and 6 of the switch from the advanced-mode window: hand
    // the hot keys, the caption and the text over and show the basic window.
    void EnterBasicMode(const std::string& mainCaption, const std::string& scriptText);

    // The program's folder (the application's Path): settings, manifest,
    // readme and the scripts' images live there. Tests point it elsewhere
    // before Start.
    const std::string& Folder() const { return folder_; }
    void SetFolder(std::string folder) { folder_ = std::move(folder); }

    // settings.dat beside the program.
    std::string SettingsPath() const;
    void LoadSettings();
    void SaveSettings();

    // Ends the process at once (no further window events). Tests replace
    // OnEnd to see the end without ending.
    std::function<void()> OnEnd;
    void End();

    // Makes the splash window's update check; tests replace it.
    std::function<std::unique_ptr<UpdateCheckPort>()> MakeUpdateCheck;

    // The system shell library, loaded at start-up and kept for good.
    HMODULE Shell32Handle = nullptr;

private:
    template <class W>
    W& Window(std::unique_ptr<forms::Form>& slot) {
        if (!slot) slot = std::make_unique<W>(*this);
        return static_cast<W&>(*slot);
    }

    forms::Application app_;
    std::string folder_;
    win32::Win32Desktop desktop_;
    AutomationState automation_;
    EditorState state_;
    KeyPresses hotKeyPresses_;
    SC engine_;

    std::unique_ptr<forms::Form> main_, splash_, choice_, settings_, about_, basic_, white_, debug_, find_,
        replace_;
};

}  // namespace ombrelt::editor
