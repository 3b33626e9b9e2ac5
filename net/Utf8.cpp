#include "net/Utf8.h"

#include <algorithm>

namespace ombrelt::net {
namespace {

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// Continuation bytes that follow a lead byte in the validity test.
int TrailCount(unsigned char lead) {
    if (lead >= 0xFC) return 5;  // FC, FD (FE and FF never get here)
    if (lead >= 0xF8) return 4;
    if (lead >= 0xF0) return 3;
    if (lead >= 0xE0) return 2;
    return 1;  // C0 to DF
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

bool IsUTF8(std::string_view data, std::int32_t length) {
    if (data.empty() || length < 1) return false;
    const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(length), data.size());
    std::size_t i = 0;
    while (i < end) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b < 0x80 || b >= 0xFE) {
            ++i;
            continue;
        }
        if (IsContinuation(b)) return false;
        const int k = TrailCount(b);
        for (std::size_t j = i + 1; j <= i + k; ++j) {
            if (j >= data.size()) return true;
            if (!IsContinuation(static_cast<unsigned char>(data[j]))) return false;
            if (j >= end) return true;
        }
        i += k + 1;
    }
    return true;
}

std::string ToUTF8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            AppendUtf8(out, kReplacement);  // a lone surrogate
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::u16string FromUTF8(std::string_view data) {
    std::u16string out;
    out.reserve(data.size());
    std::size_t i = 0;
    while (i < data.size()) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++i;
            continue;
        }
        // Well-formed sequences only (no overlongs, surrogates or values past
        // U+10FFFF); each maximal ill-formed prefix becomes one U+FFFD.
        int k = 0;
        char32_t c = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            k = 1, c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            k = 2, c = b & 0x0F;
            if (b == 0xE0) lo = 0xA0;
            if (b == 0xED) hi = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            k = 3, c = b & 0x07;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        } else {
            AppendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool ok = true;
        for (int n = 0; n < k; ++n, ++j) {
            const unsigned char first = n == 0 ? lo : 0x80, last = n == 0 ? hi : 0xBF;
            if (j >= data.size()) { ok = false; break; }
            const auto t = static_cast<unsigned char>(data[j]);
            if (t < first || t > last) { ok = false; break; }
            c = (c << 6) | (t & 0x3F);
        }
        AppendUtf16(out, ok ? c : kReplacement);
        i = j;
    }
    return out;
}

}  // namespace ombrelt::net
