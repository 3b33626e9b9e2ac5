#pragma once
// One run's tick: held while a play, correction or White Debug timer's
// handler runs the engine, so that no other run starts inside it.
#include <cstdint>

#include "editor/EditorState.h"

namespace ombrelt::editor {

class RunTick {
public:
    explicit RunTick(EditorState& state)
        : state_(state), entered_(!state.RunTickActive), starts_(state.Starts) {
        if (entered_) state_.RunTickActive = true;
    }
    ~RunTick() {
        if (entered_) state_.RunTickActive = false;
    }
    RunTick(const RunTick&) = delete;
    RunTick& operator=(const RunTick&) = delete;

    // False when another run's tick is still under way: this tick must do
    // nothing and let its timer try again.
    bool Entered() const { return entered_; }
    // A newer run was started, or a recording, since this tick began.
    bool Superseded() const { return state_.Starts != starts_; }

private:
    EditorState& state_;
    bool entered_;
    std::uint32_t starts_;
};

}  // namespace ombrelt::editor
