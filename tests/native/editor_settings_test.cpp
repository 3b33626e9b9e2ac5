// settings.dat: the codec, the comma fields, and loading and saving a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/mdlHandling.h"
#include "editor/mdlSettings.h"

namespace ombrelt {
namespace {

using mdlHandling::GetCommaField;

TEST(EditorSettings, GetCommaFieldCutsBetweenCommas) {
    EXPECT_EQ(GetCommaField("a,b,c", 1), "a");
    EXPECT_EQ(GetCommaField("a,b,c", 2), "b");
    EXPECT_EQ(GetCommaField("a,b,c", 3), "c");
    EXPECT_EQ(GetCommaField("a,b,c", 4), "");
    EXPECT_EQ(GetCommaField("a,,c", 2), "");
    EXPECT_EQ(GetCommaField(",x", 1), "");
    EXPECT_EQ(GetCommaField("ab cd,e", 1), "ab cd");
    EXPECT_EQ(GetCommaField("", 1), "");
    EXPECT_EQ(GetCommaField("a,b", 0), "");
    EXPECT_EQ(GetCommaField("a,b", -3), "");
}

TEST(EditorSettings, CodecWritesTenBytesAndReadsOnlyExactOnes) {
    EXPECT_EQ(mdlSettings::EncodeSettings({}), "1,1,1,0,1,");
    EXPECT_EQ(mdlSettings::EncodeSettings({false, true, false, true, false}), "0,1,0,1,0,");

    const auto same = mdlSettings::DecodeSettings("0,1,0,1,0,");
    EXPECT_FALSE(same.RepeatEnabled);
    EXPECT_TRUE(same.RecordMouseMoves);
    EXPECT_FALSE(same.UseExtendedClicks);
    EXPECT_TRUE(same.IgnorePauses);
    EXPECT_FALSE(same.StartInBasicMode);

    // A short file: the missing fields are False.
    const auto shortFile = mdlSettings::DecodeSettings("1,0");
    EXPECT_TRUE(shortFile.RepeatEnabled);
    EXPECT_FALSE(shortFile.RecordMouseMoves || shortFile.UseExtendedClicks || shortFile.IgnorePauses ||
                 shortFile.StartInBasicMode);

    // Only the exact text "1" is True: spaces, other digits and empties are not.
    const auto odd = mdlSettings::DecodeSettings(" 1,1 ,2,,1");
    EXPECT_FALSE(odd.RepeatEnabled);
    EXPECT_FALSE(odd.RecordMouseMoves);
    EXPECT_FALSE(odd.UseExtendedClicks);
    EXPECT_FALSE(odd.IgnorePauses);
    EXPECT_TRUE(odd.StartInBasicMode);

    EXPECT_EQ(mdlSettings::SettingsPath("C:\\Apps\\Ombrelt"), "C:\\Apps\\Ombrelt\\settings.dat");
}

class EditorSettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ombrelt_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "settings.dat").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Read() {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
    std::string path_;
    AutomationState automation_;
    editor::EditorState state_;
};

TEST_F(EditorSettingsFile, NoFileGivesTheDefaultsAndAFirstRun) {
    automation_.PauseFactor = 2.5;
    mdlSettings::LoadSettings(path_, automation_, state_);
    EXPECT_TRUE(state_.FirstRun);
    EXPECT_EQ(automation_.PauseFactor, 1.0);
    EXPECT_TRUE(automation_.RepeatEnabled);
    EXPECT_TRUE(state_.RecordMouseMoves);
    EXPECT_TRUE(state_.UseExtendedClicks);
    EXPECT_FALSE(automation_.IgnorePauses);
    EXPECT_TRUE(state_.StartInBasicMode);

    // The first save writes the defaults.
    mdlSettings::SaveSettings(path_, automation_, state_);
    EXPECT_EQ(Read(), "1,1,1,0,1,");
}

TEST_F(EditorSettingsFile, APresentFileSetsEveryFlagAndIsNoFirstRun) {
    Write("0,0,0,1,0,");
    automation_.PauseFactor = 2.5;
    automation_.RepeatEnabled = true;
    state_.StartInBasicMode = true;
    mdlSettings::LoadSettings(path_, automation_, state_);
    EXPECT_FALSE(state_.FirstRun);
    EXPECT_EQ(automation_.PauseFactor, 2.5);  // untouched
    EXPECT_FALSE(automation_.RepeatEnabled);
    EXPECT_TRUE(automation_.IgnorePauses);
    EXPECT_FALSE(state_.StartInBasicMode);

    // An empty file counts as present: everything False.
    Write("");
    state_.RecordMouseMoves = true;
    mdlSettings::LoadSettings(path_, automation_, state_);
    EXPECT_FALSE(state_.FirstRun);
    EXPECT_FALSE(state_.RecordMouseMoves || automation_.IgnorePauses);
}

TEST_F(EditorSettingsFile, SaveReplacesTheFileWhole) {
    Write("garbage that is longer than ten bytes");
    automation_.RepeatEnabled = false;
    state_.RecordMouseMoves = true;
    state_.UseExtendedClicks = false;
    automation_.IgnorePauses = true;
    state_.StartInBasicMode = false;
    mdlSettings::SaveSettings(path_, automation_, state_);
    EXPECT_EQ(Read(), "0,1,0,1,0,");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);  // nothing left beside it

    // What was saved loads back the same.
    AutomationState automation;
    editor::EditorState state;
    mdlSettings::LoadSettings(path_, automation, state);
    EXPECT_EQ(mdlSettings::EncodeSettings({automation.RepeatEnabled, state.RecordMouseMoves, state.UseExtendedClicks,
                                           automation.IgnorePauses, state.StartInBasicMode}),
              "0,1,0,1,0,");
}

TEST_F(EditorSettingsFile, SaveIntoAMissingFolderFailsSilently) {
    const std::string nowhere = (folder_ / "no such folder" / "settings.dat").string();
    mdlSettings::SaveSettings(nowhere, automation_, state_);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

}  // namespace
}  // namespace ombrelt
