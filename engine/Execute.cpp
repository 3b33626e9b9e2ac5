// The statement loop and the flow statements (call, function, endfunction,
// if, else, endif, while, endwhile).
#include "automation/ScriptError.h"
#include "engine/SC.h"

namespace ombrelt {

void SC::SetExecuteType(std::int16_t type) { ExecuteType = type; }

void SC::StopExecution() {
    IsRunning = false;
    CurrentLine = MainStartLine;
    IfDepth = IfMatchDepth = WhileDepth = WhileMatchDepth = 0;
}

void SC::PauseExecution() { IsRunning = false; }

void SC::Execute() {
    StopExecution();
    IsRunning = true;
    // However the run ends, it is no longer running: a wait or a host that
    // asks the flag afterwards must not take the run for a live one.
    struct RunEnds {
        bool& running;
        ~RunEnds() { running = false; }
    } runEnds{IsRunning};
    try {
        for (;;) {
            if (CurrentLine == MainEndLine) return;  // main's endfunction is not executed
            // The host's timers may stop, pause or even re-initialise the
            // engine in here; nothing of the script is held across it.
            desktop_.PumpIfDue();
            if (CurrentLine < 1 || CurrentLine > LineCount) return;
            if (ExecuteType == 2 && StatementHook) {
                StatementHook();
                if (CurrentLine < 1 || CurrentLine > LineCount) return;
            }
            const CodeLine& line = CodeLines[CurrentLine];
            if (line.ID >= CommandId::Call && line.ID <= CommandId::EndWhile) {
                if (!RunLine(line.ID, line.Param[1])) return;
            } else {
                ExecuteInternalFunction();
            }
            ++CurrentLine;
            if (!IsRunning) return;
        }
    } catch (const ScriptError&) {
        throw;
    } catch (const std::exception& e) {
        // Whatever ends a run reaches the host as the one error type.
        throw ScriptError(e.what());
    } catch (...) {
        throw ScriptError("Unknown error");
    }
}

// One flow statement; false when the run ends here (a scan found no target).
bool SC::RunLine(std::int32_t id, const std::string& p1) {
    switch (id) {
    case CommandId::Call: {
        auto it = functionIndex_.find(p1);
        if (it == functionIndex_.end()) return true;
        ++CallDepth;
        if (CallStack.size() <= static_cast<std::size_t>(CallDepth)) CallStack.resize(CallDepth + 1);
        CallStack[CallDepth] = CurrentLine;
        // The callee's "function" statement runs next (it does nothing), so
        // it is pumped before and counted by the hook like any statement.
        CurrentLine = Functions[it->second].Line - 1;
        return true;
    }
    case CommandId::Function: return true;
    case CommandId::EndFunction:
        if (CallDepth < 1) throw ScriptError("endfunction without a pending call");
        CurrentLine = CallStack[CallDepth];
        --CallDepth;
        CallStack.resize(CallDepth + 1);
        return true;
    case CommandId::If:
        IfMatchDepth = ++IfDepth;
        if (Evaluate(p1)) return true;
        return ScanIfForward(true);
    case CommandId::Else: return ScanIfForward(false);
    case CommandId::EndIf:
        IfMatchDepth = --IfDepth;
        return true;
    case CommandId::While:
        WhileMatchDepth = ++WhileDepth;
        if (Evaluate(p1)) return true;
        return ScanWhileForward();
    case CommandId::EndWhile: return ScanWhileBackward();
    default: return true;
    }
}

// From the statement after the current one to this block's "endif" (or, when
// elseIsTarget, its "else"), counting nested blocks. Continues after the
// target; an "endif" target closes the block.
bool SC::ScanIfForward(bool elseIsTarget) {
    for (std::int32_t i = CurrentLine + 1; i <= LineCount; ++i) {
        switch (CodeLines[i].ID) {
        case CommandId::If: ++IfDepth; break;
        case CommandId::Else:
            if (elseIsTarget && IfDepth == IfMatchDepth) {
                CurrentLine = i;
                return true;
            }
            break;
        case CommandId::EndIf:
            if (IfDepth == IfMatchDepth) {
                CurrentLine = i;
                IfMatchDepth = --IfDepth;
                return true;
            }
            --IfDepth;
            break;
        default: break;
        }
    }
    return false;
}

// From the statement after a false "while" to its "endwhile"; continues after it.
bool SC::ScanWhileForward() {
    for (std::int32_t i = CurrentLine + 1; i <= LineCount; ++i) {
        switch (CodeLines[i].ID) {
        case CommandId::While: ++WhileDepth; break;
        case CommandId::EndWhile:
            if (WhileDepth == WhileMatchDepth) {
                CurrentLine = i;
                WhileMatchDepth = --WhileDepth;
                return true;
            }
            --WhileDepth;
            break;
        default: break;
        }
    }
    return false;
}

// From the statement before an "endwhile" back to its "while", which then
// runs again (and raises the counters that this lowers).
bool SC::ScanWhileBackward() {
    for (std::int32_t i = CurrentLine - 1; i >= 1; --i) {
        switch (CodeLines[i].ID) {
        case CommandId::EndWhile: --WhileDepth; break;
        case CommandId::While:
            if (WhileDepth == WhileMatchDepth) {
                CurrentLine = i - 1;
                WhileMatchDepth = --WhileDepth;
                return true;
            }
            ++WhileDepth;
            break;
        default: break;
        }
    }
    return false;
}

}  // namespace ombrelt
