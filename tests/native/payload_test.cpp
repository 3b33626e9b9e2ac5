#include "Compiler/ScriptPayload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace ombrelt;

namespace {

std::string Trailer(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

const std::string kPlayer = std::string("MZ\x90\0player-body", 15) + "Z";

}  // namespace

TEST(ScriptPayload, WriterLaysOutPlayerFlagScriptAndTrailer) {
    const std::string script = "function(main);msgbox(\"Hi There\");endfunction();";
    const auto file = WriteScriptPayload(kPlayer, '1', script);
    ASSERT_TRUE(file);
    const std::size_t L = kPlayer.size();
    EXPECT_EQ(file->size(), L + script.size() + 4);
    EXPECT_EQ(file->substr(0, L - 1), kPlayer.substr(0, L - 1));  // player's last byte overwritten
    EXPECT_EQ((*file)[L - 1], '1');
    EXPECT_EQ(file->substr(L, script.size()), script);
    EXPECT_EQ(file->substr(file->size() - 4), Trailer(static_cast<std::int32_t>(L)));
}

TEST(ScriptPayload, RoundTripKeepsFlagAndEveryByteOfTheScript) {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes.push_back(static_cast<char>(c));  // 8-bit text, NULs included
    for (const char flag : {'0', '1', 'x'}) {
        for (const std::string& script : {std::string(), std::string("pause(1);"), bytes}) {
            const auto payload = ReadScriptPayload(*WriteScriptPayload(kPlayer, flag, script));
            ASSERT_TRUE(payload);
            EXPECT_EQ(payload->RepeatFlag, flag);
            EXPECT_EQ(payload->Script, script);
            EXPECT_EQ(payload->Repeats(), flag == '1');
        }
    }
    // A one-byte player: the flag replaces it entirely and sits at position 1.
    const auto tiny = WriteScriptPayload("Z", '0', "");
    EXPECT_EQ(*tiny, std::string("0") + Trailer(1));
    EXPECT_EQ(ReadScriptPayload(*tiny)->Script, "");
}

TEST(ScriptPayload, WriterRefusesAnEmptyPlayer) {
    EXPECT_FALSE(WriteScriptPayload("", '0', "x"));
}

TEST(ScriptPayload, DamagedFilesAreRefused) {
    const std::string good = *WriteScriptPayload(kPlayer, '0', "pause(1);");
    const std::string body = good.substr(0, good.size() - 4);
    const auto size = static_cast<std::int32_t>(body.size());

    EXPECT_FALSE(ReadScriptPayload(""));
    EXPECT_FALSE(ReadScriptPayload("abc"));
    EXPECT_FALSE(ReadScriptPayload(Trailer(1)));               // four bytes: no room for a flag
    EXPECT_FALSE(ReadScriptPayload(body + Trailer(0)));        // position 0
    EXPECT_FALSE(ReadScriptPayload(body + Trailer(-1)));       // negative
    EXPECT_FALSE(ReadScriptPayload(body + Trailer(INT32_MIN)));
    EXPECT_FALSE(ReadScriptPayload(body + Trailer(size + 1)));  // flag would be the trailer's first byte
    EXPECT_FALSE(ReadScriptPayload(body + Trailer(size + 4)));
    EXPECT_FALSE(ReadScriptPayload(body + Trailer(INT32_MAX)));
    EXPECT_FALSE(ReadScriptPayload(good.substr(0, good.size() - 1)));  // truncated trailer
    EXPECT_FALSE(ReadScriptPayload(kPlayer));  // a player never compiled: its tail is not a position

    // The edges that are still inside: the flag just before the trailer, or at byte 1.
    const auto last = ReadScriptPayload(body + Trailer(size));
    ASSERT_TRUE(last);
    EXPECT_EQ(last->RepeatFlag, body.back());
    EXPECT_EQ(last->Script, "");
    const auto first = ReadScriptPayload(body + Trailer(1));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->RepeatFlag, body.front());
    EXPECT_EQ(first->Script, body.substr(1));
}

TEST(ScriptPayload, LocateNamesTheSpanBeforeTheTrailer) {
    const auto span = LocateScriptPayload(100, Trailer(90));
    ASSERT_TRUE(span);
    EXPECT_EQ(span->Offset, 89u);
    EXPECT_EQ(span->Length, 7u);  // T - P - 3 bytes: flag and script
    EXPECT_FALSE(LocateScriptPayload(100, "abc"));
    EXPECT_FALSE(LocateScriptPayload(4, Trailer(1)));
    EXPECT_TRUE(LocateScriptPayload(5, Trailer(1)));
}

TEST(ScriptPayload, FileReaderReadsCompiledFilesAndRefusesDamagedOrMissingOnes) {
    // Per process: other checkouts run the same test at the same time.
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("ombrelt_payload_test_" + std::to_string(::getpid()) + ".exe"))
                                 .string();
    const auto write = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    };

    write(*WriteScriptPayload(kPlayer, '1', "msgbox(\"A b\");"));
    auto payload = ReadScriptPayloadFile(path);
    ASSERT_TRUE(payload);
    EXPECT_TRUE(payload->Repeats());
    EXPECT_EQ(payload->Script, "msgbox(\"A b\");");

    write(kPlayer);
    EXPECT_FALSE(ReadScriptPayloadFile(path));
    write("");
    EXPECT_FALSE(ReadScriptPayloadFile(path));
    write(kPlayer + Trailer(-5));
    EXPECT_FALSE(ReadScriptPayloadFile(path));

    std::filesystem::remove(path);
    EXPECT_FALSE(ReadScriptPayloadFile(path));
}
