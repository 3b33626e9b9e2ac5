// Playback control: the hot-key poll, Play Selection's text, the Play X count
// and the basic-mode caption rules.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/BasicMode.h"
#include "editor/HotKeys.h"
#include "editor/PlayControl.h"

namespace hk = ombrelt::editor::HotKeys;
namespace pc = ombrelt::editor::PlayControl;
namespace bm = ombrelt::editor::BasicMode;

namespace {

// Keys pressed since the last query report true once, like the asynchronous
// key state; every query is logged.
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

struct Window {
    std::vector<std::string> log;
    bool correcting = false;
    bool recording = false;
    hk::Actions actions() {
        return {
            [this] { log.push_back("stop"); recording = false; },
            [this] { return correcting; },
            [this] { log.push_back("pause"); },
            [this] { return recording; },
            [this] { log.push_back("record"); recording = true; },
            [this] { log.push_back("play"); },
        };
    }
};

TEST(EditorPlayHotKeys, CtrlUpQueriesNothing) {
    FakeKeys keys;
    keys.pressed = {0x30, 0x39};
    Window w;
    hk::Poll(keys, w.actions());
    EXPECT_TRUE(w.log.empty());
    EXPECT_TRUE(keys.queried.empty());
    // The press waits for Ctrl: it fires on the first poll with Ctrl down.
    keys.ctrl = true;
    hk::Poll(keys, w.actions());
    EXPECT_EQ(w.log, (std::vector<std::string>{"stop", "play"}));
    EXPECT_EQ(keys.queried, (std::vector<int>{0x30, 0x31, 0x38, 0x39}));
    // A held key fires once.
    w.log.clear();
    hk::Poll(keys, w.actions());
    EXPECT_TRUE(w.log.empty());
}

TEST(EditorPlayHotKeys, ConditionsAreAskedInTurn) {
    FakeKeys keys;
    keys.ctrl = true;
    Window w;
    // Pause only during a timed correction run.
    keys.pressed = {0x31};
    hk::Poll(keys, w.actions());
    EXPECT_TRUE(w.log.empty());
    w.correcting = true;
    keys.pressed = {0x31};
    hk::Poll(keys, w.actions());
    EXPECT_EQ(w.log, std::vector<std::string>{"pause"});

    // While recording, 8 and 9 are ignored but still queried (and cleared);
    // 0 stops the recording first, so 8 in the same poll records again.
    w.log.clear();
    w.recording = true;
    keys.pressed = {0x38, 0x39};
    keys.queried.clear();
    hk::Poll(keys, w.actions());
    EXPECT_TRUE(w.log.empty());
    EXPECT_TRUE(keys.pressed.empty());
    EXPECT_EQ(keys.queried.size(), 4u);
    keys.pressed = {0x30, 0x38, 0x39};
    hk::Poll(keys, w.actions());
    // Record started by 8 blocks the 9 of the same poll.
    EXPECT_EQ(w.log, (std::vector<std::string>{"stop", "record"}));
}

TEST(EditorPlayHotKeys, WhiteWindowOnlyStops) {
    FakeKeys keys;
    keys.pressed = {0x30};
    EXPECT_FALSE(hk::StopPressed(keys));
    EXPECT_TRUE(keys.queried.empty());
    keys.ctrl = true;
    EXPECT_TRUE(hk::StopPressed(keys));
    EXPECT_FALSE(hk::StopPressed(keys));
    keys.pressed = {0x39};
    EXPECT_FALSE(hk::StopPressed(keys));
}

TEST(EditorPlaySelection, SelectedTextOrCaretToEnd) {
    const std::string text = "abcdefgh";
    EXPECT_EQ(pc::SelectionScript(text, 2, 3), "cde");
    EXPECT_EQ(pc::SelectionScript(text, 3, 0), "defgh");  // caret after the third character
    EXPECT_EQ(pc::SelectionScript(text, 0, 0), text);
    EXPECT_EQ(pc::SelectionScript(text, 8, 0), "");
    // Positions the control should not report are cut to the text.
    EXPECT_EQ(pc::SelectionScript(text, 6, 10), "gh");
    EXPECT_EQ(pc::SelectionScript(text, 20, 0), "");
    EXPECT_EQ(pc::SelectionScript(text, -1, 2), "ab");
    EXPECT_EQ(pc::SelectionScript("", 0, 0), "");
}

TEST(EditorPlayX, CountFromText) {
    EXPECT_EQ(pc::ParsePlayXCount("3"), 3);
    EXPECT_EQ(pc::ParsePlayXCount(" 3 "), 3);
    EXPECT_EQ(pc::ParsePlayXCount("2.5"), 2);  // halves to even
    EXPECT_EQ(pc::ParsePlayXCount("3.5"), 4);
    EXPECT_EQ(pc::ParsePlayXCount("-2"), -2);
    EXPECT_EQ(pc::ParsePlayXCount("0"), 0);
    EXPECT_EQ(pc::ParsePlayXCount("1e10"), 2147483647);
    EXPECT_EQ(pc::ParsePlayXCount("1e999"), 2147483647);
    EXPECT_EQ(pc::ParsePlayXCount("-1e999"), -2147483647 - 1);
    EXPECT_FALSE(pc::ParsePlayXCount("x"));
    EXPECT_FALSE(pc::ParsePlayXCount(""));
    EXPECT_FALSE(pc::ParsePlayXCount("3 times"));
}

TEST(EditorPlayX, SeriesEndsAfterCountRuns) {
    auto runs = [](std::int32_t count) {
        std::int32_t done = 0;
        int n = 1;
        while (!pc::CountPlayXRun(done, count)) ++n;
        return n;
    };
    EXPECT_EQ(runs(3), 3);
    EXPECT_EQ(runs(1), 1);
    EXPECT_EQ(runs(0), 1);
    EXPECT_EQ(runs(-2), 1);
    std::int32_t done = 2147483647;
    EXPECT_TRUE(pc::CountPlayXRun(done, 2147483647));  // no overflow at the top
}

TEST(EditorBasicCaption, SwitchAndFileCaptions) {
    EXPECT_EQ(bm::FileCaption("test.ox"), "Ombrelt Basic Mode - test.ox");
    EXPECT_EQ(bm::AdvancedCaption("Ombrelt Basic Mode - test.ox"), "Ombrelt - test.ox");
    EXPECT_EQ(bm::AdvancedCaption("Ombrelt Basic Mode - Untitled"), "Ombrelt - Untitled");
    EXPECT_FALSE(bm::AdvancedCaption("Ombrelt Basic Mode"));
    EXPECT_EQ(bm::AdvancedCaption("Short"), "Ombrelt - ");
    EXPECT_EQ(bm::CaptionFromAdvanced("Ombrelt - test.ox"), "Ombrelt Basic Mode - test.ox");
    EXPECT_EQ(bm::CaptionFromAdvanced("Ombrelt - Untitled"), "Ombrelt Basic Mode - Untitled");
    EXPECT_FALSE(bm::CaptionFromAdvanced("Ombrelt"));
    // The round trip keeps the file title.
    EXPECT_EQ(bm::AdvancedCaption(*bm::CaptionFromAdvanced("Ombrelt - a b.ox")), "Ombrelt - a b.ox");
}

}  // namespace
