// Script variables in three typed stores, the scratch value, and the
// resolution of a parameter into a value or a text.
#include <cmath>

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "engine/Arithmetic.h"
#include "engine/SC.h"
#include "engine/Text.h"

namespace ombrelt {
namespace {

using Arithmetic::Checked32;
using Arithmetic::CheckedDouble;

// A quoted literal without its first and last characters; a lone quote gives
// the empty text.
std::string Unquote(const std::string& text) {
    return text.size() < 2 ? std::string() : text.substr(1, text.size() - 2);
}

bool IsLastFoundName(const std::string& name) { return name == "lx" || name == "ly"; }

std::int32_t IntDivide(std::int32_t v, double n) {
    if (n == 0) throw ScriptError("Division by zero");
    return Convert::RoundToInt32(v / n);
}

std::int32_t IntPower(std::int32_t v, double n) { return Convert::RoundToInt32(std::pow(v, n)); }

}  // namespace

std::string SC::HextoAsciiNS(std::string& text) const {
    std::erase(text, ' ');
    std::string out;
    out.reserve(text.size() / 2 + 1);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        // The leading hexadecimal digits of the pair; none gives 0.
        unsigned code = 0;
        for (std::size_t j = i; j < i + 2 && j < text.size(); ++j) {
            char c = Text::LowerChar(text[j]);
            unsigned digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else break;
            code = code * 16 + digit;
        }
        out += static_cast<char>(code);
    }
    std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

void SC::GetVariable(const std::string& name) {
    if (IsLastFoundName(name)) {
        ScratchLong = name == "lx" ? state_.LastFoundX : state_.LastFoundY;
        ScratchType = TypeLong;
    } else if (std::int32_t i = StringVariables.Find(name); i >= 0) {
        ScratchString = StringVariables[i].Value;
        ScratchType = TypeString;
    } else if (std::int32_t i = LongVariables.Find(name); i >= 0) {
        ScratchLong = LongVariables[i].Value;
        ScratchType = TypeLong;
    } else if (std::int32_t i = DoubleVariables.Find(name); i >= 0) {
        ScratchDouble = DoubleVariables[i].Value;
        ScratchType = TypeDouble;
    } else {
        SetScratchFromLiteral(name);
    }
}

void SC::SetScratchFromLiteral(const std::string& name) {
    if (Convert::IsNumeric(name)) {
        if (name.find('.') != std::string::npos) {
            ScratchDouble = Convert::ToDouble(name);
            ScratchType = TypeDouble;
        } else {
            ScratchLong = Convert::ToInt32(name);
            ScratchType = TypeLong;
        }
        return;
    }
    std::string text = (!name.empty() && name.front() == '"') ? Unquote(name) : name;
    if (text.starts_with("0x")) {
        std::string digits = text.substr(2);
        text = HextoAsciiNS(digits);
    }
    ScratchString = std::move(text);
    ScratchType = TypeString;
}

std::string SC::GetVariableAsString(const std::string& name) const {
    if (!name.empty() && name.front() == '"') return Unquote(name);
    if (IsLastFoundName(name)) return Convert::IntToText(name == "lx" ? state_.LastFoundX : state_.LastFoundY);
    if (!name.empty() && name.front() == '$') return name.substr(1);
    if (std::int32_t i = StringVariables.Find(name); i >= 0) return StringVariables[i].Value;
    if (std::int32_t i = LongVariables.Find(name); i >= 0) return Convert::IntToText(LongVariables[i].Value);
    if (std::int32_t i = DoubleVariables.Find(name); i >= 0) return Convert::DoubleToText(DoubleVariables[i].Value);
    return name;
}

bool SC::IsExistingVariable(const std::string& name) const {
    return StringVariables.Find(name) >= 0 || LongVariables.Find(name) >= 0 || DoubleVariables.Find(name) >= 0;
}

void SC::AddSetVariable(const std::string& name, std::int32_t type, std::int32_t operation) {
    // The unnamed element 0 is what every empty parameter reads; it is never
    // written, so one statement with a missing name cannot change them all.
    if (name.empty()) return;

    // The scratch value as a text and as a number, for the cells that need it.
    auto scratchText = [&] {
        switch (ScratchType) {
        case TypeLong: return Convert::IntToText(ScratchLong);
        case TypeDouble: return Convert::DoubleToText(ScratchDouble);
        default: return ScratchString;
        }
    };
    auto scratchNumber = [&]() -> double {
        switch (ScratchType) {
        case TypeLong: return ScratchLong;
        case TypeDouble: return ScratchDouble;
        default: return CheckedDouble(Convert::LeadingNumber(ScratchString));
        }
    };

    if (type == TypeString) {
        std::int32_t i = StringVariables.Find(name);
        if (i < 0) {
            StringVariables.Append(name, scratchText());
            return;
        }
        std::string& v = StringVariables[i].Value;
        switch (operation) {
        case OpSet: v = scratchText(); break;
        case OpAdd: v = Text::Join(v, scratchText(), MaxTextLength); break;
        case OpSubtract:
        case OpDivide: v = Text::ReplaceAll(v, scratchText(), "", MaxTextLength); break;
        case OpMultiply:
            if (ScratchType == TypeString)
                v = Text::Join(v, ScratchString, MaxTextLength);
            else
                v = Text::Repeat(v, Convert::RoundToInt16(scratchNumber()), MaxTextLength);
            break;
        default: break;
        }
    } else if (type == TypeLong) {
        std::int32_t i = LongVariables.Find(name);
        if (i < 0) {
            LongVariables.Append(name, Convert::RoundToInt32(scratchNumber()));
            return;
        }
        std::int32_t& v = LongVariables[i].Value;
        if (operation == OpPower && ScratchType == TypeString) return;
        // A 32-bit scratch takes part as it is, a text or a double rounded.
        std::int32_t n = ScratchType == TypeLong ? ScratchLong : Convert::RoundToInt32(scratchNumber());
        switch (operation) {
        case OpSet: v = n; break;
        case OpAdd: v = Checked32(static_cast<long long>(v) + n); break;
        case OpSubtract: v = Checked32(static_cast<long long>(v) - n); break;
        case OpDivide: v = IntDivide(v, n); break;
        case OpMultiply: v = Checked32(static_cast<long long>(v) * n); break;
        case OpPower: v = IntPower(v, n); break;
        default: break;
        }
    } else if (type == TypeDouble) {
        std::int32_t i = DoubleVariables.Find(name);
        if (i < 0) {
            DoubleVariables.Append(name, scratchNumber());
            return;
        }
        double& v = DoubleVariables[i].Value;
        if (operation == OpPower && ScratchType == TypeString) return;
        double s = scratchNumber();
        switch (operation) {
        case OpSet: v = s; break;
        case OpAdd: v = CheckedDouble(v + s); break;
        case OpSubtract: v = CheckedDouble(v - s); break;
        case OpDivide:
            if (s == 0) throw ScriptError("Division by zero");
            v = CheckedDouble(v / s);
            break;
        case OpMultiply: v = CheckedDouble(v * s); break;
        case OpPower: v = CheckedDouble(std::pow(v, s)); break;
        default: break;
        }
    }
}

}  // namespace ombrelt
