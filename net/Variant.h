#pragma once
// The typed values that the socket class reads and sends: a small variant
// named by the OLE Automation type codes, and the byte forms of each type.
// Text is 8-bit in the system code page, so a text value's bytes are its
// characters.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ombrelt::net {

inline constexpr std::int32_t vbEmpty = 0;
inline constexpr std::int32_t vbNull = 1;
inline constexpr std::int32_t vbInteger = 2;   // 16-bit
inline constexpr std::int32_t vbLong = 3;      // 32-bit
inline constexpr std::int32_t vbSingle = 4;
inline constexpr std::int32_t vbDouble = 5;
inline constexpr std::int32_t vbCurrency = 6;
inline constexpr std::int32_t vbDate = 7;
inline constexpr std::int32_t vbString = 8;
inline constexpr std::int32_t vbBoolean = 11;
inline constexpr std::int32_t vbByte = 17;
inline constexpr std::int32_t vbArray = 8192;  // flag: one-dimensional array, lower bound 0

struct Null {
    friend bool operator==(Null, Null) = default;
};
struct Currency {
    std::int64_t Scaled;  // the value times 10000
    friend bool operator==(Currency, Currency) = default;
};
struct Date {
    double Value;
    friend bool operator==(Date, Date) = default;
};

class Variant {
public:
    using Value = std::variant<std::monostate, Null, std::int16_t, std::int32_t, float, double, Currency,
                               Date, std::string, bool, std::uint8_t, std::vector<std::int16_t>,
                               std::vector<std::int32_t>, std::vector<float>, std::vector<double>,
                               std::vector<Currency>, std::vector<Date>, std::vector<std::string>,
                               std::vector<bool>, std::vector<std::uint8_t>>;

    Variant() = default;
    template <class T>
        requires std::is_constructible_v<Value, T>
    Variant(T value) : value_(std::move(value)) {}
    Variant(const char* text) : value_(std::string(text)) {}

    // The type code: vbEmpty, vbNull, a scalar code, or vbArray + element code.
    std::int32_t VarType() const;
    bool IsEmpty() const { return value_.index() == 0; }

    const Value& Get() const { return value_; }
    template <class T>
    const T& As() const { return std::get<T>(value_); }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    Value value_;
};

// True for the codes a read or a send supports: the scalars 2 to 8, 11 and
// 17, and arrays of them.
bool IsSupportedVarType(std::int32_t varType);

// How many of `available` held bytes (at least 1) a read of a supported
// type takes: the type's size at most for a scalar, 1 for a byte, all of
// them for text and arrays.
std::int32_t ReadLength(std::int32_t varType, std::int32_t available);

// The value of a supported type made of the bytes, in little-endian memory
// order; bytes a value needs beyond those given are 0. An array has as many
// elements as the bytes start; a text array is the text split at CR LF, else
// LF, else CR, else NUL.
Variant DecodeValue(std::int32_t varType, std::string_view bytes);

// The bytes a value is sent as; text-array elements are joined with the
// separator. Nothing for an unsupported type (empty, null).
std::optional<std::string> EncodeValue(const Variant& value, std::string_view lineSeparator);

std::vector<std::string> SplitTextArray(std::string_view text);

}  // namespace ombrelt::net
