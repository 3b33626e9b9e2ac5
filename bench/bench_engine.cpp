// The engine's speed: parsing a recorded script (linear, 1 MB under 50 ms)
// and the statement loop (at least 4 million simple statements a second, no
// slower with 1,000 variables than with 10).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "automation/AutomationState.h"
#include "engine/SC.h"
#include "tests/support/FakeDesktop.h"

namespace {

using ombrelt::AutomationState;
using ombrelt::SC;

// A host whose pump has nothing to do.
class QuietDesktop : public ombrelt::testing::FakeDesktop {
public:
    void PumpIfDue() override {}
};

// A script as the recorder writes it, of about the given size.
std::string RecordedScript(std::size_t bytes) {
    std::string s = "Function(Main);\r\nOrigionalPlayTime(125.250);\r\nSetPausePercent(100);\r\n\r\n";
    for (int i = 0; s.size() < bytes; ++i) {
        std::string x = std::to_string(100 + i % 900), y = std::to_string(200 + i % 500);
        s += "Pause(" + std::to_string(i % 1000) + ");\r\n";
        switch (i % 4) {
        case 0: s += "MoveMouse(" + x + "," + y + ");\r\n"; break;
        case 1: s += "LeftDownEx(" + x + "," + y + ");\r\n"; break;
        case 2: s += "LeftUpEx(" + x + "," + y + ");\r\n"; break;
        default: s += "KeyDown(" + std::to_string(65 + i % 26) + ");\r\n"; break;
        }
    }
    return s + "Pause(10);\r\n\r\nEndFunction();";
}

// Parsing again into an engine that already holds a script of that size.
void BM_ParseRecordedScript(benchmark::State& state) {
    AutomationState automation;
    QuietDesktop desktop;
    SC engine(automation, desktop);
    const std::string script = RecordedScript(static_cast<std::size_t>(state.range(0)));
    std::string warm = script;
    engine.Initialize(warm);
    for (auto _ : state) {
        std::string text = script;
        engine.Initialize(text);
        benchmark::DoNotOptimize(engine.LineCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(script.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseRecordedScript)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->Complexity();

// The first parse of a fresh engine, which also pays for the table's memory.
void BM_ParseRecordedScriptCold(benchmark::State& state) {
    AutomationState automation;
    QuietDesktop desktop;
    const std::string script = RecordedScript(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto engine = std::make_unique<SC>(automation, desktop);
        std::string text = script;
        engine->Initialize(text);
        benchmark::DoNotOptimize(engine->LineCount);
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(script.size()));
}
BENCHMARK(BM_ParseRecordedScriptCold)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// A while loop of "add" statements; the argument is the number of other
// variables that exist beside the loop's own.
void BM_WhileAddLoop(benchmark::State& state) {
    AutomationState automation;
    QuietDesktop desktop;
    SC engine(automation, desktop);
    const int extra = static_cast<int>(state.range(0));
    const int passes = 10000, adds = 8;
    std::string script = "function(main);";
    for (int i = 0; i < extra; ++i) script += "int(var" + std::to_string(i) + "," + std::to_string(i) + ");";
    script += "int(i,0);int(total,0);while(i<" + std::to_string(passes) + ");";
    for (int k = 0; k < adds; ++k) script += "add(total," + std::to_string(k + 1) + ");";
    script += "add(i,1);endwhile();endfunction();";
    engine.Initialize(script);
    // Each pass runs the while, the adds, the counter's add and the endwhile.
    const std::int64_t statementsPerRun = std::int64_t{passes} * (adds + 3) + extra + 4;
    for (auto _ : state) engine.Execute();
    state.SetItemsProcessed(state.iterations() * statementsPerRun);
}
BENCHMARK(BM_WhileAddLoop)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
