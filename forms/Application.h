#pragma once
// The application object: where the program lives, its title and whether it
// appears in the task list. One per program, made at start-up.
#include <string>
#include <vector>

namespace ombrelt::forms {

class Form;

class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The program's folder without a trailing separator, also at a drive
    // root ("C:"), so that Path() + "\\" + name is always a valid path.
    const std::string& Path() const { return path_; }
    // The executable's file name without its extension.
    const std::string& EXEName() const { return exeName_; }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Hidden from the task list: the program's forms become tool windows,
    // which have no task-bar button and no Alt+Tab entry. A program without
    // forms creates no window for this.
    bool TaskVisible() const { return taskVisible_; }
    void SetTaskVisible(bool visible);

    // Ends the process at once, wherever it is called from (inside a run,
    // a wait or a handler): the player has nothing to save or close.
    [[noreturn]] void End(int exitCode = 0);

private:
    friend class Form;  // forms enrol themselves for their life
    std::vector<Form*> forms_;
    std::string path_;
    std::string exeName_;
    std::string title_;
    bool taskVisible_ = true;
};

}  // namespace ombrelt::forms
