// The send queue and its drain to a stream socket.
#include <gtest/gtest.h>

#include <vector>

#include "net/SendQueue.h"

using namespace ombrelt::net;

namespace {

// A socket that takes the pieces in `results` in turn (a Count of -1 takes
// the whole piece), records what it was offered and what went out.
struct FakeSocket {
    FakeSocket(std::vector<SendResult> r = {}) : results(std::move(r)) {}
    std::vector<SendResult> results;
    std::size_t call = 0;
    std::vector<std::size_t> offered;
    std::string wire;

    SendResult operator()(std::string_view piece) {
        offered.push_back(piece.size());
        SendResult r = call < results.size() ? results[call] : SendResult{};
        ++call;
        if (r.Error == 0 && (r.Count < 0 || call > results.size())) r.Count = static_cast<std::int32_t>(piece.size());
        if (r.Error == 0) wire.append(piece.substr(0, static_cast<std::size_t>(r.Count)));
        return r;
    }
};

struct Recorder {
    std::vector<std::string> log;
    DrainEvents events{
        [this](std::int32_t sent, std::int32_t remaining) {
            log.push_back("progress " + std::to_string(sent) + " " + std::to_string(remaining));
        },
        [this] { log.push_back("complete"); },
        [this](std::int32_t error) { log.push_back("failed " + std::to_string(error)); },
    };
};

}  // namespace

TEST(NetSendQueue, DrainsInChunksAndCompletes) {
    SendQueue queue;
    FakeSocket socket;
    Recorder events;
    queue.Queue("0123456789");
    queue.DrainStream(4, std::ref(socket), events.events);
    EXPECT_EQ(socket.offered, (std::vector<std::size_t>{4, 4, 2}));
    EXPECT_EQ(socket.wire, "0123456789");
    EXPECT_EQ(events.log, (std::vector<std::string>{"progress 10 0", "complete"}));
    EXPECT_EQ(queue.Pending(), 0);

    queue.DrainStream(4, std::ref(socket), events.events);  // nothing queued: nothing happens
    EXPECT_EQ(events.log.size(), 2u);
}

TEST(NetSendQueue, FullSocketKeepsTheRestForTheNextDrain) {
    SendQueue queue;
    FakeSocket socket({{0, -1}, {0, -1}, {WouldBlock, 0}});
    Recorder events;
    queue.Queue(std::string(25, 'x'));
    queue.DrainStream(10, std::ref(socket), events.events);
    EXPECT_EQ(events.log, (std::vector<std::string>{"progress 20 5"}));
    EXPECT_EQ(queue.Pending(), 5);
    queue.Queue("yy");  // queued behind the rest
    queue.DrainStream(10, std::ref(socket), events.events);
    EXPECT_EQ(events.log.back(), "complete");
    EXPECT_EQ(events.log[1], "progress 7 0");  // this drain's bytes only
    EXPECT_EQ(socket.wire, std::string(25, 'x') + "yy");
}

TEST(NetSendQueue, PartialSendsAndFailuresLoseAndRepeatNothing) {
    SendQueue queue;
    // The socket takes 3 of 4, then the rest goes on in the next calls.
    FakeSocket partial({{0, 3}});
    Recorder events;
    queue.Queue("abcdefgh");
    queue.DrainStream(4, std::ref(partial), events.events);
    EXPECT_EQ(partial.wire, "abcdefgh");
    EXPECT_EQ(events.log.back(), "complete");

    // A hard failure after one piece: that piece is not sent again.
    FakeSocket failing({{0, -1}, {10054, 0}});
    Recorder failures;
    queue.Queue("abcdefgh");
    queue.DrainStream(4, std::ref(failing), failures.events);
    EXPECT_EQ(failures.log, (std::vector<std::string>{"failed 10054"}));
    EXPECT_EQ(queue.Queued(), "efgh");
    FakeSocket healthy;
    queue.DrainStream(4, std::ref(healthy), failures.events);
    EXPECT_EQ(healthy.wire, "efgh");
}

TEST(NetSendQueue, ZeroChunkNeverStalls) {
    SendQueue queue;
    FakeSocket socket;
    Recorder events;
    queue.Queue("abc");
    queue.DrainStream(0, std::ref(socket), events.events);
    EXPECT_EQ(socket.wire, "abc");
    EXPECT_EQ(events.log.back(), "complete");
}

TEST(NetSendQueue, HandlerMayQueueDuringProgress) {
    SendQueue queue;
    FakeSocket socket;
    bool again = true;
    DrainEvents events;
    events.Progress = [&](std::int32_t, std::int32_t) {
        if (std::exchange(again, false)) queue.Queue("more");  // kept, not wiped by the drain that raised this
    };
    queue.Queue("first");
    queue.DrainStream(100, std::ref(socket), events);
    EXPECT_EQ(queue.Queued(), "more");
}
