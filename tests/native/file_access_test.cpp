// Whole-file reads and writes: device names, the temporary file beside the
// target, and a replace that either succeeds or leaves everything as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "automation/FileAccess.h"

using namespace ombrelt::FileAccess;

TEST(FileAccess, DeviceNamesAreKnownWhateverTheirCaseExtensionOrFolder) {
    for (const char* device : {"nul", "NUL.ox", "C:\\a\\Aux.txt", "con", "prn.ox.ox", "c:\\x\\com1.ox",
                               "LPT9.OX", "C:\\x\\nul .ox", "C:nul", "/tmp/con.ox"})
        EXPECT_TRUE(IsDeviceName(device)) << device;
    for (const char* file : {"", "C:\\a\\null.ox", "com0.ox", "com10", "lpt", "console.ox", "C:\\nul\\a.ox",
                             "C:\\a\\xnul.ox"})
        EXPECT_FALSE(IsDeviceName(file)) << file;
}

TEST(FileAccess, TheTemporaryFileIsInTheTargetsFolderAndNoLongerThanItsName) {
    EXPECT_EQ(TemporaryPathBeside("C:\\a\\b\\my script.ox", 0x1234ABCD), "C:\\a\\b\\~ombabcd.tmp");
    EXPECT_EQ(TemporaryPathBeside("/tmp/a long name.ox", 7), "/tmp/~omb0007.tmp");
    EXPECT_NE(TemporaryPathBeside("C:\\script.ox", 1), TemporaryPathBeside("C:\\script.ox", 2));
    // Shorter names: as long as the name, never past the path limit it fits.
    EXPECT_EQ(TemporaryPathBeside("C:\\a\\test.ox", 0x1234ABCD), "C:\\a\\~34abcd");
    EXPECT_EQ(TemporaryPathBeside("C:\\a\\ab.ox", 0x1234ABCD), "C:\\a\\~abcd");
    EXPECT_EQ(TemporaryPathBeside("C:\\a\\a.ox", 0xABCD), "C:\\a\\~abcd");  // five at the least
    EXPECT_EQ(TemporaryPathBeside("script1.ox", 0xF), "~0000000f");
}

TEST(FileAccess, ReplaceWholeFileReplacesOrFailsLeavingNothingBehind) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ombrelt_file_access_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "busy");  // a folder is not replaced by a file
    const std::string target = (folder / "a.ox").string();
    ASSERT_TRUE(ReplaceWholeFile(target, "old"));
    ASSERT_TRUE(ReplaceWholeFile(target, "new text"));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, "new text");

    EXPECT_FALSE(ReplaceWholeFile((folder / "busy").string(), "x"));
    EXPECT_FALSE(ReplaceWholeFile((folder / "NUL.ox").string(), "x"));
    EXPECT_FALSE(ReplaceWholeFile((folder / "no such folder" / "a.ox").string(), "x"));
    // A read-only file is kept; another keeps what it is allowed.
    namespace fs = std::filesystem;
    const std::string locked = (folder / "locked.ox").string();
    ASSERT_TRUE(ReplaceWholeFile(locked, "kept"));
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(ReplaceWholeFile(locked, "x"));
    ASSERT_TRUE(ReadWholeFile(locked, bytes));
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(fs::status(locked).permissions(), fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ReplaceWholeFile(target, "again"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    // A read that fails after the open (a folder) is reported, not thrown.
    EXPECT_FALSE(ReadWholeFile((folder / "busy").string(), bytes));

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.ox", "busy", "locked.ox"}));
    std::filesystem::remove_all(folder);
}
