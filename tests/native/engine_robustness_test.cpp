// Random and mutated scripts through Initialize and Execute: no crash, no
// leak (the sanitizers watch), no error but ScriptError out of a run, and no
// input whose cost grows faster than its length (the large cases would time out).
#include <gtest/gtest.h>

#include <random>

#include "automation/ScriptError.h"
#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;

namespace {

const char* const Keywords[] = {
    "call", "function", "endfunction", "if", "else", "endif", "while", "endwhile", "string", "int",
    "double", "set", "add", "subtract", "divide", "multiply", "power", "tan", "cos", "sin", "log",
    "factorial", "message", "parse", "combine", "removeall", "replace", "for", "timer", "msgbox",
    "leftclick", "pause", "setpausepercent", "ignorepauses", "frob", "", "Function", "IF",
};

const char* const Tokens[] = {
    "a", "b", "x", "main", "f1", "0", "1", "-3", "2.5", "7x", "99999999999", "1e3", "1e400", "0x48 69",
    "\"0x4\"", "\"q,r\"", "\"", "\"\"", "lx", "ly", "$x", "x<5", "a=b", "1<>2", "==", "\"a=b\"", "a>=b",
    "b!=1", "normal", "critical", "32767", "-32768", "40000", "", " ", "#", ";", "(", ")", "\t", "\n",
};

class ScriptMaker {
public:
    explicit ScriptMaker(unsigned seed) : rng_(seed) {}

    std::string Random() {
        std::string s;
        bool withMain = Pick(2) == 0;
        if (withMain) s += "Function(Main);\n";
        int statements = 1 + Pick(40);
        for (int i = 0; i < statements; ++i) {
            s += Keywords[Pick(std::size(Keywords))];
            if (Pick(10) == 0) s += ' ';
            s += '(';
            int params = Pick(11);
            for (int k = 0; k < params; ++k) {
                if (k > 0) s += ',';
                s += Tokens[Pick(std::size(Tokens))];
            }
            s += Pick(20) == 0 ? "" : ")";
            s += Pick(20) == 0 ? "" : ";";
            if (Pick(5) == 0) s += "\r\n";
        }
        if (withMain) s += "EndFunction();function(f1);add(a,1);endfunction();";
        return s;
    }

    std::string Mutate(std::string s) {
        int edits = 1 + Pick(8);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            std::size_t at = Pick(s.size());
            switch (Pick(5)) {
            case 0: s.erase(at, Pick(8)); break;
            case 1: s.insert(at, 1, static_cast<char>(Pick(256))); break;
            case 2: s.insert(at, 1, "#\";(),"[Pick(6)]); break;
            case 3: s.insert(at, s.substr(at, Pick(40))); break;
            default: s[at] = static_cast<char>(Pick(256)); break;
            }
        }
        return s;
    }

    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

private:
    std::mt19937 rng_;
};

// Parses and runs one script with a cap on the statements run; a run that
// reaches the cap is stopped from the pump, as a host's Stop would.
void ParseAndRun(EngineHost& h, std::string script, int stepCap, const std::string* replacement = nullptr) {
    int steps = 0;
    h.Desk.OnPump = [&] {
        if (++steps == stepCap / 2 && replacement) {
            // The editor's play hot key: stop and load another script mid-run.
            std::string next = *replacement;
            h.Engine.StopExecution();
            h.Engine.Initialize(next);
        }
        if (steps >= stepCap) h.Engine.StopExecution();
    };
    h.Engine.Initialize(script);
    SC& sc = h.Engine;
    ASSERT_EQ(sc.CodeLines.size(), static_cast<std::size_t>(std::max(sc.LineCount, 1) + 1));
    ASSERT_EQ(sc.Functions.size(), static_cast<std::size_t>(sc.FunctionCount + 1));
    ASSERT_GE(sc.MainStartLine, 1);
    try {
        sc.Execute();
        sc.Execute();  // a second run starts again at main
    } catch (const ScriptError&) {
        // A flow error ends the run; that is a defined outcome.
    }
    EXPECT_FALSE(sc.GetDebug().empty());
    sc.PrintDebug();
    h.Desk.OnPump = nullptr;
}

}  // namespace

TEST(EngineRobustness, RandomAndMutatedScriptsNeverCrash) {
    ScriptMaker maker(20240611);
    EngineHost h;
    h.State.SizeTables();
    for (int i = 0; i < 1500; ++i) {
        std::string script = maker.Random();
        ParseAndRun(h, script, 200);
        std::string mutated = maker.Mutate(script);
        if (i % 10 == 0) {
            std::string other = maker.Random();
            ParseAndRun(h, mutated, 200, &other);
        } else {
            ParseAndRun(h, mutated, 200);
        }
        if (::testing::Test::HasFatalFailure()) FAIL() << "script: " << mutated;
    }
}

TEST(EngineRobustness, LargeDegenerateScriptsStayLinear) {
    EngineHost h;
    const std::size_t n = 200000;
    // One endless statement; parentheses that never close; a list of commas.
    ParseAndRun(h, std::string(n * 5, 'a'), 100);
    ParseAndRun(h, std::string(n * 5, '('), 100);
    ParseAndRun(h, "f(" + std::string(n * 5, ',') + ");", 100);
    ParseAndRun(h, std::string(n * 5, ';'), 100);
    ParseAndRun(h, "#" + std::string(n * 5, 'x'), 100);

    // Flow statements whose scans would cost the script's length each time.
    auto repeat = [](const std::string& s, std::size_t count) {
        std::string out;
        for (std::size_t i = 0; i < count; ++i) out += s;
        return out;
    };
    ParseAndRun(h, repeat("if(1=2);", n / 4), 100000);
    ParseAndRun(h, repeat("endwhile();", n / 4), 100000);
    ParseAndRun(h, repeat("else();", n / 4), 100000);
    ParseAndRun(h, "while(1=2);" + repeat("while(1=1);", n / 4) + repeat("endwhile();", n / 4) + "endwhile();",
                100000);
    ParseAndRun(h, "function(main);call(main);endfunction();", 100000);
    EXPECT_GT(h.Engine.CallDepth, 1000);
}
