// The update check's request and its test of each reply piece.
#include <gtest/gtest.h>

#include "net/UpdateRequest.h"

using namespace ombrelt;

TEST(NetUpdateRequest, RequestAndDownloadUrl) {
    EXPECT_EQ(mdlURL::BuildHttpGet("p?x=1", "h"), "GET /p?x=1 HTTP/1.1\r\nHost: h\r\n\r\n");
    EXPECT_EQ(net::UpdateRequest("updates.example"),
              "GET /ombreltupdate.php?currversion=1.4 HTTP/1.1\r\nHost: updates.example\r\n\r\n");
    EXPECT_EQ(net::UpdateDownloadUrl("updates.example"), "http://updates.example/downloads/Ombreltsetup.exe");
}

TEST(NetUpdateRequest, OnlyATrailingYesAfterSpacesCounts) {
    using net::ReplyEndsInYes;
    EXPECT_TRUE(ReplyEndsInYes("Yes"));
    EXPECT_TRUE(ReplyEndsInYes("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nYes"));
    EXPECT_TRUE(ReplyEndsInYes("  Yes   "));
    EXPECT_FALSE(ReplyEndsInYes("Yes\r\n"));  // only spaces are trimmed
    EXPECT_FALSE(ReplyEndsInYes("Yes\t"));
    EXPECT_FALSE(ReplyEndsInYes("yes"));
    EXPECT_FALSE(ReplyEndsInYes("YES"));
    EXPECT_FALSE(ReplyEndsInYes("No"));
    EXPECT_FALSE(ReplyEndsInYes("es"));
    EXPECT_FALSE(ReplyEndsInYes(""));
    EXPECT_FALSE(ReplyEndsInYes("     "));
    EXPECT_FALSE(ReplyEndsInYes("HTTP/1.1 200 OK\r\n\r\n"));  // headers alone: the body comes later
}
