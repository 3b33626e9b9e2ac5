#pragma once
// An engine on a fake desktop, as the engine tests use it.
#include <string>

#include "automation/AutomationState.h"
#include "engine/SC.h"
#include "support/FakeDesktop.h"

namespace ombrelt::testing {

struct EngineHost {
    AutomationState State;
    FakeDesktop Desk;
    SC Engine{State, Desk};

    // Parses a script; returns the cleaned text.
    std::string Load(std::string script) {
        Engine.Initialize(script);
        return script;
    }
    // Parses and runs a script; returns the texts of the message boxes shown.
    std::vector<std::string> Run(std::string script) {
        Load(std::move(script));
        Engine.Execute();
        return Texts();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (auto& box : Desk.Boxes) out.push_back(box.Text);
        return out;
    }
    const CodeLine& Line(int i) const { return Engine.CodeLines.at(i); }
};

}  // namespace ombrelt::testing
