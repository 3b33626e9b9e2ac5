#pragma once
// The layout of a compiled executable: a copy of the player whose last byte
// is overwritten by a repeat flag, followed by the script (8-bit text, no
// terminator) and a 32-bit little-endian trailer holding L, the length of the
// player as copied, which is also the 1-based position of the flag:
//
//   bytes 1 .. L-1   the player, unchanged
//   byte  L          flag: '1' repeat until stopped, '0' (or anything else) once
//   bytes L+1 .. L+n the script
//   last 4 bytes     L
//
// There is no marker or checksum; the trailer alone locates the payload, so
// the reader refuses any trailer that does not point inside the file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ombrelt {

struct ScriptPayload {
    char RepeatFlag = '0';
    std::string Script;

    bool Repeats() const { return RepeatFlag == '1'; }
};

// Where flag and script lie in a file: 0-based offset of the flag and the
// number of bytes from it up to the trailer (1 + script length).
struct PayloadSpan {
    std::uint64_t Offset = 0;
    std::uint64_t Length = 0;
};

inline constexpr std::uint64_t PayloadTrailerSize = 4;

// The span named by a file's last four bytes, or nothing when the file is
// shorter than five bytes or the trailer points outside the space before it.
std::optional<PayloadSpan> LocateScriptPayload(std::uint64_t fileSize, std::string_view trailer);

// The payload of a compiled file held in memory, or nothing when damaged.
std::optional<ScriptPayload> ReadScriptPayload(std::string_view file);

// The payload of a compiled file on disk; nothing when the file cannot be
// read or is damaged. Reads only the trailer and the payload.
std::optional<ScriptPayload> ReadScriptPayloadFile(const std::string& path);

// The compiled file made from a player's bytes, a flag and a script; nothing
// when the player is empty or too long for the 32-bit trailer.
std::optional<std::string> WriteScriptPayload(std::string_view player, char repeatFlag,
                                              std::string_view script);

}  // namespace ombrelt
