#pragma once
// The parameters of one desktop command: the stored texts, copied when the
// command starts (a handler run inside one of its waits may parse a new
// script), and their resolution through the script's variables, one step each.
#include <array>
#include <cstdint>
#include <string>

#include "automation/ScriptError.h"
#include "engine/SC.h"

namespace ombrelt {

class CommandParams {
public:
    CommandParams(SC& sc, std::int32_t line) : sc_(sc) {
        if (line >= 1 && line < static_cast<std::int32_t>(sc.CodeLines.size()))
            stored_ = sc.CodeLines[static_cast<std::size_t>(line)].Param;
    }

    // Parameter k as the statement table holds it, before resolution.
    const std::string& Stored(int k) const { return stored_[static_cast<std::size_t>(k)]; }

    // Resolves parameters 1 to count in order; a resolution that fails leaves
    // its parameter empty and the next one is still resolved.
    void Resolve(int count) {
        for (int k = 1; k <= count; ++k)
            RunStep([&] { resolved_[k] = sc_.GetVariableAsString(stored_[static_cast<std::size_t>(k)]); });
    }

    // Resolved parameter k (p1 to p8).
    std::string& operator[](int k) { return resolved_[static_cast<std::size_t>(k)]; }

private:
    SC& sc_;
    std::array<std::string, 9> stored_;
    std::array<std::string, 9> resolved_;
};

}  // namespace ombrelt
