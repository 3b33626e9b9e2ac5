#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "Compiler/ScriptPayload.h"
#include "automation/FileAccess.h"
#include "editor/ScriptFile.h"
#include "editor/mdlFile.h"
#include "editor/mdlParsing.h"

using namespace ombrelt;
namespace SF = ombrelt::editor::ScriptFile;

namespace {

bool Valid(std::string path) { return mdlFile::IsValidFileName(path); }


// A file of this process in the temporary folder, removed at the end.
struct TempFile {
    std::string Path;
    explicit TempFile(const std::string& name)
        : Path((std::filesystem::temp_directory_path() /
                ("ombrelt_editor_files_" + std::to_string(::getpid()) + "_" + name))
                   .string()) {}
    ~TempFile() { std::filesystem::remove(Path); }
};

}  // namespace

TEST(EditorFiles, IsValidFileNameStripsBreaksAndRefusesWhatCannotNameAFile) {
    std::string path = "C:\\scr\tipts\\a\r\n.ox";
    EXPECT_TRUE(mdlFile::IsValidFileName(path));
    EXPECT_EQ(path, "C:\\scripts\\a.ox");  // the caller sees the change

    EXPECT_TRUE(Valid("\\\\server\\share\\a.ox"));
    EXPECT_TRUE(Valid("C:\\"));
    for (const char* bad : {"", " ", ".", "\t", "\r\n", "a.ox", ".ox", ".exe", "1:\\a.ox", "9\\a.ox",
                            "C:\\a/b.ox", "C:\\a*.ox", "C:\\a?.ox", "C:\\<a>.ox", "C:\\a|b.ox",
                            "C:\\\"a\".ox", "C:\\a:b.ox", "C:\\a.ox:"})
        EXPECT_FALSE(Valid(bad)) << bad;
}

TEST(EditorFiles, FolderAndFileNameSplitAtTheLastBackslash) {
    EXPECT_EQ(mdlFile::GetFolder("C:\\a\\b\\script.ox"), "C:\\a\\b\\");
    EXPECT_EQ(mdlFile::GetFolder("script.ox"), "");
    EXPECT_EQ(mdlFile::GetFolder("C:\\"), "C:\\");
    EXPECT_EQ(mdlParsing::GetFileName("C:\\a\\b\\script.ox"), "script.ox");
    EXPECT_EQ(mdlParsing::GetFileName("script.ox"), "script.ox");
    EXPECT_EQ(mdlParsing::GetFileName("C:\\a\\"), "");
    EXPECT_EQ(SF::CaptionFor("C:\\a\\Work.ox"), "Ombrelt - Work.ox");
}

TEST(EditorFiles, NewAsksOnlyWhenThereIsAScriptToLose) {
    const std::string tmpl(editor::EmptyScript);
    EXPECT_EQ(tmpl, "Function(Main);\r\n\r\nEndFunction();");
    EXPECT_FALSE(SF::NewNeedsQuestion(""));
    EXPECT_FALSE(SF::NewNeedsQuestion(tmpl));
    EXPECT_FALSE(SF::NewNeedsQuestion(tmpl + "\r\n"));
    EXPECT_TRUE(SF::NewNeedsQuestion(tmpl + "\r\n\r\n"));
    EXPECT_TRUE(SF::NewNeedsQuestion(tmpl + "\n"));
    EXPECT_TRUE(SF::NewNeedsQuestion(tmpl + "xy"));
    EXPECT_TRUE(SF::NewNeedsQuestion("function(main);\r\n\r\nendfunction();"));
    EXPECT_TRUE(SF::NewNeedsQuestion(" "));
}

TEST(EditorFiles, CompiledPathsIgnoreCaseButAddedExtensionsDoNot) {
    EXPECT_TRUE(SF::IsCompiledPath("C:\\a\\run.exe"));
    EXPECT_TRUE(SF::IsCompiledPath("C:\\a\\runexe"));
    EXPECT_TRUE(SF::IsCompiledPath("C:\\a\\HELLO2.EXE"));  // Windows names ignore case
    EXPECT_TRUE(SF::IsCompiledPath("C:\\a\\run.Exe"));
    EXPECT_FALSE(SF::IsCompiledPath("C:\\a\\run.ox"));
    EXPECT_FALSE(SF::IsCompiledPath("ex"));

    EXPECT_EQ(SF::WithExtension("C:\\a\\b", ".ox"), "C:\\a\\b.ox");
    EXPECT_EQ(SF::WithExtension("C:\\a\\b.ox", ".ox"), "C:\\a\\b.ox");
    EXPECT_EQ(SF::WithExtension("C:\\a\\B.OX", ".ox"), "C:\\a\\B.OX.ox");
    EXPECT_EQ(SF::WithExtension("", ".ox"), ".ox");  // a cancelled dialog: no "\", so refused
    EXPECT_FALSE(Valid(SF::WithExtension("", ".ox")));
    EXPECT_EQ(SF::WithExtension("C:\\a\\b.exe", ".exe"), "C:\\a\\b.exe");
    EXPECT_EQ(SF::WithExtension("C:\\a\\b.Exe", ".exe"), "C:\\a\\b.Exe.exe");
}

TEST(EditorFiles, OpenOfACompiledFileShowsItsScriptWithALineBreakAfterEachSemicolon) {
    EXPECT_EQ(SF::ScriptForEditor("function(main);msgbox(\"a;b\");endfunction();"),
              "function(main);\r\nmsgbox(\"a;\r\nb\");\r\nendfunction();\r\n");
    EXPECT_EQ(SF::ScriptForEditor(""), "");

    TempFile file("compiled.exe");
    const std::string player = std::string("MZ\0\0player", 10);
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(file.Path, *WriteScriptPayload(player, '1', "pause(1);leftclick();")));
    EXPECT_EQ(SF::ReadCompiledScript(file.Path), "pause(1);\r\nleftclick();\r\n");  // no flag, no trailer

    ASSERT_TRUE(FileAccess::ReplaceWholeFile(file.Path, player));  // never compiled
    EXPECT_FALSE(SF::ReadCompiledScript(file.Path));
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(file.Path, "MZ"));  // shorter than five bytes
    EXPECT_FALSE(SF::ReadCompiledScript(file.Path));
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(file.Path, *WriteScriptPayload(player, '1', std::string("a\0b", 3))));
    EXPECT_FALSE(SF::ReadCompiledScript(file.Path));  // the editor would show it cut
    std::filesystem::remove(file.Path);
    EXPECT_FALSE(SF::ReadCompiledScript(file.Path));
}
