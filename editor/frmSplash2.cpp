// The start-up road: the splash window's preparation, the update check's
// hand-over and the routing to the first main window.
#include "editor/frmSplash2.h"

#include "editor/Artwork.h"
#include "editor/Program.h"
#include "editor/frmChoice.h"
#include "editor/frmMain.h"
#include "editor/mdlManifest.h"
#include "editor/mdlURL.h"
#include "forms/Application.h"

namespace ombrelt::editor {

namespace {
constexpr int kWidth = 440, kHeight = 180;
constexpr char kUpdateQuestion[] = "There is an update available, would you like to update?";
}  // namespace

frmSplash2& Program::Splash() {
    return Window<frmSplash2>(splash_);
}

frmSplash2::frmSplash2(Program& program)
    : forms::Form(program.App()),
      imgTitle(*this, {116, 30, 310, 120}),
      imgIcon(*this, {20, 42, 80, 80}),
      tmr1(*this, [this] { tmr1_Timer(); }, 2000, false),
      tmrUpdate(*this, [this] { tmrUpdate_Timer(); }, 0, false),
      program_(program) {
    imgTitle.Click = [this] { SkipSplash(); };
    imgIcon.Click = [this] { SkipSplash(); };
}

forms::FormLayout frmSplash2::Layout() const {
    forms::FormLayout layout;
    layout.Caption = "Splash";
    layout.Style = WS_POPUP;
    layout.Width = kWidth;
    layout.Height = kHeight;
    layout.X = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    layout.Y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    return layout;
}

void frmSplash2::Form_Initialize() {
    forms::Application& app = program_.App();
    AutomationState& automation = program_.Automation();
    program_.Shell32Handle = LoadLibraryA("shell32.dll");
    mdlManifest::WriteManifest(program_.Folder(), app.EXEName());
    SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
    automation.SizeTables();
    program_.State().RecordMouseMoves = true;
    automation.ImageBaseFolder = program_.Folder();
    automation.FirstFindMode = true;
}

void frmSplash2::Form_Load() {
    SetBackColor(RGB(0, 0, 0));
    title_ = TitlePicture(imgTitle.Width(), imgTitle.Height());
    icon_ = LogoPicture(imgIcon.Width(), RGB(0, 0, 0));
    imgTitle.SetPicture(title_);
    imgIcon.SetPicture(icon_);

    ClientUpdate = program_.MakeUpdateCheck ? program_.MakeUpdateCheck() : nullptr;
    if (ClientUpdate) {
        ClientUpdate->Events.Connected = [this] { ClientUpdate_Connect(); };
        ClientUpdate->Events.UpdateAvailable = [this](const std::string& url) {
            return ClientUpdate_UpdateAvailable(url);
        };
        ClientUpdate->Events.NoUpdate = [this] { ClientUpdate_NoUpdate(); };
    }
    Connected = false;
    program_.LoadSettings();
    App().SetTitle("");
    App().SetTaskVisible(false);
    tmrUpdate.SetInterval(1);
    tmrUpdate.SetEnabled(true);
}

void frmSplash2::tmrUpdate_Timer() {
    if (ClientUpdate) ClientUpdate->Start();
    tmr1.SetInterval(1000);
    tmr1.SetEnabled(true);
    tmrUpdate.SetInterval(0);
    tmrUpdate.SetEnabled(false);
}

void frmSplash2::tmr1_Timer() {
    tmr1.SetEnabled(false);
    tmr1.SetInterval(0);
    if (!Connected) ShowMainWindow();
}

void frmSplash2::SkipSplash() {
    tmr1.SetEnabled(false);
    tmr1.SetInterval(0);
    tmrUpdate.SetEnabled(false);
    tmrUpdate.SetInterval(0);
    ShowMainWindow();
}

void frmSplash2::ShowMainWindow() {
    // Once a start: the wait, a click and each piece of a late or long reply
    // may all ask for it.
    if (routed_) return;
    routed_ = true;
    program_.SaveSettings();
    const EditorState& state = program_.State();
    if (state.FirstRun) program_.Choice().Show();
    else if (state.StartInBasicMode) program_.ShowBasicWindow();
    else program_.Main().Show();
    Hide();
}

void frmSplash2::ClientUpdate_Connect() {
    Connected = true;
}

bool frmSplash2::ClientUpdate_UpdateAvailable(const std::string& downloadUrl) {
    if (program_.MsgBox(*this, kUpdateQuestion, MB_YESNO, "Update") != IDYES) return false;
    std::string url = downloadUrl;
    mdlURL::OpenURL(url);
    program_.End();
    return true;
}

void frmSplash2::ClientUpdate_NoUpdate() {
    tmr1.SetEnabled(false);
    tmr1.SetInterval(0);
    ShowMainWindow();
}

}  // namespace ombrelt::editor
