// The visual-styles manifest: its text, its file name, and the system names.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "editor/mdlManifest.h"

namespace ombrelt {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

TEST(EditorManifest, TextIsTwentyTwoCrLfLinesWithoutIndentation) {
    const std::string text = mdlManifest::ManifestText();
    const auto lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>");
    EXPECT_EQ(lines[1], "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">");
    EXPECT_EQ(lines[5], "name=\"Trellwick\"");
    EXPECT_EQ(lines[8], "<description>XP Manifest</description>");
    EXPECT_EQ(lines[13], "name=\"Microsoft.Windows.Common-Controls\"");
    EXPECT_EQ(lines[14], "version=\"6.0.0.0\"");
    EXPECT_EQ(lines[16], "publicKeyToken=\"6595b64144ccf1df\"");
    EXPECT_EQ(lines[17], "language=\"*\"");
    EXPECT_EQ(lines[21], "</assembly>");
    for (const auto& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ');
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
}

TEST(EditorManifest, FileNameFollowsTheExecutableName) {
    EXPECT_EQ(mdlManifest::ManifestFile("C:\\Apps", "Ombrelt"), "C:\\Apps\\Ombrelt.exe.manifest");
    EXPECT_EQ(mdlManifest::ManifestFile("C:\\", "Ombrelt"), "C:\\Ombrelt.exe.manifest");
    // A doubled extension: the name already ends in ".exe", in any case.
    EXPECT_EQ(mdlManifest::ManifestFile("D:\\x", "tool.exe"), "D:\\x\\tool.exe.manifest");
    EXPECT_EQ(mdlManifest::ManifestFile("D:\\x", "TOOL.EXE"), "D:\\x\\TOOL.EXE.manifest");
    EXPECT_EQ(mdlManifest::ManifestFile("D:\\x", "exe"), "D:\\x\\exe.exe.manifest");
}

TEST(EditorManifest, VersionNamesOnlyNtFiveIsWindowsXp) {
    EXPECT_EQ(mdlManifest::WindowsVersionName(1, 4, 0), "Windows 95");
    EXPECT_EQ(mdlManifest::WindowsVersionName(1, 4, 10), "Windows 98");
    EXPECT_EQ(mdlManifest::WindowsVersionName(1, 4, 90), "");
    EXPECT_EQ(mdlManifest::WindowsVersionName(2, 3, 51), "Windows NT 3.51");
    EXPECT_EQ(mdlManifest::WindowsVersionName(2, 4, 0), "Windows NT 4.0");
    // 2000, XP and Server 2003 all report 5.
    EXPECT_EQ(mdlManifest::WindowsVersionName(2, 5, 0), "Windows XP");
    EXPECT_EQ(mdlManifest::WindowsVersionName(2, 5, 2), "Windows XP");
    EXPECT_EQ(mdlManifest::WindowsVersionName(2, 6, 1), "Windows Vista");
    EXPECT_EQ(mdlManifest::WindowsVersionName(2, 10, 0), "");
    EXPECT_EQ(mdlManifest::WindowsVersionName(0, 5, 0), "Failed");
    EXPECT_EQ(mdlManifest::WindowsVersionName(3, 5, 0), "Failed");
}

}  // namespace
}  // namespace ombrelt
