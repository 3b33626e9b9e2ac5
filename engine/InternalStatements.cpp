// The language's own statements: declarations, set, arithmetic, functions of
// numbers, message, parse and replace. Each step runs on its own: a failed
// step is skipped and the statement goes on with the next one.
#include <cmath>

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "engine/Arithmetic.h"
#include "engine/SC.h"
#include "engine/Text.h"

namespace ombrelt {
namespace {

struct MessageStyle {
    std::string_view Word;
    std::uint32_t Flags;
};

constexpr MessageStyle MessageStyleTable[] = {
    {"normal", 0},          {"app", 0},           {"critical", 16},   {"exclamation", 48},
    {"information", 64},    {"right", 524288},    {"reading", 1048576}, {"silly", 1048576},
    {"question", 32},       {"systemmodal", 4096},
};

double Factorial(double value) {
    const std::int16_t n = Convert::RoundToInt16(value);
    double product = 1.0;
    for (std::int32_t k = 2; k <= n && std::isfinite(product); ++k) product *= k;
    return product;
}

double FunctionOfNumber(std::int32_t id, double x) {
    switch (id) {
    case CommandId::Tan: return std::tan(x);
    case CommandId::Cos: return std::cos(x);
    case CommandId::Sin: return std::sin(x);
    case CommandId::Log:
        if (x <= 0) throw ScriptError("Invalid procedure call");
        return std::log(x);
    default: return Factorial(x);
    }
}

}  // namespace

void SC::ExecuteInternalFunction() {
    const std::int32_t id = CodeLines[CurrentLine].ID;
    const auto& p = CodeLines[CurrentLine].Param;

    switch (id) {
    case CommandId::String:
    case CommandId::Int:
    case CommandId::Double:
        // The store runs only with a resolved value, never with a stale one.
        if (RunStep([&] { GetVariable(p[2]); })) RunStep([&] { AddSetVariable(p[1], id, OpSet); });
        break;

    case CommandId::Set: {
        std::int32_t type = TypeString;
        RunStep([&] {
            std::string text = GetVariableAsString(p[2]);
            if (Convert::IsNumeric(text)) type = text.find('.') == std::string::npos ? TypeLong : TypeDouble;
        });
        if (RunStep([&] { GetVariable(p[2]); })) RunStep([&] { AddSetVariable(p[1], type, OpSet); });
        break;
    }

    case CommandId::Add:
    case CommandId::Subtract:
    case CommandId::Divide:
    case CommandId::Multiply:
    case CommandId::Power: {
        // The target type is taken once, from p1, whether p1 exists or not.
        std::int32_t type = 0;
        if (!RunStep([&] { GetVariable(p[1]); type = ScratchType; })) break;
        if (id == CommandId::Power && type == TypeString) break;
        if (RunStep([&] { GetVariable(p[2]); })) RunStep([&] { AddSetVariable(p[1], type, id); });
        break;
    }

    case CommandId::Tan:
    case CommandId::Cos:
    case CommandId::Sin:
    case CommandId::Log:
    case CommandId::Factorial: {
        std::int32_t type = 0;
        if (!RunStep([&] { GetVariable(p[1]); type = ScratchType; }) || type == TypeString) break;
        // A failed computation leaves the scratch as read, so the store writes it back.
        RunStep([&] {
            if (type == TypeLong)
                ScratchLong = Convert::RoundToInt32(FunctionOfNumber(id, ScratchLong));
            else
                ScratchDouble = Arithmetic::CheckedDouble(FunctionOfNumber(id, ScratchDouble));
        });
        RunStep([&] { AddSetVariable(p[1], type, OpSet); });
        break;
    }

    case CommandId::Message: {
        // Resolved first: the box pumps messages, and a host may replace the script meanwhile.
        std::string text, style, title;
        if (RunStep([&] {
                text = GetVariableAsString(p[1]);
                style = GetVariableAsString(p[2]);
                title = GetVariableAsString(p[3]);
            }))
            RunStep([&] { ShowMessage(text, style, title); });
        break;
    }

    case CommandId::Parse:
    case CommandId::Replace: {
        if (!RunStep([&] { GetVariable(p[1]); }) || ScratchType != TypeString) break;
        RunStep([&] {
            std::string text = GetVariableAsString(p[1]);
            if (id == CommandId::Replace) {
                ScratchString = Text::ReplaceAll(text, GetVariableAsString(p[2]), GetVariableAsString(p[3]),
                                                 MaxTextLength);
                return;
            }
            const std::int32_t start = Convert::ToInt32(GetVariableAsString(p[2]));
            const std::int32_t length = Convert::ToInt32(GetVariableAsString(p[3]));
            if (start < 1 || length < 0) throw ScriptError("Invalid procedure call");
            const std::size_t from = static_cast<std::size_t>(start) - 1;
            ScratchString = from >= text.size() ? std::string() : text.substr(from, static_cast<std::size_t>(length));
        });
        RunStep([&] { AddSetVariable(p[1], TypeString, OpSet); });
        break;
    }

    default:
        RunStep([&] { ExecuteExternalFunction(id, CurrentLine); });
        break;
    }
}

void SC::ShowMessage(const std::string& text, const std::string& style, const std::string& title) {
    const std::string word = Text::Lower(style);
    for (const MessageStyle& s : MessageStyleTable) {
        if (s.Word == word) {
            desktop_.MessageBox(text, title, s.Flags);
            return;
        }
    }
}

}  // namespace ombrelt
