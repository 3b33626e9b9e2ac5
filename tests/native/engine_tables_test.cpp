#include <gtest/gtest.h>

#include <set>

#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;

TEST(EngineTables, LanguageKeywords) {
    EngineHost h;
    SC& sc = h.Engine;
    EXPECT_EQ(sc.ReturnFunctionID("call"), 0);
    EXPECT_EQ(sc.ReturnFunctionID("EndWhile"), 7);
    EXPECT_EQ(sc.ReturnFunctionID("string"), 8);
    EXPECT_EQ(sc.ReturnFunctionID("double"), 10);
    EXPECT_EQ(sc.ReturnFunctionID("replace"), 24);
    // Second words of the same statement; the first word prints back.
    for (const char* w : {"combine", "Combine", "COMBINE"}) EXPECT_EQ(sc.ReturnFunctionID(w), 12) << w;
    EXPECT_EQ(sc.ReturnFunctionID("RemoveAll"), 13);
    EXPECT_EQ(sc.ReturnFunctionID("for"), 24);
    EXPECT_EQ(sc.ReturnFunctionName(12), "add");
    EXPECT_EQ(sc.ReturnFunctionName(13), "subtract");
    EXPECT_EQ(sc.ReturnFunctionName(24), "replace");
    EXPECT_EQ(sc.ReturnFunctionID("timer"), 25);
    EXPECT_EQ(sc.ReturnFunctionName(25), "timer");
    // Every keyword ID reads back to a word that gives the same ID.
    for (std::int32_t id = 0; id <= 25; ++id) EXPECT_EQ(sc.ReturnFunctionID(sc.ReturnFunctionName(id)), id) << id;
    // Desktop words fall through; unknown ones give -1.
    EXPECT_EQ(sc.ReturnFunctionID("LeftClick"), 115);
    EXPECT_EQ(sc.ReturnFunctionID("frobnicate"), -1);
    EXPECT_EQ(sc.ReturnFunctionID(""), -1);
    EXPECT_EQ(sc.ReturnFunctionName(-1), "UNKNOWN COMMAND");
    EXPECT_EQ(sc.ReturnFunctionName(26), "UNKNOWN COMMAND");
    EXPECT_EQ(sc.ReturnFunctionName(115), "leftclick");
}

TEST(EngineTables, DesktopCommandWords) {
    EngineHost h;
    SC& sc = h.Engine;
    for (const char* w : {"movemouse", "MoveMouse", "MOVEMOUSE"}) EXPECT_EQ(sc.ReturnExternalFunctionID(w), 117);
    EXPECT_EQ(sc.ReturnExternalFunctionID("OrigionalPlayTime"), 141);
    EXPECT_EQ(sc.ReturnExternalFunctionID("selectwindow"), 125);
    EXPECT_EQ(sc.ReturnExternalFunctionID("findwindow"), 125);
    EXPECT_EQ(sc.ReturnExternalFunctionID("selectsubwindow"), 130);
    EXPECT_EQ(sc.ReturnExternalFunctionID("findwindowex"), 130);
    EXPECT_EQ(sc.ReturnExternalName(125), "findwindow");
    EXPECT_EQ(sc.ReturnExternalName(130), "findwindowex");
    // Equality decides, never a prefix; nothing is trimmed.
    EXPECT_EQ(sc.ReturnExternalFunctionID("pause"), 101);
    EXPECT_EQ(sc.ReturnExternalFunctionID("pauses"), 105);
    EXPECT_EQ(sc.ReturnExternalFunctionID("pause "), -1);
    EXPECT_EQ(sc.ReturnExternalFunctionID("movemousetocenterscreen"), -1);
    EXPECT_EQ(sc.ReturnExternalFunctionID("movemousetocolorrangefromcenterscreen"), 140);
    EXPECT_EQ(sc.ReturnExternalFunctionID("call"), -1);
    for (std::int32_t id : {129, 134, 139, 99, 158, -1, 0, 12, 25})
        EXPECT_EQ(sc.ReturnExternalName(id), "UNKNOWN COMMAND") << id;

    // 55 IDs from 100 to 157 have a word, and each word leads back to its ID.
    std::set<std::string> words;
    for (std::int32_t id = 100; id <= 157; ++id) {
        std::string word = sc.ReturnExternalName(id);
        if (word == "UNKNOWN COMMAND") continue;
        words.insert(word);
        EXPECT_EQ(sc.ReturnExternalFunctionID(word), id) << word;
        EXPECT_EQ(sc.ReturnFunctionName(id), word);
    }
    EXPECT_EQ(words.size(), 55u);
}
