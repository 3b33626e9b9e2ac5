#include "forms/Application.h"

#include "automation/win32/WinApi.h"

#include "forms/Form.h"

namespace ombrelt::forms {

namespace {

std::string ModuleFileName() {
    std::string name(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return {};
        if (n < name.size()) {
            name.resize(n);
            return name;
        }
        name.resize(name.size() * 2);  // truncated: a long path
    }
}

}  // namespace

Application::Application() {
    const std::string file = ModuleFileName();
    const auto slash = file.find_last_of("\\/");
    path_ = slash == std::string::npos ? std::string() : file.substr(0, slash);
    while (!path_.empty() && (path_.back() == '\\' || path_.back() == '/')) path_.pop_back();
    exeName_ = slash == std::string::npos ? file : file.substr(slash + 1);
    const auto dot = exeName_.rfind('.');
    if (dot != std::string::npos) exeName_.resize(dot);
}

void Application::SetTaskVisible(bool visible) {
    taskVisible_ = visible;
    for (Form* form : forms_) form->ApplyTaskVisible(visible);
}

void Application::End(int exitCode) {
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace ombrelt::forms
