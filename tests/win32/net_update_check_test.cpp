// The start-up update check against loopback servers that answer "Yes",
// something else, nothing, garbage, or are not there.
#include <gtest/gtest.h>

#include "net/UpdateCheck.h"
#include "net_loopback.h"

using namespace ombrelt::net;
using namespace ombrelt::testing;

namespace {

// The program waits 1000 ms. Where the test expects the wait to pass, it is
// short; where a reply should come first, it is long.
constexpr unsigned kWait = 300;
constexpr unsigned kLongWait = 5000;

struct CheckLog {
    std::vector<std::string> lines;
    bool accept = false;
    std::string url;

    explicit CheckLog(UpdateCheck& check) {
        check.Events.Connected = [this] { lines.push_back("connected"); };
        check.Events.UpdateAvailable = [this](const std::string& downloadUrl) {
            lines.push_back("update");
            url = downloadUrl;
            return accept;
        };
        check.Events.NoUpdate = [this] { lines.push_back("no update"); };
        check.Events.NoConnection = [this] { lines.push_back("no connection"); };
        check.Events.NoReply = [this] { lines.push_back("no reply"); };
    }
};

// A server that reads the request, answers with `pieces`, pausing between
// them so that each arrives by itself, and closes.
std::function<void(Peer&)> Answer(std::string& request, std::vector<std::string> pieces) {
    return [&request, pieces](Peer& peer) {
        request = peer.ReceiveUntil("\r\n\r\n", 1000);
        for (const std::string& piece : pieces) {
            peer.Send(piece);
            Sleep(60);
        }
    };
}

const char kRequest[] = "GET /ombreltupdate.php?currversion=1.4 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";

}  // namespace

TEST(NetUpdateCheck, ReplyEndingInYesOffersTheDownload) {
    std::string request;
    LoopbackServer server(Answer(request, {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nYes"}));
    UpdateCheck check("127.0.0.1", server.Port(), kLongWait);
    CheckLog log(check);
    check.Start();
    ASSERT_TRUE(PumpUntil([&] { return log.lines.size() >= 3; }));
    server.Stop();
    EXPECT_EQ(request, kRequest);
    EXPECT_EQ(log.url, "http://127.0.0.1/downloads/Ombreltsetup.exe");
    // Declined: the road goes on, and the wait is over.
    EXPECT_EQ(log.lines, (std::vector<std::string>{"connected", "update", "no update"}));
    EXPECT_TRUE(check.Connected());
    EXPECT_FALSE(check.Waiting());
    EXPECT_EQ(log.lines.size(), 3u);
}

TEST(NetUpdateCheck, AcceptedUpdateEndsTheCheck) {
    std::string request;
    LoopbackServer server(Answer(request, {"  Yes  "}));
    UpdateCheck check("127.0.0.1", server.Port(), kLongWait);
    CheckLog log(check);
    log.accept = true;
    check.Start();
    ASSERT_TRUE(PumpUntil([&] { return log.lines.size() >= 2; }));
    PumpFor(100);  // the program would have ended; nothing else is reported
    EXPECT_EQ(log.lines, (std::vector<std::string>{"connected", "update"}));
}

TEST(NetUpdateCheck, EachPieceIsTestedByItself) {
    std::string request;
    LoopbackServer server(Answer(request, {"HTTP/1.1 200 OK\r\n\r\n", "Yes"}));
    UpdateCheck check("127.0.0.1", server.Port(), kLongWait);
    CheckLog log(check);
    check.Start();
    ASSERT_TRUE(PumpUntil([&] { return log.lines.size() >= 4; }));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"connected", "no update", "update", "no update"}));
}

TEST(NetUpdateCheck, OneQuestionWhateverFollowsIt) {
    std::atomic<bool> asked{false}, sentDuring{false}, answered{false};
    const auto await = [](const std::atomic<bool>& flag) {
        for (int i = 0; i < 400 && !flag; ++i) Sleep(5);
    };
    LoopbackServer server([&](Peer& peer) {
        peer.ReceiveUntil("\r\n\r\n", 1000);
        peer.Send("Yes");
        await(asked);
        peer.Send("Yes");  // while the question is open
        sentDuring = true;
        await(answered);
        peer.Send("Yes");  // after it was answered
    });
    UpdateCheck check("127.0.0.1", server.Port(), kLongWait);
    CheckLog log(check);
    check.Events.UpdateAvailable = [&](const std::string&) {
        log.lines.push_back("update");
        asked = true;
        PumpUntil([&] { return sentDuring.load(); });
        PumpFor(100);  // the question's own message loop
        answered = true;
        return false;
    };
    check.Start();
    ASSERT_TRUE(server.Finish());
    PumpFor(100);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"connected", "update", "no update"}));
}

TEST(NetUpdateCheck, OtherRepliesMeanNoUpdate) {
    for (const std::string reply : {"HTTP/1.1 200 OK\r\n\r\nNo", "Yes\r\n", "yes", "HTTP/1.1 404 Not Found\r\n\r\n"}) {
        std::string request;
        LoopbackServer server(Answer(request, {reply}));
        UpdateCheck check("127.0.0.1", server.Port(), kLongWait);
        CheckLog log(check);
        check.Start();
        ASSERT_TRUE(PumpUntil([&] { return log.lines.size() >= 2; })) << reply;
        EXPECT_EQ(log.lines, (std::vector<std::string>{"connected", "no update"})) << reply;
    }
}

TEST(NetUpdateCheck, GarbageIsReadSafely) {
    std::string garbage(300000, '\0');
    unsigned state = 7;
    for (char& c : garbage) c = static_cast<char>((state = state * 1664525 + 1013904223) >> 24);
    std::string request;
    LoopbackServer server(Answer(request, {garbage, garbage + "Yes"}));
    UpdateCheck check("127.0.0.1", server.Port(), kLongWait);
    CheckLog log(check);
    check.Start();
    ASSERT_TRUE(PumpUntil([&] { return log.lines.size() >= 2 && log.lines.back() == "no update" && server.Done(); }));
    PumpFor(100);
    EXPECT_EQ(log.lines.front(), "connected");
    EXPECT_LE(std::count(log.lines.begin(), log.lines.end(), "update"), 1);
}

TEST(NetUpdateCheck, SilentServerKeepsTheSplashUp) {
    std::string request;
    std::atomic<bool> read{false};
    LoopbackServer server([&](Peer& peer) {
        request = peer.ReceiveUntil("\r\n\r\n", 1000);
        read = true;
        peer.AwaitClose(kWait + 800);
    });
    UpdateCheck check("127.0.0.1", server.Port(), kWait);
    CheckLog log(check);
    check.Start();
    ASSERT_TRUE(PumpUntil([&] { return log.lines.size() >= 2; }));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"connected", "no reply"}));
    ASSERT_TRUE(PumpUntil([&] { return read.load(); }));
    EXPECT_EQ(request, kRequest);
}

TEST(NetUpdateCheck, NoServerMeansNoConnectionAfterTheWait) {
    UpdateCheck check("127.0.0.1", ClosedPort(), kWait);
    CheckLog log(check);
    const DWORD start = GetTickCount();
    check.Start();
    ASSERT_TRUE(PumpUntil([&] { return !log.lines.empty(); }));
    EXPECT_GE(GetTickCount() - start, kWait - 20);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"no connection"}));
    EXPECT_FALSE(check.Connected());
}

TEST(NetUpdateCheck, StopWaitingEndsTheWaitWithoutAVerdict) {
    std::string request;
    LoopbackServer server([&](Peer& peer) { peer.AwaitClose(kWait + 500); });
    UpdateCheck check("127.0.0.1", server.Port(), kWait);
    CheckLog log(check);
    check.Start();
    check.Start();  // once only
    check.StopWaiting();
    PumpFor(kWait + 150);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"connected"}));
}

TEST(NetUpdateCheck, NoWaitLeavesTheTimingToTheHost) {
    UpdateCheck check("127.0.0.1", ClosedPort(), 0);
    CheckLog log(check);
    check.Start();
    EXPECT_FALSE(check.Waiting());
    PumpFor(200);
    EXPECT_TRUE(log.lines.empty());
}

TEST(NetUpdateCheck, BuildHostIsTheDefault) {
    UpdateCheck check;  // not started: the default host must not be looked up here
    EXPECT_EQ(check.Host(), UpdateCheck::BuildHost());
    EXPECT_FALSE(check.Host().empty());
    EXPECT_EQ(check.DownloadUrl(), "http://" + check.Host() + "/downloads/Ombreltsetup.exe");
}
