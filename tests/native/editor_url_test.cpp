// The browser launcher's command line, built from the registry's http command.
#include <gtest/gtest.h>

#include "editor/mdlURL.h"

namespace ombrelt {
namespace {

TEST(EditorUrl, CutAfterExeKeepsOneCharacterPastTheLastExe) {
    EXPECT_EQ(mdlURL::CutAfterExe("\"C:\\B\\b.exe\" -osint -url \"%1\""), "\"C:\\B\\b.exe\"");
    EXPECT_EQ(mdlURL::CutAfterExe("C:\\B\\b.exe %1"), "C:\\B\\b.exe ");
    EXPECT_EQ(mdlURL::CutAfterExe("C:\\B\\b.exe"), "C:\\B\\b.exe");
    EXPECT_EQ(mdlURL::CutAfterExe("C:\\exe\\b.exe --x=y.exe!"), "C:\\exe\\b.exe --x=y.exe!");
    EXPECT_EQ(mdlURL::CutAfterExe("C:\\B\\b.EXE %1"), "C:\\");  // case-sensitive: no "exe"
    EXPECT_EQ(mdlURL::CutAfterExe("ab"), "ab");
    EXPECT_EQ(mdlURL::CutAfterExe(""), "");
}

TEST(EditorUrl, CommandLineFromEachFormOfRegistryCommand) {
    std::string url = "http://host/downloads/Ombreltsetup.exe";
    // A quoted program path followed by arguments: the bare path, quoted again
    // because it holds spaces.
    EXPECT_EQ(mdlURL::BrowserCommandLine("\"C:\\Program Files\\B\\b.exe\" -url \"%1\"", url),
              "\"C:\\Program Files\\B\\b.exe\" http://host/downloads/Ombreltsetup.exe");
    // A quoted path without spaces stays unquoted.
    EXPECT_EQ(mdlURL::BrowserCommandLine("\"C:\\B\\b.exe\" %1", url), "C:\\B\\b.exe " + url);
    // Unquoted with arguments: the text before the first space (a path with
    // spaces is cut there).
    EXPECT_EQ(mdlURL::BrowserCommandLine("C:\\B\\b.exe -nohome", url), "C:\\B\\b.exe " + url);
    EXPECT_EQ(mdlURL::BrowserCommandLine("C:\\Program Files\\b.exe %1", url), "C:\\Program " + url);
    // Only a program path ending in "exe": taken whole.
    EXPECT_EQ(mdlURL::BrowserCommandLine("C:\\B\\b.exe", url), "C:\\B\\b.exe " + url);
    // Nothing in the registry: the fallback program.
    EXPECT_EQ(mdlURL::BrowserCommandLine("", url), "iexplore.exe " + url);
    // No "exe": the first three characters stand as the program.
    EXPECT_EQ(mdlURL::BrowserCommandLine("xdg-open %1", url), "xdg " + url);
}

TEST(EditorUrl, SpacesInTheUrlBecomePercentTwentyForTheCallerToo) {
    std::string url = "http://host/a b  c";
    EXPECT_EQ(mdlURL::BrowserCommandLine("b.exe", url), "b.exe http://host/a%20b%20%20c");
    EXPECT_EQ(url, "http://host/a%20b%20%20c");
}

}  // namespace
}  // namespace ombrelt
