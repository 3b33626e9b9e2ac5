// Desktop commands run through the engine against the fake desktop: which
// calls are made, with which arguments, in which order, and what a failed
// conversion skips.
#include <gtest/gtest.h>

#include "engine_host.h"

using namespace ombrelt;
using namespace ombrelt::testing;
using Calls = std::vector<std::string>;

namespace {

std::string Main(const std::string& body) { return "function(main);" + body + "endfunction();"; }

}  // namespace

TEST(EngineCommands, PausesGateRoundAndCutIntoPieces) {
    EngineHost h;
    h.Run(Main("pause(0);pause(-5);pause(0.4);pause(abc);pause(2147483648);pause(0.6);pause(40000);"));
    // The gate takes any 32-bit count, so a long recorded gap waits whole.
    EXPECT_EQ(h.Desk.Waits, (std::vector<int>{1, 9999, 9999, 9999, 9999, 4}));

    EngineHost half;
    half.Run(Main("setpausepercent(50);pause(1001);pause(30000);"));
    EXPECT_EQ(half.Desk.Waits, (std::vector<int>{500, 9999, 5001}));  // 500.5 rounds to even

    EngineHost pieces;
    pieces.Run(Main("pause(10000);pause(19998);"));
    EXPECT_EQ(pieces.Desk.Waits, (std::vector<int>{9999, 1, 9999, 9999, 0}));

    EngineHost seconds;
    seconds.Run(Main("pauses(1.4);pausem(0);pauseh(-1);"));
    EXPECT_EQ(seconds.Desk.Waits, (std::vector<int>{1000}));
}

TEST(EngineCommands, AStopEndsAnyPauseWithinOnePumpPeriod) {
    // The stop comes in the first pump of the first wait: that wait ends
    // there, no further piece, second, minute or hour begins, nor does the
    // next statement run.
    for (const std::string pause : {"pause(40000);", "pauses(5);", "pausem(5);", "pauseh(5);"}) {
        EngineHost h;
        h.Desk.OnPump = [&] {
            if (!h.Desk.Waits.empty()) h.Engine.StopExecution();
        };
        h.Run(Main(pause + "pause(7);"));
        EXPECT_EQ(h.Desk.Waits.size(), 1u) << pause;
        EXPECT_EQ(h.Desk.WaitedMs, FakeDesktop::PumpPeriodMs) << pause;
    }
}

TEST(EngineCommands, IgnorePausesOnlyForTheExactWordTrue) {
    EngineHost h;
    h.Run(Main("ignorepauses(true);pause(5);pauses(1);ignorepauses(\"True\");pause(7);"));
    EXPECT_EQ(h.Desk.Waits, (std::vector<int>{7}));
    EXPECT_FALSE(h.State.IgnorePauses);
}

TEST(EngineCommands, SetPausePercentByExecuteType) {
    EngineHost plain;
    plain.Run(Main("setpausepercent(200);setpausepercent(abc);pause(10);"));
    EXPECT_EQ(plain.State.PauseFactor, 2.0);
    EXPECT_EQ(plain.Desk.Waits, (std::vector<int>{20}));

    EngineHost timed;
    std::vector<std::string> seen;
    timed.Engine.PausePercentHook = [&](const std::string& text, std::int16_t type) {
        seen.push_back(text + "@" + std::to_string(type));
    };
    timed.Engine.SetExecuteType(2);
    timed.Run(Main("setpausepercent(50);setpausepercent(abc);"));
    EXPECT_EQ(timed.State.PauseFactor, 1.0);
    EXPECT_EQ(seen, (std::vector<std::string>{"50@2", "abc@2"}));
}

TEST(EngineCommands, ButtonsKeysAndPointer) {
    EngineHost h;
    h.Desk.Cursor = {30, 40};
    h.Run(Main("leftclick();keydown(65.5);keydown(256);keyup(65);movemouse(lx,ly);movemouse(word,3);"));
    EXPECT_EQ(h.Desk.Calls, (Calls{"MouseEvent 2", "MouseEvent 4", "KeybdEvent 66 0", "KeybdEvent 65 2",
                                   "SetCursorPos 30 40"}));
    EXPECT_EQ(h.State.LastFoundX, 30);
    EXPECT_EQ(h.State.LastFoundY, 40);
}

TEST(EngineCommands, PositionedPressGoesToTheSelectedWindowOrTheRealPointer) {
    EngineHost h;
    h.Desk.TopWindows["notepad|untitled"] = 7;
    h.Desk.ClientOrigin = {100, 50};
    h.Run(Main("selectwindow(notepad,untitled);leftdownex(110,60);rightupex(x,1);"
               "selectwindow(nosuch,);leftdownex(12.5,8);"));
    EXPECT_EQ(h.Desk.Calls, (Calls{"FindWindow notepad|untitled", "SendMessage 7 513 0 655370",
                                   "FindWindow nosuch|*", "SetCursorPos 12 8", "MouseEvent 2"}));
    EXPECT_EQ(h.State.SelectedWindow, 0u);
}

TEST(EngineCommands, WindowSelectionWalksDownAndDeselects) {
    EngineHost h;
    h.Desk.TopWindows["main|title"] = 5;
    h.Desk.ChildWindows["5|edit"] = 9;
    h.Desk.ChildWindows["0|toplevel"] = 11;
    h.Run(Main("findwindow(main,title);selectsubwindow(edit);"));
    EXPECT_EQ(h.State.SelectedWindow, 9u);
    h.Run(Main("deselectwindow();selectsubwindow(toplevel);"));
    EXPECT_EQ(h.State.SelectedWindow, 11u);
}

TEST(EngineCommands, ProgramsMessagesKeysAsTextAndSwitches) {
    EngineHost h;
    h.Run(Main("start(\"c:\\a.txt\");startex(prog,\"-x 1\",minimized);startex(prog,,hidden);"
               "msgbox(\"Hello, world\");sendkeys(\"Ab{ENTER}\");enablerepeat();randomfindmode();"));
    EXPECT_EQ(h.Desk.CallsStartingWith("ShellExecute"),
              (Calls{"ShellExecute c:\\a.txt|||1", "ShellExecute prog|-x 1||2"}));
    // Commas split quoted text too: the box shows the first field without its quote.
    ASSERT_EQ(h.Desk.Boxes.size(), 1u);
    EXPECT_EQ(h.Desk.Boxes[0].Title, "");
    EXPECT_EQ(h.Desk.Boxes[0].Flags, 0u);
    EXPECT_EQ(h.Desk.SentKeys, (std::vector<std::string>{"Ab{ENTER}"}));
    EXPECT_TRUE(h.State.RepeatEnabled);
    EXPECT_FALSE(h.State.FirstFindMode);
    h.Run(Main("disablerepeat();firstfindmode();origionalplaytime(12.5);"));
    EXPECT_FALSE(h.State.RepeatEnabled);
    EXPECT_TRUE(h.State.FirstFindMode);
}

TEST(EngineCommands, VariablesResolveAsParameters) {
    EngineHost h;
    h.Run(Main("int(x,300);int(y,200);string(k,\"65\");movemouse(x,y);keydown(k);"));
    EXPECT_EQ(h.Desk.Calls, (Calls{"SetCursorPos 300 200", "KeybdEvent 65 0"}));
}

namespace {

PixelBuffer Image(int w, int h, std::uint32_t fill) {
    PixelBuffer b;
    b.Resize(w, h);
    for (auto& p : b.Pixels) p = fill;
    return b;
}

}  // namespace

TEST(EngineCommands, TestResultsLandInTheVariablesOwnType) {
    EngineHost h;
    h.State.SizeTables();
    h.State.FirstFindMode = true;
    h.Desk.ScreenImage = Image(4, 4, 0);
    h.Desk.ScreenImage.Pixels[2 * 4 + 1] = 0xFFFFFF;  // white at (1, 2)
    h.Run(Main("capturescreen(imagesave0);createcolorrange(colorrange1,250,250,250,255,255,255);"
               "int(n,7);double(d,7);"
               "ispixel(t,imagesave0,1,2,colorrange1);ispixel(f,imagesave0,0,0,colorrange1);"
               "ispixel(n,imagesave0,1,2,colorrange1);ispixel(d,imagesave0,0,0,colorrange1);"
               "ispixel(bad,imagesave0,word,2,colorrange1);ispixel(out,imagesave0,9,9,colorrange1);"
               "message(t,normal,);message(f,normal,);message(n,normal,);message(d,normal,);"
               "message(bad,normal,);message(out,normal,);"));
    EXPECT_EQ(h.Texts(), (Calls{"True", "False", "0", "1", "False", "False"}));
    EXPECT_EQ(h.State.LastFoundX, 1);
    EXPECT_EQ(h.State.LastFoundY, 2);
}

TEST(EngineCommands, BrightnessValuesAndAreaTests) {
    EngineHost h;
    h.State.SizeTables();
    h.Desk.ScreenImage = Image(2, 2, 0xFFFFFF);
    h.Desk.ScreenImage.Pixels[0] = 0;
    h.Desk.ScreenImage.Pixels[3] = 0;
    h.Run(Main("capturescreen(3);int(i,0);double(d,0);"
               "getsaturationin(s,imagesave3,0,0,1,1);getsaturation(i,imagesave3,1,0);"
               "getsaturationin(d,imagesave3,0,0,1,1);"
               "issaturationinarea(a,imagesave3,0,0,1,1,50);issaturationinareaex(b,imagesave3,0,0,1,1,50,-1);"
               "message(s,normal,);message(i,normal,);message(d,normal,);message(a,normal,);"
               "message(b,normal,);"));
    EXPECT_EQ(h.Texts(), (Calls{"49.8046875", "100", "49.8046875", "False", "True"}));
}

TEST(EngineCommands, ImagesLoadFromTheImageFolderAndSaveAsGiven) {
    EngineHost h;
    h.State.SizeTables();
    h.State.ImageBaseFolder = "C:\\scripts";
    h.Desk.Pictures["C:\\scripts\\pic.bmp"] = Image(2, 2, 0x123456);
    h.Run(Main("loadimage(imagesave1,pic.bmp);loadimage(2,\"\\pic.bmp\");saveimage(1,\"d:\\out.bmp\");"
               "isimage(r,imagesave2,imagesave1,0,0);message(r,normal,);"));
    EXPECT_EQ(h.Desk.CallsStartingWith("LoadPicture"),
              (Calls{"LoadPicture C:\\scripts\\pic.bmp", "LoadPicture C:\\scripts\\pic.bmp"}));
    EXPECT_EQ(h.Desk.SavedPictures.count("d:\\out.bmp"), 1u);
    EXPECT_EQ(h.Texts(), (Calls{"True"}));
    h.State.ImageBaseFolder = "C:\\scripts\\";
    h.Run(Main("loadimage(1,\"\\pic.bmp\");"));
    EXPECT_EQ(h.Desk.CallsStartingWith("LoadPicture").back(), "LoadPicture C:\\scripts\\pic.bmp");
}

TEST(EngineCommands, CentreOfScreenSearchUsesFifteenTwipsPerPixel) {
    EngineHost h;
    h.State.SizeTables();
    h.State.FirstFindMode = true;
    h.Desk.ScreenImage = Image(1024, 768, 0);
    h.Desk.ScreenImage.Pixels[284 * 1024 + 412] = 0xFFFFFF;  // top-left corner of the area
    h.Desk.ScreenImage.Pixels[283 * 1024 + 412] = 0xFFFFFF;  // just outside it
    h.Run(Main("capturescreen(0);createcolorrange(colorrange2,255,255,255,255,255,255);"
               "movemousetocolorrangefromcenterscreen(0,colorrange2,-100,-100,100,100);"));
    EXPECT_EQ(h.Desk.CallsStartingWith("SetCursorPos"), (Calls{"SetCursorPos 412 284"}));
}
