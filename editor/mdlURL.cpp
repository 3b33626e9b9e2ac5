#include "editor/mdlURL.h"

namespace ombrelt::mdlURL {

std::string CutAfterExe(std::string_view command) {
    const auto at = command.rfind("exe");
    if (at == std::string_view::npos) return std::string(command.substr(0, 3));
    return std::string(command.substr(0, at + 4));
}

std::string BrowserProgram(std::string_view registryCommand) {
    std::string program = CutAfterExe(registryCommand);
    if (!program.empty() && program.front() == '"') {
        const auto close = program.rfind('"');
        program = close > 0 ? program.substr(1, close - 1) : program.substr(1);
    } else if (const auto space = program.find(' '); space != std::string::npos) {
        program.resize(space);
    }
    if (program.empty()) program = FallbackBrowser;
    return program;
}

void EscapeSpaces(std::string& url) {
    std::string escaped;
    escaped.reserve(url.size());
    for (char c : url) {
        if (c == ' ') escaped += "%20";
        else escaped += c;
    }
    url = std::move(escaped);
}

std::string BrowserCommandLine(std::string_view registryCommand, std::string& url) {
    std::string program = BrowserProgram(registryCommand);
    EscapeSpaces(url);
    // A path with spaces is quoted again, so that it cannot be read as a
    // shorter program ("C:\Program") followed by arguments.
    if (program.find(' ') != std::string::npos) program = '"' + program + '"';
    return program + " " + url;
}

}  // namespace ombrelt::mdlURL
