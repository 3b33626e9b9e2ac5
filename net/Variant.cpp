#include "net/Variant.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ombrelt::net {

static_assert(std::endian::native == std::endian::little, "values are copied in memory order");

namespace {

// Bytes of one element, 0 for text, -1 for an unsupported element type.
int ElementSize(std::int32_t elementType) {
    switch (elementType) {
    case vbInteger:
    case vbBoolean: return 2;
    case vbLong:
    case vbSingle: return 4;
    case vbDouble:
    case vbCurrency:
    case vbDate: return 8;
    case vbByte: return 1;
    case vbString: return 0;
    default: return -1;
    }
}

// One value of the type from up to sizeof(T) bytes, the rest 0.
template <class T>
T FromBytes(std::string_view bytes) {
    unsigned char raw[sizeof(T)] = {};
    std::memcpy(raw, bytes.data(), std::min(bytes.size(), sizeof(T)));
    T value;
    std::memcpy(&value, raw, sizeof(T));
    return value;
}

template <class T, class Out = T>
std::vector<Out> ArrayFromBytes(std::string_view bytes) {
    std::vector<Out> out((bytes.size() + sizeof(T) - 1) / sizeof(T));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = Out(FromBytes<T>(bytes.substr(i * sizeof(T))));
    return out;
}

template <class T>
void AppendBytes(std::string& out, const T& value) {
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    out.append(raw, sizeof(T));
}

std::int16_t BooleanWord(bool value) { return value ? -1 : 0; }

std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find(separator, start)) != std::string_view::npos;
         start = p + separator.size())
        parts.emplace_back(text.substr(start, p - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

}  // namespace

std::int32_t Variant::VarType() const {
    static constexpr std::int32_t kCodes[] = {
        vbEmpty, vbNull, vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDate, vbString, vbBoolean,
        vbByte,
        vbArray + vbInteger, vbArray + vbLong, vbArray + vbSingle, vbArray + vbDouble, vbArray + vbCurrency,
        vbArray + vbDate, vbArray + vbString, vbArray + vbBoolean, vbArray + vbByte,
    };
    static_assert(std::size(kCodes) == std::variant_size_v<Value>);
    return kCodes[value_.index()];
}

bool IsSupportedVarType(std::int32_t varType) {
    const std::int32_t element = varType & ~vbArray;
    return ElementSize(element) >= 0;
}

std::int32_t ReadLength(std::int32_t varType, std::int32_t available) {
    if (varType & vbArray || varType == vbString) return available;
    return std::min(available, ElementSize(varType));
}

Variant DecodeValue(std::int32_t varType, std::string_view bytes) {
    switch (varType) {
    case vbInteger: return FromBytes<std::int16_t>(bytes);
    case vbLong: return FromBytes<std::int32_t>(bytes);
    case vbSingle: return FromBytes<float>(bytes);
    case vbDouble: return FromBytes<double>(bytes);
    case vbCurrency: return Currency{FromBytes<std::int64_t>(bytes)};
    case vbDate: return Date{FromBytes<double>(bytes)};
    case vbString: return std::string(bytes);
    case vbBoolean: return FromBytes<std::int16_t>(bytes) != 0;
    case vbByte: return FromBytes<std::uint8_t>(bytes);
    case vbArray + vbInteger: return ArrayFromBytes<std::int16_t>(bytes);
    case vbArray + vbLong: return ArrayFromBytes<std::int32_t>(bytes);
    case vbArray + vbSingle: return ArrayFromBytes<float>(bytes);
    case vbArray + vbDouble: return ArrayFromBytes<double>(bytes);
    case vbArray + vbCurrency: {
        std::vector<Currency> out;
        for (std::int64_t v : ArrayFromBytes<std::int64_t>(bytes)) out.push_back({v});
        return out;
    }
    case vbArray + vbDate: {
        std::vector<Date> out;
        for (double v : ArrayFromBytes<double>(bytes)) out.push_back({v});
        return out;
    }
    case vbArray + vbString: return SplitTextArray(bytes);
    case vbArray + vbBoolean: {
        std::vector<bool> out;
        for (std::int16_t v : ArrayFromBytes<std::int16_t>(bytes)) out.push_back(v != 0);
        return out;
    }
    case vbArray + vbByte: return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    default: return {};
    }
}

std::optional<std::string> EncodeValue(const Variant& value, std::string_view lineSeparator) {
    std::string out;
    const auto visitor = [&](const auto& v) -> bool {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate> || std::is_same_v<T, Null>) {
            return false;
        } else if constexpr (std::is_same_v<T, std::string>) {
            out = v;
        } else if constexpr (std::is_same_v<T, bool>) {
            AppendBytes(out, BooleanWord(v));
        } else if constexpr (std::is_same_v<T, Currency> || std::is_same_v<T, Date>) {
            AppendBytes(out, v);
        } else if constexpr (std::is_arithmetic_v<T>) {
            AppendBytes(out, v);
        } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (i) out += lineSeparator;
                out += v[i];
            }
        } else {
            for (const auto& element : v) {
                if constexpr (std::is_same_v<T, std::vector<bool>>)
                    AppendBytes(out, BooleanWord(element));
                else
                    AppendBytes(out, element);
            }
        }
        return true;
    };
    if (!std::visit(visitor, value.Get())) return std::nullopt;
    return out;
}

std::vector<std::string> SplitTextArray(std::string_view text) {
    for (std::string_view separator : {std::string_view("\r\n"), std::string_view("\n"), std::string_view("\r")})
        if (text.find(separator) != std::string_view::npos) return SplitAt(text, separator);
    return SplitAt(text, std::string_view("\0", 1));
}

}  // namespace ombrelt::net
