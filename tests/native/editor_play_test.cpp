// Playback control: the hot-key poll, Play Selection's text, the Play X count
// and the basic-mode caption rules.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "automation/KeyPresses.h"
#include "editor/BasicMode.h"
#include "editor/HotKeys.h"
#include "editor/PlayControl.h"

namespace hk = ombrelt::editor::HotKeys;
namespace pc = ombrelt::editor::PlayControl;
namespace bm = ombrelt::editor::BasicMode;

namespace {

// A key reports "pressed since the last query" once, as the asynchronous key
// state does; every query is logged.
class FakeKeys : public hk::KeyProbe {
public:
    bool ctrl = false;
    std::set<int> pressed;
    std::vector<int> queried;
    bool CtrlDown() override { return ctrl; }
    bool PressedSinceLastPoll(int vk) override {
        queried.push_back(vk);
        return pressed.erase(vk) > 0;
    }
};

TEST(EditorPlayHotKeys, PollQueriesAllDigitsWithCtrlAndActsInOrder) {
    FakeKeys keys;
    std::vector<std::string> log;
    bool correcting = false, recording = true;
    const hk::Actions actions{
        [&] { log.push_back("stop"); recording = false; },
        [&] { return correcting; },
        [&] { log.push_back("pause"); },
        [&] { log.push_back("record"); recording = true; },
        [&] { log.push_back("play"); },
        [&] { return recording; },
    };
    // Ctrl up: nothing is queried, so the presses wait for Ctrl.
    keys.pressed = {0x30, 0x31, 0x38, 0x39};
    hk::Poll(keys, actions);
    EXPECT_TRUE(keys.queried.empty());
    // Stop ends the recording first, so Ctrl+8 records again and blocks the
    // Ctrl+9 of the same poll; Ctrl+1 acts only during a timed run.
    keys.ctrl = true;
    hk::Poll(keys, actions);
    EXPECT_EQ(log, (std::vector<std::string>{"stop", "record"}));
    EXPECT_EQ(keys.queried, (std::vector<int>{0x30, 0x31, 0x38, 0x39}));
    // Held keys fire once; all four are still queried.
    hk::Poll(keys, actions);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(keys.queried.size(), 8u);
    correcting = true;
    keys.pressed = {0x31};
    hk::Poll(keys, actions);
    EXPECT_EQ(log.back(), "pause");
    // The White Debug window's poll knows Ctrl+0 only.
    keys.pressed = {0x39};
    EXPECT_FALSE(hk::StopPressed(keys));
    keys.pressed = {0x30};
    EXPECT_TRUE(hk::StopPressed(keys));
}

// Two programs poll one key, as the editor and a compiled program both poll
// Ctrl+0: the "pressed since the last query" bit goes to whichever asks
// first, yet each sees every press once.
TEST(EditorPlayHotKeys, EveryProgramPollingAKeySeesEachPress) {
    bool down = false, since = false;
    const auto query = [&]() -> std::uint16_t {
        const std::uint16_t state = (down ? 0x8000 : 0) | (since ? 1 : 0);
        since = false;
        return state;
    };
    ombrelt::KeyPresses editor, player;
    int editorSaw = 0, playerSaw = 0;
    const auto poll = [&] {
        editorSaw += editor.Pressed(0x30, query());
        playerSaw += player.Pressed(0x30, query());
    };
    poll();
    down = since = true;
    poll();
    poll();  // held: no second press
    EXPECT_EQ(editorSaw, 1);
    EXPECT_EQ(playerSaw, 1);
    down = false;
    poll();
    down = since = true;
    poll();
    EXPECT_EQ(editorSaw, 2);
    EXPECT_EQ(playerSaw, 2);
    // Ctrl went up and down again with the digit held: a new press.
    editor.Forget();
    poll();
    EXPECT_EQ(editorSaw, 3);
    EXPECT_EQ(playerSaw, 2);
}

TEST(EditorPlaySelection, SelectedTextOrCaretToEnd) {
    const std::string text = "abcdefgh";
    EXPECT_EQ(pc::SelectionScript(text, 2, 3), "cde");
    EXPECT_EQ(pc::SelectionScript(text, 3, 0), "defgh");  // caret after the third character
    EXPECT_EQ(pc::SelectionScript(text, 0, 0), text);
    // Positions outside the text are cut to it.
    EXPECT_EQ(pc::SelectionScript(text, 6, 10), "gh");
    EXPECT_EQ(pc::SelectionScript(text, 20, 0), "");
}

TEST(EditorPlayX, CountFromTextAndEndOfTheSeries) {
    EXPECT_EQ(pc::ParsePlayXCount(" 3 "), 3);
    EXPECT_EQ(pc::ParsePlayXCount("2.5"), 2);  // halves to even
    EXPECT_EQ(pc::ParsePlayXCount("3.5"), 4);
    EXPECT_EQ(pc::ParsePlayXCount("-2"), -2);
    EXPECT_EQ(pc::ParsePlayXCount("1e10"), 2147483647);
    EXPECT_EQ(pc::ParsePlayXCount("-1e999"), -2147483647 - 1);
    EXPECT_FALSE(pc::ParsePlayXCount("3 times"));
    EXPECT_FALSE(pc::ParsePlayXCount(""));

    auto runs = [](std::int32_t count) {
        std::int32_t done = 0;
        int n = 1;
        while (!pc::CountPlayXRun(done, count)) ++n;
        return n;
    };
    EXPECT_EQ(runs(3), 3);
    EXPECT_EQ(runs(0), 1);
    EXPECT_EQ(runs(-2), 1);
    std::int32_t done = 2147483647;
    EXPECT_TRUE(pc::CountPlayXRun(done, 2147483647));  // no overflow at the top
}

TEST(EditorBasicCaption, SwitchAndFileCaptions) {
    EXPECT_EQ(bm::FileCaption("test.ox"), "Ombrelt Basic Mode - test.ox");
    EXPECT_EQ(bm::AdvancedCaption("Ombrelt Basic Mode - test.ox"), "Ombrelt - test.ox");
    EXPECT_FALSE(bm::AdvancedCaption("Ombrelt Basic Mode"));
    EXPECT_EQ(bm::AdvancedCaption("Short"), "Ombrelt - ");
    EXPECT_EQ(bm::CaptionFromAdvanced("Ombrelt - a b.ox"), "Ombrelt Basic Mode - a b.ox");
    EXPECT_FALSE(bm::CaptionFromAdvanced("Ombrelt"));
}

}  // namespace
