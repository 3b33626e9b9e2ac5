#include "editor/ScriptFile.h"

#include "Compiler/ScriptPayload.h"
#include "editor/mdlParsing.h"

namespace ombrelt::editor::ScriptFile {

bool NewNeedsQuestion(std::string_view editorText) {
    if (editorText.empty() || editorText == EmptyScript) return false;
    return !(editorText.size() == EmptyScript.size() + 2 && editorText.starts_with(EmptyScript) &&
             editorText.ends_with("\r\n"));
}

bool IsCompiledPath(std::string_view path) {
    if (path.size() < 3) return false;
    std::string last(path.substr(path.size() - 3));
    for (char& c : last) c = static_cast<char>(c | 0x20);  // letters to lower case
    return last == "exe";
}

bool IsScriptText(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

std::string ScriptForEditor(std::string_view payloadScript) {
    std::string text;
    text.reserve(payloadScript.size() + payloadScript.size() / 8);
    for (const char c : payloadScript) {
        text.push_back(c);
        if (c == ';') text.append("\r\n");
    }
    return text;
}

std::optional<std::string> ReadCompiledScript(const std::string& path) {
    const auto payload = ReadScriptPayloadFile(path);
    if (!payload || !IsScriptText(payload->Script)) return std::nullopt;
    return ScriptForEditor(payload->Script);
}

std::string WithExtension(std::string_view path, std::string_view dotExtension) {
    std::string out(path);
    if (!path.ends_with(dotExtension)) out.append(dotExtension);
    return out;
}

std::string CaptionFor(std::string_view path) { return "Ombrelt - " + mdlParsing::GetFileName(path); }

}  // namespace ombrelt::editor::ScriptFile
