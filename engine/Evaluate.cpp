// Conditions of "if" and "while": left operand, operator, right operand.
#include "automation/Convert.h"
#include "engine/SC.h"

namespace ombrelt {
namespace {

enum class Op { Less, Greater, Equal, LessEqual, GreaterEqual, NotEqual };

// The first position holding an operator decides; at each position the
// two-character operators are tried before the one-character ones. Quotes
// are not special.
bool FindOperator(std::string_view text, std::size_t& at, std::size_t& length, Op& op) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size()) {
            std::string_view two = text.substr(i, 2);
            length = 2;
            at = i;
            if (two == "<=") { op = Op::LessEqual; return true; }
            if (two == ">=") { op = Op::GreaterEqual; return true; }
            if (two == "<>" || two == "!=") { op = Op::NotEqual; return true; }
        }
        length = 1;
        at = i;
        switch (text[i]) {
        case '<': op = Op::Less; return true;
        case '>': op = Op::Greater; return true;
        case '=': op = Op::Equal; return true;
        default: break;
        }
    }
    return false;
}

template <class T>
bool Compare(const T& a, const T& b, Op op) {
    switch (op) {
    case Op::Less: return a < b;
    case Op::Greater: return a > b;
    case Op::Equal: return a == b;
    case Op::LessEqual: return a <= b;
    case Op::GreaterEqual: return a >= b;
    case Op::NotEqual: return a != b;
    }
    return false;
}

}  // namespace

bool SC::Evaluate(const std::string& condition) {
    std::size_t at = 0, length = 0;
    Op op{};
    if (!FindOperator(condition, at, length, op)) return false;

    GetVariable(condition.substr(0, at));
    const std::int32_t leftType = ScratchType;
    const std::int32_t leftLong = ScratchLong;
    const double leftDouble = ScratchDouble;
    std::string leftText;
    if (leftType == TypeString) leftText = ScratchString;

    GetVariable(condition.substr(at + length));
    const std::int32_t rightType = ScratchType;

    auto asText = [](std::int32_t type, const std::string& text, std::int32_t l, double d) {
        if (type == TypeLong) return Convert::IntToText(l);
        if (type == TypeDouble) return Convert::DoubleToText(d);
        return text;
    };
    if (leftType == TypeString || rightType == TypeString) {
        // std::string compares as unsigned bytes: binary, case-sensitive.
        return Compare(asText(leftType, leftText, leftLong, leftDouble),
                       asText(rightType, ScratchString, ScratchLong, ScratchDouble), op);
    }
    if (leftType == TypeLong && rightType == TypeLong) return Compare(leftLong, ScratchLong, op);
    double left = leftType == TypeLong ? leftLong : leftDouble;
    double right = rightType == TypeLong ? ScratchLong : ScratchDouble;
    return Compare(left, right, op);
}

}  // namespace ombrelt
