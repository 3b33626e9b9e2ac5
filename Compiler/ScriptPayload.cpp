#include "Compiler/ScriptPayload.h"

#include <fstream>
#include <limits>

namespace ombrelt {

namespace {

std::uint32_t DecodeLittleEndian(std::string_view four) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(four[i]);
    return value;
}

void AppendLittleEndian(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

ScriptPayload Split(std::string_view flagAndScript) {
    return ScriptPayload{flagAndScript.front(), std::string(flagAndScript.substr(1))};
}

}  // namespace

std::optional<PayloadSpan> LocateScriptPayload(std::uint64_t fileSize, std::string_view trailer) {
    if (fileSize <= PayloadTrailerSize || trailer.size() != PayloadTrailerSize) return std::nullopt;
    // The trailer is signed: a negative or zero position is as damaged as one
    // past the end. The flag must lie before the trailer.
    const auto position = static_cast<std::int32_t>(DecodeLittleEndian(trailer));
    const std::uint64_t payloadEnd = fileSize - PayloadTrailerSize;  // 0-based, exclusive
    if (position < 1 || static_cast<std::uint64_t>(position) > payloadEnd) return std::nullopt;
    const std::uint64_t offset = static_cast<std::uint64_t>(position) - 1;
    return PayloadSpan{offset, payloadEnd - offset};
}

std::optional<ScriptPayload> ReadScriptPayload(std::string_view file) {
    if (file.size() <= PayloadTrailerSize) return std::nullopt;
    const auto span = LocateScriptPayload(file.size(), file.substr(file.size() - PayloadTrailerSize));
    if (!span) return std::nullopt;
    return Split(file.substr(span->Offset, span->Length));
}

std::optional<ScriptPayload> ReadScriptPayloadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= static_cast<std::streamoff>(PayloadTrailerSize)) return std::nullopt;
    std::string trailer(PayloadTrailerSize, '\0');
    in.seekg(size - static_cast<std::streamoff>(PayloadTrailerSize));
    if (!in.read(trailer.data(), trailer.size())) return std::nullopt;
    const auto span = LocateScriptPayload(static_cast<std::uint64_t>(size), trailer);
    if (!span) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(span->Length), '\0');
    in.seekg(static_cast<std::streamoff>(span->Offset));
    if (!in.read(bytes.data(), bytes.size())) return std::nullopt;
    return Split(bytes);
}

std::optional<std::string> WriteScriptPayload(std::string_view player, char repeatFlag,
                                              std::string_view script) {
    if (player.empty() || player.size() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    std::string out;
    out.reserve(player.size() + script.size() + PayloadTrailerSize);
    out.append(player.substr(0, player.size() - 1));  // the flag overwrites the last byte
    out.push_back(repeatFlag);
    out.append(script);
    AppendLittleEndian(out, static_cast<std::uint32_t>(player.size()));
    return out;
}

}  // namespace ombrelt
