#include "editor/Compile.h"

#include "Compiler/ScriptPayload.h"
#include "editor/mdlHandling.h"

namespace ombrelt::editor::Compile {

std::optional<std::string> BuildExecutable(std::string_view player, bool repeat, std::string_view editorText) {
    return WriteScriptPayload(player, repeat ? '1' : '0', mdlHandling::PrepareCompiledScript(editorText));
}

}  // namespace ombrelt::editor::Compile
