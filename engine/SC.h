#pragma once
// The script engine: cleans and parses a script into statements and
// functions, keeps the script's typed variables, and runs the statements from
// the main function, handing desktop commands to the automation primitives.
// The host owns one object for the program's life; a test makes a fresh one.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/AutomationState.h"
#include "automation/Desktop.h"
#include "engine/CommandIds.h"
#include "engine/VariableStore.h"

namespace ombrelt {

// One statement: its command ID and parameters 1 to 8 (element 0 unused).
struct CodeLine {
    std::int32_t ID = 0;
    std::array<std::string, 9> Param;
};

// One "function" statement: its name and statement number.
struct FunctionEntry {
    std::string Name;
    std::int32_t Line = 0;
};

class SC {
public:
    // Variable type codes (the same numbers as the declaring statements).
    static constexpr std::int32_t TypeString = 8;
    static constexpr std::int32_t TypeLong = 9;
    static constexpr std::int32_t TypeDouble = 10;
    // Operations of AddSetVariable (the same numbers as the statements).
    static constexpr std::int32_t OpSet = 11;
    static constexpr std::int32_t OpAdd = 12;
    static constexpr std::int32_t OpSubtract = 13;
    static constexpr std::int32_t OpDivide = 14;
    static constexpr std::int32_t OpMultiply = 15;
    static constexpr std::int32_t OpPower = 16;
    // Longest text a variable may hold; longer results fail their step, so a
    // script that keeps doubling a text cannot exhaust the program's memory.
    static constexpr std::size_t MaxTextLength = std::size_t{64} << 20;

    SC(AutomationState& state, Desktop& desktop);
    SC(const SC&) = delete;
    SC& operator=(const SC&) = delete;

    // Parsing. The caller's text is replaced by its cleaned form; the tables
    // and the variables are replaced; the run flag ends false.
    void Initialize(std::string& text);

    // Debug listing of statements, functions and variables.
    void PrintDebug() const;
    std::string GetDebug() const;

    // Runs from the main function until its end; a flow error (endfunction
    // with no pending call, a condition that cannot be evaluated) ends the run
    // by throwing ScriptError.
    void Execute();
    void StopExecution();
    void PauseExecution();
    void SetExecuteType(std::int16_t type);

    // The command tables.
    std::int32_t ReturnFunctionID(std::string_view functionName) const;
    std::string ReturnFunctionName(std::int32_t id) const;
    std::int32_t ReturnExternalFunctionID(std::string_view functionName) const;
    std::string ReturnExternalName(std::int32_t id) const;

    // Conditions: left operand, one comparison operator, right operand.
    bool Evaluate(const std::string& condition);

    // Variables and values.
    void AddSetVariable(const std::string& name, std::int32_t type, std::int32_t operation);
    void GetVariable(const std::string& name);  // fills the scratch value
    std::string GetVariableAsString(const std::string& name) const;
    bool IsExistingVariable(const std::string& name) const;
    std::string HextoAsciiNS(std::string& text) const;  // removes the caller's spaces too

    // Desktop commands (IDs 100 to 157); never throws.
    void ExecuteExternalFunction(std::int32_t id, std::int32_t line);

    // What the engine uses of its host.
    AutomationState& State() const { return state_; }
    Desktop& Host() const { return desktop_; }

    std::int32_t StringVariableCount() const { return StringVariables.Count(); }
    std::int32_t LongVariableCount() const { return LongVariables.Count(); }
    std::int32_t DoubleVariableCount() const { return DoubleVariables.Count(); }

    // Optional host notifications: before each statement of an execute-type-2
    // run; and with the text of "setpausepercent" under execute types 1 and 2.
    std::function<void()> StatementHook;
    std::function<void(const std::string& text, std::int16_t executeType)> PausePercentHook;

    // Parsed script: element 0 of both tables is unused.
    std::vector<CodeLine> CodeLines;
    std::vector<FunctionEntry> Functions;
    std::vector<std::int32_t> CallStack;  // return statement numbers, 1 to CallDepth
    std::int32_t CallDepth = 0;
    std::int16_t ExecuteType = 0;  // 0 plain, 1 timed correction, 2 White Debug

    VariableStore<StringVariable> StringVariables;
    VariableStore<LongVariable> LongVariables;
    VariableStore<DoubleVariable> DoubleVariables;

    // The scratch value: ScratchType says which of the three holds it.
    std::string ScratchString;
    std::int32_t ScratchLong = 0;
    double ScratchDouble = 0.0;
    std::int32_t ScratchType = 0;

    std::int32_t FunctionCount = 0;
    std::int32_t LineCount = 0;
    std::int32_t MainStartLine = 0;
    std::int32_t MainEndLine = 0;
    bool IsRunning = false;
    std::int32_t CurrentLine = 0;
    std::int32_t IfDepth = 0;
    std::int32_t IfMatchDepth = 0;
    std::int32_t WhileDepth = 0;
    std::int32_t WhileMatchDepth = 0;

private:
    // Parse.cpp
    static std::string CleanCode(std::string_view text);
    static std::string RemoveLineBreaks(std::string_view text);
    void AddStatement(std::string_view statement, std::int32_t& functionStatements,
                      std::int32_t& mainNumber);

    // Execute.cpp
    bool RunLine(std::int32_t id, const std::string& p1);
    bool ScanIfForward(bool elseIsTarget);
    bool ScanWhileForward();
    bool ScanWhileBackward();

    // InternalStatements.cpp
    void ExecuteInternalFunction();
    void ShowMessage(const std::string& text, const std::string& style, const std::string& title);

    // Variables.cpp
    void SetScratchFromLiteral(const std::string& name);

    AutomationState& state_;
    Desktop& desktop_;
    std::unordered_map<std::string, std::int32_t> functionIndex_;  // first entry of each name
};

}  // namespace ombrelt
