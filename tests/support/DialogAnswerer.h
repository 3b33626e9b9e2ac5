#pragma once
// Answers the modal dialogs (message boxes, file dialogs) that a process
// shows (this one unless told otherwise), from a thread of its own, one
// answer per dialog in order, and records what each dialog said.
#include "automation/win32/WinApi.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ombrelt::testing {

class DialogAnswerer {
public:
    struct Seen {
        std::string Title;
        std::string Text;  // a message box's message
    };

    explicit DialogAnswerer(DWORD processId = GetCurrentProcessId())
        : process_(processId), thread_([this] { Run(); }) {}
    ~DialogAnswerer() {
        stop_ = true;
        thread_.join();
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Runs on the answering thread while a dialog is up, before its answer.
    using While = std::function<void(HWND dialog)>;

    // The next dialog is answered with this button (IDOK, IDYES, IDNO, IDCANCEL).
    void Press(int button, While during = {}) { Add({button, {}, false, std::move(during)}); }
    // The next dialog is a file dialog: this name is typed and OK pressed.
    void Choose(const std::string& path, While during = {}) { Add({IDOK, path, true, std::move(during)}); }

    std::vector<Seen> Dialogs() const {
        std::lock_guard lock(mutex_);
        return seen_;
    }
    bool AllAnswered() const {
        std::lock_guard lock(mutex_);
        return next_ == answers_.size();
    }
    // Waits until every answer was given and its dialog has gone.
    bool WaitAllAnswered(DWORD limitMs) const {
        const DWORD start = GetTickCount();
        while (!AllAnswered() || FindDialog()) {
            if (GetTickCount() - start > limitMs) return false;
            Sleep(10);
        }
        return true;
    }

private:
    struct Answer {
        int Button;
        std::string Path;
        bool IsFile;
        While During;
    };
    struct Search {
        DWORD process;
        HWND found;
    };

    void Add(Answer answer) {
        std::lock_guard lock(mutex_);
        answers_.push_back(std::move(answer));
    }

    static std::string TextOf(HWND window) {
        char buffer[2048] = {};
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }

    HWND FindDialog() const {
        Search search{process_, nullptr};
        EnumWindows(IsDialogOf, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    static BOOL CALLBACK IsDialogOf(HWND window, LPARAM param) {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char cls[16] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (owner == s.process && std::string(cls) == "#32770" && IsWindowVisible(window)) {
            s.found = window;
            return FALSE;
        }
        return TRUE;
    }

    // The longest static text of a message box is its message.
    static std::string MessageOf(HWND box) {
        std::string text;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char cls[16] = {};
            GetClassNameA(child, cls, sizeof cls);
            if (_stricmp(cls, "Static") != 0) continue;
            const std::string t = TextOf(child);
            if (t.size() > text.size()) text = t;
        }
        return text;
    }

    // The file name box: the one edit field of a file dialog.
    static HWND FileNameBox(HWND dialog) {
        HWND found = nullptr;
        EnumChildWindows(dialog, IsVisibleEdit, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static BOOL CALLBACK IsVisibleEdit(HWND child, LPARAM param) {
        char cls[16] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (_stricmp(cls, "Edit") != 0 || !IsWindowVisible(child)) return TRUE;
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }

    void Run() {
        while (!stop_) {
            HWND dialog = FindDialog();
            if (!dialog) {
                Sleep(10);
                continue;
            }
            Sleep(50);  // let it finish setting itself up
            Answer answer{IDCANCEL, {}, false, {}};
            {
                std::lock_guard lock(mutex_);
                seen_.push_back({TextOf(dialog), MessageOf(dialog)});
                if (next_ < answers_.size()) answer = answers_[next_++];
            }
            if (answer.During) answer.During(dialog);
            if (answer.IsFile) {
                if (HWND box = FileNameBox(dialog))
                    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.Path.c_str()));
            }
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer.Button, BN_CLICKED), 0);
            for (int i = 0; i < 500 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) Sleep(10);
        }
    }

    const DWORD process_;
    mutable std::mutex mutex_;
    std::vector<Answer> answers_;
    std::size_t next_ = 0;
    std::vector<Seen> seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace ombrelt::testing
