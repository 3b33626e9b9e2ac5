#pragma once
// The one error type of the engine and the primitives. A failed step raises
// it; the step guard (RunStep) swallows it, and a flow error carries it out
// of SC::Execute to the host, which ends the run and goes on.
#include <stdexcept>
#include <string>

namespace ombrelt {

class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const std::string& what) : std::runtime_error(what) {}
};

// Runs one step of a command; a step that fails is skipped and the command
// goes on with the next one. Returns whether the step completed.
template <class F>
bool RunStep(F&& step) noexcept {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace ombrelt
