// The editor's shell in process: the start-up road with a scripted update
// check, the mode choice, the advanced-mode window's start values and edit
// commands, the settings dialog, exit, and the manifest writer.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "automation/win32/WinApi.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "automation/FileAccess.h"
#include "automation/win32/Handles.h"
#include "editor/Program.h"
#include "editor/frmAbout.h"
#include "editor/frmBasic.h"
#include "editor/frmChoice.h"
#include "editor/frmDebug.h"
#include "editor/frmFind.h"
#include "editor/frmMain.h"
#include "editor/frmReplace.h"
#include "editor/frmSettings.h"
#include "editor/frmSplash2.h"
#include "editor/frmWhite.h"
#include "editor/mdlManifest.h"
#include "forms/Dialogs.h"
#include "forms/MessageLoop.h"

namespace ombrelt::editor {
namespace {

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs) return false;
        forms::DoEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

// An update check the test drives.
struct ScriptedCheck : UpdateCheckPort {
    int* starts;
    explicit ScriptedCheck(int* s) : starts(s) {}
    void Start() override { ++*starts; }
};

// A program in a scratch folder whose end is recorded, not carried out.
class EditorShell : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "ombrelt_shell_" + std::to_string(GetCurrentProcessId()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        program_.SetFolder(folder_);
        program_.OnEnd = [this] { ++ends_; };
        program_.MakeUpdateCheck = [this] {
            auto check = std::make_unique<ScriptedCheck>(&starts_);
            check_ = check.get();
            return check;
        };
    }
    void TearDown() override {
        for (const char* name : {"settings.dat", "readme.txt"}) DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Settings() {
        std::string bytes;
        FileAccess::ReadWholeFile(program_.SettingsPath(), bytes);
        return bytes;
    }
    bool Shown(forms::Form& form) { return form.Visible(); }

    std::string folder_;
    Program program_;
    ScriptedCheck* check_ = nullptr;
    int starts_ = 0;
    int ends_ = 0;
};

TEST_F(EditorShell, StartPreparesTheStateAndStartsTheCheckOnce) {
    program_.Start();
    frmSplash2& splash = program_.Splash();
    EXPECT_TRUE(splash.Visible());
    EXPECT_NE(program_.Shell32Handle, nullptr);
    EXPECT_EQ(program_.Automation().ImageBuffers.size(), 51u);
    EXPECT_EQ(program_.Automation().ColorRangeMax.size(), 51u);
    EXPECT_TRUE(program_.Automation().FirstFindMode);
    EXPECT_EQ(program_.Automation().ImageBaseFolder, folder_);
    EXPECT_EQ(program_.App().Title(), "");
    EXPECT_FALSE(program_.App().TaskVisible());
    EXPECT_TRUE(program_.State().FirstRun);  // the folder has no settings.dat
    ASSERT_TRUE(PumpUntil([&] { return starts_ == 1; }));
    PumpFor(50);
    EXPECT_EQ(starts_, 1);
    EXPECT_TRUE(splash.tmr1.Enabled());
    EXPECT_EQ(splash.tmr1.Interval(), 1000);
    EXPECT_FALSE(splash.tmrUpdate.Enabled());
}

TEST_F(EditorShell, FirstRunWritesTheDefaultsThenTheChoiceOpensTheChosenMode) {
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return starts_ == 1; }));
    check_->Events.NoUpdate();  // a reply without "Yes"
    EXPECT_EQ(Settings(), "1,1,1,0,1,");
    frmChoice& choice = program_.Choice();
    EXPECT_TRUE(choice.Visible());
    EXPECT_FALSE(program_.Splash().Visible());
    EXPECT_TRUE(choice.optBasic.Value());
    EXPECT_FALSE(choice.optAdvanced.Value());

    choice.optAdvanced.SetValue(true);
    choice.cmdOK_Click();
    EXPECT_EQ(Settings(), "1,1,1,0,0,");
    EXPECT_FALSE(choice.Visible());
    EXPECT_TRUE(program_.Main().Visible());
    EXPECT_EQ(ends_, 0);
}

TEST_F(EditorShell, ClosingTheChoiceEndsTheProgramAndKeepsTheDefaultsFile) {
    program_.Start();
    program_.Splash().SkipSplash();  // a click routes at once
    EXPECT_EQ(starts_, 0);           // before the check even started
    ASSERT_TRUE(program_.Choice().Visible());
    SendMessageA(program_.Choice().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ends_, 1);
    EXPECT_EQ(Settings(), "1,1,1,0,1,");
}

TEST_F(EditorShell, WithoutAConnectionTheStoredModeOpensAfterOneSecond) {
    FileAccess::ReplaceWholeFile(folder_ + "\\settings.dat", "0,0,0,1,0,");
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return starts_ == 1; }));
    const DWORD started = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return program_.Splash().Visible() == false; }, 3000));
    const DWORD waited = GetTickCount() - started;
    EXPECT_GE(waited, 900u);
    EXPECT_LE(waited, 1600u);
    EXPECT_TRUE(program_.Main().Visible());
    EXPECT_TRUE(program_.Automation().IgnorePauses);  // from the file
    // frmMain's loading sets these whatever the file held.
    EXPECT_TRUE(program_.Automation().RepeatEnabled);
    EXPECT_TRUE(program_.State().RecordMouseMoves);
    EXPECT_TRUE(program_.State().UseExtendedClicks);
    EXPECT_EQ(Settings(), "0,0,0,1,0,");  // saved at routing, before frmMain loaded
}

TEST_F(EditorShell, AConnectionWithoutReplyKeepsTheSplashUntilItIsClicked) {
    FileAccess::ReplaceWholeFile(folder_ + "\\settings.dat", "1,1,1,0,0,");
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return starts_ == 1; }));
    check_->Events.Connected();
    PumpFor(1300);
    EXPECT_TRUE(program_.Splash().Visible());
    EXPECT_FALSE(program_.Splash().tmr1.Enabled());
    SendMessageA(program_.Splash().imgTitle.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(program_.Splash().imgTitle.Handle(), WM_LBUTTONUP, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !program_.Splash().Visible(); }, 1000));
    EXPECT_TRUE(program_.Main().Visible());
}

TEST_F(EditorShell, DecliningTheUpdateOpensTheMainWindow) {
    FileAccess::ReplaceWholeFile(folder_ + "\\settings.dat", "1,1,1,0,0,");
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return starts_ == 1; }));
    check_->Events.Connected();
    // The question is a real message box: answer No from a timer.
    std::string question;
    forms::Timer answer([&] {
        HWND box = FindWindowA("#32770", "Update");
        if (!box) return;
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        question = text;
        PostMessageA(box, WM_COMMAND, IDNO, 0);
    }, 10, true);
    const bool accepted = check_->Events.UpdateAvailable("http://update.invalid/downloads/Ombreltsetup.exe");
    EXPECT_FALSE(accepted);
    EXPECT_EQ(question, "There is an update available, would you like to update?");
    check_->Events.NoUpdate();  // the check goes on as for a piece without "Yes"
    EXPECT_TRUE(program_.Main().Visible());
    EXPECT_EQ(ends_, 0);
}

// A one-shot update server on the loopback: accepts one connection, reads
// the request and answers with a fixed reply.
class LoopbackServer {
public:
    explicit LoopbackServer(std::string reply) : reply_(std::move(reply)) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 1);
        int length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        u_long nonBlocking = 1;
        ioctlsocket(listener_, FIONBIO, &nonBlocking);
    }
    ~LoopbackServer() {
        if (client_ != INVALID_SOCKET) closesocket(client_);
        closesocket(listener_);
        WSACleanup();
    }
    int Port() const { return port_; }
    // Called while pumping: accepts, reads the request, answers once.
    void Serve() {
        if (client_ == INVALID_SOCKET) {
            client_ = accept(listener_, nullptr, nullptr);
            if (client_ == INVALID_SOCKET) return;
            u_long nonBlocking = 1;
            ioctlsocket(client_, FIONBIO, &nonBlocking);
        }
        char buffer[512];
        const int n = recv(client_, buffer, sizeof buffer, 0);
        if (n > 0) request_.append(buffer, static_cast<std::size_t>(n));
        if (!answered_ && request_.find("\r\n\r\n") != std::string::npos) {
            send(client_, reply_.data(), static_cast<int>(reply_.size()), 0);
            answered_ = true;
        }
    }
    const std::string& Request() const { return request_; }
    // A later piece of the reply.
    void Send(const std::string& piece) { send(client_, piece.data(), static_cast<int>(piece.size()), 0); }

private:
    std::string reply_;
    SOCKET listener_ = INVALID_SOCKET, client_ = INVALID_SOCKET;
    int port_ = 0;
    std::string request_;
    bool answered_ = false;
};

TEST_F(EditorShell, RealCheckAgainstALoopbackServerAsksAndRoutesOnNo) {
    FileAccess::ReplaceWholeFile(folder_ + "\\settings.dat", "1,1,1,0,0,");
    LoopbackServer server("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nYes ");
    const int port = server.Port();
    program_.MakeUpdateCheck = [port] { return MakeUpdateCheck("127.0.0.1", port); };
    std::string question;
    forms::Timer answer([&] {
        server.Serve();
        if (HWND box = FindWindowA("#32770", "Update")) {
            char text[256] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            question = text;
            PostMessageA(box, WM_COMMAND, IDNO, 0);
        }
    }, 5, true);
    const DWORD started = GetTickCount();
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return !program_.Splash().Visible(); }, 3000));
    EXPECT_LT(GetTickCount() - started, 900u);  // the reply routed, not the one-second wait
    EXPECT_TRUE(program_.Main().Visible());
    EXPECT_EQ(question, "There is an update available, would you like to update?");
    EXPECT_EQ(server.Request(), "GET /ombreltupdate.php?currversion=1.4 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(ends_, 0);
}

TEST_F(EditorShell, LaterPiecesOfTheReplyDoNotRouteAgain) {
    FileAccess::ReplaceWholeFile(folder_ + "\\settings.dat", "1,1,1,0,0,");
    LoopbackServer server("HTTP/1.1 200 OK\r\n\r\n");
    const int port = server.Port();
    program_.MakeUpdateCheck = [port] { return MakeUpdateCheck("127.0.0.1", port); };
    forms::Timer serve([&] { server.Serve(); }, 5, true);
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return !program_.Splash().Visible(); }, 3000));
    FileAccess::ReplaceWholeFile(folder_ + "\\settings.dat", "routed");
    server.Send("No");
    PumpFor(200);
    EXPECT_EQ(Settings(), "routed");  // not saved by a second routing

    // A late "Yes": the question belongs to the main window, not to the
    // hidden splash, so the main window takes no clicks while it is up.
    HWND owner = nullptr;
    bool mainEnabled = true;
    forms::Timer answer([&] {
        if (HWND box = FindWindowA("#32770", "Update")) {
            owner = GetWindow(box, GW_OWNER);
            mainEnabled = IsWindowEnabled(program_.Main().Handle()) != 0;
            PostMessageA(box, WM_COMMAND, IDNO, 0);
        }
    }, 5, true);
    server.Send("Yes");
    ASSERT_TRUE(PumpUntil([&] { return owner != nullptr; }));
    EXPECT_EQ(owner, program_.Main().Handle());
    EXPECT_FALSE(mainEnabled);
}

TEST_F(EditorShell, MainWindowStartValuesEditCommandsAndResize) {
    program_.Automation().RepeatEnabled = false;
    program_.Automation().PauseFactor = 3;
    program_.Automation().SelectedWindow = 1234;
    frmMain& main = program_.Main();
    EXPECT_EQ(main.txtLog.Text(), "Function(Main);\r\n\r\nEndFunction();");
    EXPECT_EQ(main.Caption(), "Ombrelt");
    EXPECT_TRUE(program_.Automation().RepeatEnabled);
    EXPECT_EQ(program_.Automation().PauseFactor, 1.0);
    EXPECT_EQ(program_.Automation().SelectedWindow, 0u);
    EXPECT_TRUE(program_.State().FindFreshStart);
    EXPECT_TRUE(main.mnuScriptRepeat.Checked());
    EXPECT_TRUE(main.tmrInputs.Enabled());
    EXPECT_FALSE(main.tmrPlay.Enabled());
    EXPECT_FALSE(main.txtTemp.Visible());

    // Each menu's access keys are its own: Alt+S, P must choose Play alone.
    HMENU bar = GetMenu(main.Handle());
    for (int m = 0; m < GetMenuItemCount(bar); ++m) {
        HMENU menu = GetSubMenu(bar, m);
        std::string keys;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            if (const char* amp = std::strchr(text, '&')) {
                const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(amp[1])));
                EXPECT_EQ(keys.find(key), std::string::npos) << text;
                keys += key;
            }
        }
    }

    // Delete: a CR LF pair goes whole; nothing at the very end.
    main.txtLog.SetSelStart(15);
    main.mnuEditDelete_Click();
    EXPECT_EQ(main.txtLog.Text(), "Function(Main);\r\nEndFunction();");
    main.txtLog.SetSelStart(main.txtLog.TextLength());
    main.mnuEditDelete_Click();
    EXPECT_EQ(main.txtLog.Text(), "Function(Main);\r\nEndFunction();");

    // Select All, Copy, Cut, Paste.
    main.mnuEditSelectAll_Click();
    EXPECT_EQ(main.txtLog.SelLength(), main.txtLog.TextLength());
    main.txtLog.SetSelStart(0);
    main.txtLog.SetSelLength(8);
    main.mnuEditCopy_Click();
    EXPECT_EQ(forms::Clipboard::GetText(), "Function");
    main.mnuEditCut_Click();
    EXPECT_EQ(main.txtLog.Text(), "(Main);\r\nEndFunction();");
    main.txtLog.SetSelStart(main.txtLog.TextLength());
    main.mnuEditPaste_Click();
    EXPECT_EQ(main.txtLog.Text(), "(Main);\r\nEndFunction();Function");

    // Resize: the editor follows the window; minimised, nothing breaks.
    main.Show();
    main.Move(10, 10, 500, 400);
    EXPECT_EQ(main.txtLog.Width(), 500 - 24);
    EXPECT_EQ(main.txtLog.Height(), 400 - 70);
    ShowWindow(main.Handle(), SW_MINIMIZE);
    EXPECT_EQ(main.txtLog.Width(), 500 - 24);
    ShowWindow(main.Handle(), SW_RESTORE);
}

TEST_F(EditorShell, ExitAndTheCloseBoxSaveAndEndWhileTheWindowStays) {
    frmMain& main = program_.Main();
    main.Show();
    program_.State().StartInBasicMode = false;
    program_.Automation().IgnorePauses = true;
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ends_, 1);
    EXPECT_EQ(Settings(), "1,1,1,1,0,");
    EXPECT_TRUE(main.Loaded());

    program_.Automation().RepeatEnabled = false;
    main.mnuExit_Click();
    EXPECT_EQ(ends_, 2);
    EXPECT_EQ(Settings(), "0,1,1,1,0,");
}

TEST_F(EditorShell, SwitchToBasicModeStoresTheModeAndStopsPlay) {
    frmMain& main = program_.Main();
    main.Show();
    main.tmrPlay.SetEnabled(true);
    main.mnuFileBasicMode_Click();
    EXPECT_TRUE(program_.State().StartInBasicMode);
    EXPECT_FALSE(main.tmrPlay.Enabled());
    EXPECT_EQ(main.tmrPlay.Interval(), 0);
}

TEST_F(EditorShell, SettingsDialogEditsThreeFlagsOnOkOnly) {
    program_.State().RecordMouseMoves = true;
    program_.State().UseExtendedClicks = false;
    program_.Automation().IgnorePauses = true;
    frmSettings& dialog = program_.Settings();
    dialog.Show();
    EXPECT_EQ(dialog.Caption(), "Settings");
    EXPECT_EQ(dialog.chkMM.Value(), 1);
    EXPECT_EQ(dialog.chkEx.Value(), 0);
    EXPECT_EQ(dialog.chkPause.Value(), 1);
    EXPECT_EQ(dialog.chkPrior.Value(), 0);

    dialog.chkMM.SetValue(0);
    dialog.cmdCancel_Click();
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(program_.State().RecordMouseMoves);

    dialog.Show();  // loaded afresh from the flags
    EXPECT_EQ(dialog.chkMM.Value(), 1);
    dialog.chkMM.SetValue(0);
    dialog.chkEx.SetValue(1);
    dialog.chkPause.SetValue(0);
    dialog.chkPrior.SetValue(1);
    dialog.cmdOK_Click();
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_FALSE(program_.State().RecordMouseMoves);
    EXPECT_TRUE(program_.State().UseExtendedClicks);
    EXPECT_FALSE(program_.Automation().IgnorePauses);
    EXPECT_FALSE(FileAccess::PathExists(program_.SettingsPath()));  // saved only at the end
}

TEST_F(EditorShell, EngineHooksCountWhiteDebugLinesAndKeepThePausePercent) {
    SC& engine = program_.ScriptEngine();
    std::string script = "function(main);setpausepercent(75);add(x,1);endfunction();";
    engine.Initialize(script);
    engine.SetExecuteType(2);
    engine.Execute();
    EXPECT_EQ(program_.State().PausePercentText, "75");
    // One per statement before it runs, and one more for setpausepercent.
    EXPECT_GE(program_.State().WhiteLineCount, 3);
    const int afterWhite = program_.State().WhiteLineCount;
    engine.SetExecuteType(1);
    engine.Execute();
    EXPECT_EQ(program_.State().WhiteLineCount, afterWhite);
    EXPECT_EQ(program_.Automation().PauseFactor, 1.0);
}

// Where a control draws its caption, as Wine's controls leave it: a label
// its whole client area, wrapped; a push button within its 2-pixel edge, a
// check box or an option beside its mark, both wrapped when multi-line; a
// frame on one line between its line's ends.
struct CaptionRoom {
    RECT area;
    UINT format;
};

CaptionRoom RoomOfCaption(HWND control, bool label, HDC dc) {
    RECT area{};
    GetClientRect(control, &area);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (label) return {area, static_cast<UINT>(DT_WORDBREAK | (style & SS_NOPREFIX ? DT_NOPREFIX : 0))};
    const UINT lines = style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE;
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        InflateRect(&area, -8, 0);
        return {area, DT_SINGLELINE};
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        InflateRect(&area, -2, -2);
        return {area, lines};
    default:
        INT zero = 0;
        GetCharWidth32A(dc, '0', '0', &zero);
        area.left += GetSystemMetrics(SM_CXMENUCHECK) + zero / 2;
        return {area, lines};
    }
}

// No caption of any window is cut off: measured in its control's own font,
// every caption fits where its control draws it.
TEST_F(EditorShell, EveryCaptionShowsWhole) {
    const std::vector<forms::Form*> windows = {&program_.Choice(),  &program_.Basic(), &program_.Main(),
                                               &program_.Settings(), &program_.Find(),  &program_.Replace(),
                                               &program_.Debug(),    &program_.About(), &program_.White()};
    int captions = 0;
    for (forms::Form* window : windows) {
        window->EnsureLoaded();
        for (HWND control = GetWindow(window->Handle(), GW_CHILD); control;
             control = GetWindow(control, GW_HWNDNEXT)) {
            char text[256] = {}, kind[16] = {};
            GetWindowTextA(control, text, sizeof text);
            GetClassNameA(control, kind, sizeof kind);
            const bool label = lstrcmpiA(kind, "STATIC") == 0;
            if (!text[0] || (!label && lstrcmpiA(kind, "BUTTON") != 0)) continue;
            win32::WindowDc dc(control);
            win32::Selection font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
            const CaptionRoom room = RoomOfCaption(control, label, dc.Get());
            const LONG width = room.area.right - room.area.left, height = room.area.bottom - room.area.top;
            RECT needs{0, 0, width, 0};
            DrawTextA(dc.Get(), text, -1, &needs, room.format | DT_CALCRECT);
            EXPECT_LE(needs.right, width) << '"' << text << "\" in \"" << window->Caption() << '"';
            EXPECT_LE(needs.bottom, height) << '"' << text << "\" in \"" << window->Caption() << '"';
            ++captions;
        }
    }
    EXPECT_GT(captions, 40);  // the windows' controls were all found
}

TEST_F(EditorShell, ManifestIsWrittenOnceOnWindowsXpOnly) {
    const std::string path = mdlManifest::ManifestFile(folder_, "Probe");
    EXPECT_FALSE(mdlManifest::WriteManifest(folder_, "Probe", "Windows Vista"));
    EXPECT_FALSE(FileAccess::PathExists(path));

    EXPECT_TRUE(mdlManifest::WriteManifest(folder_, "Probe", "Windows XP"));
    std::string text;
    ASSERT_TRUE(FileAccess::ReadWholeFile(path, text));
    EXPECT_EQ(text, mdlManifest::ManifestText() + "\r\n");
    const DWORD attributes = GetFileAttributesA(path.c_str());
    EXPECT_EQ(attributes & 39u, 39u);  // read-only, hidden, system, archive

    // Present: never rewritten.
    EXPECT_FALSE(mdlManifest::WriteManifest(folder_, "Probe", "Windows XP"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace ombrelt::editor
