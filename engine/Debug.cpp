// The debug listing: statements, functions and variables as plain text.
#include "automation/Convert.h"
#include "engine/SC.h"

namespace ombrelt {

void SC::PrintDebug() const {
    // The silent entry point: walks what the listing walks and shows nothing.
    for (std::int32_t i = 1; i <= LineCount; ++i) (void)ReturnFunctionName(CodeLines[i].ID);
}

std::string SC::GetDebug() const {
    static constexpr const char* CRLF = "\r\n";
    std::string out = "Printing Code:";
    out += CRLF;
    for (std::int32_t i = 1; i <= LineCount; ++i) {
        const CodeLine& line = CodeLines[i];
        out += "Command: ";
        out += ReturnFunctionName(line.ID);
        out += "; Parameters: ";
        for (int k = 1; k <= 7; ++k) {
            if (k > 1) out += ' ';
            out += line.Param[k];
        }
        out += CRLF;
    }
    out += CRLF;
    out += "Printing Found Functions:";
    out += CRLF;
    for (std::int32_t i = 1; i <= FunctionCount; ++i)
        out += "Function: " + Functions[i].Name + ", line: " + Convert::IntToText(Functions[i].Line) + CRLF;
    out += CRLF;
    out += "Printing Found Variables:";
    out += CRLF;
    for (std::int32_t i = 1; i <= StringVariables.Count(); ++i)
        out += "String: " + StringVariables[i].Name + ", value: " + StringVariables[i].Value + CRLF;
    for (std::int32_t i = 1; i <= LongVariables.Count(); ++i)
        out += "Long: " + LongVariables[i].Name + ", value: " + Convert::IntToText(LongVariables[i].Value) + CRLF;
    for (std::int32_t i = 1; i <= DoubleVariables.Count(); ++i)
        out += "Double: " + DoubleVariables[i].Name + ", value: " + Convert::DoubleToText(DoubleVariables[i].Value) +
               CRLF;
    out += CRLF;
    out += CRLF;
    out += CRLF;
    return out;
}

}  // namespace ombrelt
