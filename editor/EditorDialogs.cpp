// The editor's questions and file dialogs, each owned by the window that
// asks and shown one at a time.
#include "automation/mdlTime.h"
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
    return OneDialog<int>(*this, window, [&] {
        const forms::Form* owner = DialogOwner(window);
        return forms::MsgBox(owner ? owner->Handle() : nullptr, prompt, buttons, title);
    });
}

std::string Program::ShowOpen(forms::Form& window, const std::string& title, std::string_view filter,
                              const std::string& extension) {
    return OneDialog<std::string>(
        *this, window, [&] { return mdlFile::ShowOpen(title, filter, extension, DialogOwner(window)); });
}

std::string Program::ShowSave(forms::Form& window, std::string_view filter, const std::string& extension,
                              const std::string& title) {
    return OneDialog<std::string>(
        *this, window, [&] { return mdlFile::ShowSave(filter, extension, title, DialogOwner(window)); });
}

const forms::Form* Program::DialogOwner(const forms::Form& window) const {
    // A hidden owner would leave the dialog behind the window in use, with
    // no taskbar button to bring it back, while that window takes clicks.
    if (window.Visible()) return &window;
    const forms::Form* inUse = state_.BasicModeInUse ? basic_.get() : main_.get();
    return inUse && inUse->Visible() ? inUse : nullptr;
}

void Program::ShowFileError(forms::Form& window, std::string_view message) {
    MsgBox(window, std::string(message), MB_OK | MB_ICONEXCLAMATION, std::string(ScriptFile::ErrorTitle));
}

bool Program::WaitAfterDialog(const forms::Form& window, std::int32_t milliseconds) {
    const std::uint32_t starts = state_.Starts;
    mdlTime::Wait(desktop_, milliseconds);
    return InUse(window) && window.Visible() && state_.Starts == starts;
}

bool Program::InUse(const forms::Form& window) const {
    if (&window == basic_.get()) return state_.BasicModeInUse;
    if (&window == main_.get()) return !state_.BasicModeInUse;
    return true;
}

}  // namespace ombrelt::editor
