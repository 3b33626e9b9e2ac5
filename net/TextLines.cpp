#include "net/TextLines.h"

#include "net/Utf8.h"

namespace ombrelt::net {
namespace {

// The UTF-16LE bytes of a text.
std::string Utf16Bytes(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::u16string AsUtf16(std::string_view bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

bool CutWide(std::string_view held, LineCut& cut) {
    const std::u16string wide = AsUtf16(held);  // an odd last byte takes no part
    static constexpr struct {
        std::u16string_view separator;
        std::int32_t code;
    } kSeparators[] = {{u"\r\n", LineCrLf}, {u"\n", LineLf}, {u"\r", LineCr}};
    for (const auto& [separator, code] : kSeparators) {
        if (wide.find(separator) == std::u16string::npos) continue;
        std::size_t start = 0;
        for (std::size_t p; (p = wide.find(separator, start)) != std::u16string::npos;
             start = p + separator.size())
            cut.Lines.push_back({Utf16Bytes(std::u16string_view(wide).substr(start, p - start)), code, false});
        cut.Rest = Utf16Bytes(std::u16string_view(wide).substr(start));
        return true;
    }
    return false;
}

void CutNarrow(std::string_view held, LineCut& cut) {
    static constexpr struct {
        std::string_view separator;
        std::int32_t code;
    } kSeparators[] = {{"\r\n", LineCrLf}, {"\n", LineLf}, {"\r", LineCr}};
    for (const auto& [separator, code] : kSeparators) {
        if (held.find(separator) == std::string_view::npos) continue;
        std::size_t start = 0;
        for (std::size_t p; (p = held.find(separator, start)) != std::string_view::npos;
             start = p + separator.size()) {
            const std::string_view line = held.substr(start, p - start);
            // Only the start of a long line decides its encoding.
            if (IsUTF8(line, 2048))
                cut.Lines.push_back({Utf16Bytes(FromUTF8(line)), code, false});
            else
                cut.Lines.push_back({std::string(line), code, true});
        }
        cut.Rest = std::string(held.substr(start));
        return;
    }
    cut.Rest = std::string(held);
}

}  // namespace

LineCut CutLines(std::string_view held) {
    LineCut cut;
    if (!CutWide(held, cut)) CutNarrow(held, cut);
    return cut;
}

std::string_view LineSeparatorOf(std::int32_t lineChange) {
    switch (lineChange) {
    case LineNul: return std::string_view("\0", 1);
    case LineCrLf: return "\r\n";
    case LineLf: return "\n";
    case LineCr: return "\r";
    default: return {};
    }
}

std::int32_t LineChangeOf(std::string_view separator) {
    if (separator.size() == 2) return LineCrLf;
    if (separator == "\n") return LineLf;
    if (separator == "\r") return LineCr;
    return LineNul;
}

}  // namespace ombrelt::net
