// The editor's questions and file dialogs, each owned by the window that
// asks and shown one at a time.
#include "editor/Program.h"
#include "editor/ScriptFile.h"
#include "editor/mdlFile.h"
#include "forms/Dialogs.h"

namespace ombrelt::editor {
namespace {

// Shows one dialog for the window unless another is open. What it answers
// counts only while the window is still the one in use: a mode switch
// meanwhile has given the script to the other window.
template <class Answer, class ShowDialog>
Answer OneDialog(Program& program, const forms::Form& window, ShowDialog show) {
    bool& open = program.State().DialogOpen;
    if (open) return Answer{};
    Answer answer;
    {
        struct Closed {
            bool& flag;
            ~Closed() { flag = false; }  // also when the dialog ends by an exception
        } closed{open};
        open = true;
        answer = show();
    }
    return program.InUse(window) ? answer : Answer{};
}

}  // namespace

int Program::MsgBox(forms::Form& window, const std::string& prompt, UINT buttons, const std::string& title) {
    return OneDialog<int>(*this, window, [&] { return forms::MsgBox(window.Handle(), prompt, buttons, title); });
}

std::string Program::ShowOpen(forms::Form& window, const std::string& title, std::string_view filter,
                              const std::string& extension) {
    return OneDialog<std::string>(*this, window, [&] { return mdlFile::ShowOpen(title, filter, extension, window); });
}

std::string Program::ShowSave(forms::Form& window, std::string_view filter, const std::string& extension,
                              const std::string& title) {
    return OneDialog<std::string>(*this, window, [&] { return mdlFile::ShowSave(filter, extension, title, window); });
}

void Program::ShowFileError(forms::Form& window, std::string_view message) {
    MsgBox(window, std::string(message), MB_OK | MB_ICONEXCLAMATION, std::string(ScriptFile::ErrorTitle));
}

bool Program::InUse(const forms::Form& window) const {
    if (&window == basic_.get()) return state_.BasicModeInUse;
    if (&window == main_.get()) return !state_.BasicModeInUse;
    return true;
}

}  // namespace ombrelt::editor
