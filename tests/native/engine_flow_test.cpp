#include <gtest/gtest.h>

#include "automation/ScriptError.h"
#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;
using Texts = std::vector<std::string>;

TEST(EngineFlow, MainRunsAloneAndCallsReturnAfterTheirCall) {
    EngineHost h;
    EXPECT_EQ(h.Run("function(helper);message(helper,normal);call(inner);message(back,normal);endfunction();"
                    "function(main);message(start,normal);call(helper);call(nothing);message(end,normal);"
                    "endfunction();message(after,normal);"
                    "function(inner);message(inner,normal);endfunction();"),
              (Texts{"start", "helper", "inner", "back", "end"}));
    EXPECT_EQ(h.Engine.CallDepth, 0);
    EXPECT_FALSE(h.Engine.IsRunning);  // a finished run is no longer running

    // The recorded layout: a function right after main's "endfunction".
    EngineHost next;
    EXPECT_EQ(next.Run("function(main);call(f);message(back,normal);endfunction();function(f);message(f,normal);"
                       "endfunction();"),
              (Texts{"f", "back"}));

    // Without main: from statement 1 to the end of the script.
    EngineHost plain;
    EXPECT_EQ(plain.Run("message(a,normal);message(b,normal);"), (Texts{"a", "b"}));
}

TEST(EngineFlow, IfElseBlocksNest) {
    EngineHost h;
    EXPECT_EQ(h.Run("function(main);int(a,1);"
                    "if(a=2);message(no1,normal);endif();message(after1,normal);"
                    "if(a=1);message(yes2,normal);else();message(no2,normal);endif();"
                    "if(a=1);if(a=2);message(no3,normal);else();message(inner3,normal);endif();"
                    "message(yes3,normal);else();message(no3b,normal);endif();message(after3,normal);"
                    "if(a=2);if(a=1);message(no4,normal);else();message(no4b,normal);endif();"
                    "else();message(else4,normal);if(a=1);message(yes5,normal);endif();endif();"
                    "endfunction();"),
              (Texts{"after1", "yes2", "inner3", "yes3", "after3", "else4", "yes5"}));
    EXPECT_EQ(h.Engine.IfDepth, 0);
    EXPECT_EQ(h.Engine.IfMatchDepth, 0);
}

TEST(EngineFlow, WhileLoopsNestAndAFalseLoopSkipsItsBody) {
    EngineHost h;
    EXPECT_EQ(h.Run("function(main);int(i,0);string(log,\"\");"
                    "while(i<3);int(j,0);while(j<2);combine(log,i);combine(log,j);add(j,1);endwhile();"
                    "add(i,1);endwhile();"
                    "while(i<0);message(never,normal);while(1=1);endwhile();if(1=1);endif();endwhile();"
                    "message(log,normal);endfunction();"),
              (Texts{"000110112021"}));
    EXPECT_EQ(h.Engine.WhileDepth, 0);
    EXPECT_EQ(h.Engine.WhileMatchDepth, 0);

    // A loop at statement 1: its "endwhile" moves the counter back through 0.
    EngineHost first;
    EXPECT_EQ(first.Run("while(n<>111);add(n,1);message(n,normal);endwhile();"), (Texts{"1", "11", "111"}));
}

TEST(EngineFlow, FlowErrorsEndTheRunWithScriptError) {
    EngineHost h;
    // An "endfunction" with no pending call.
    h.Load("message(a,normal);function(f);endfunction();message(b,normal);");
    EXPECT_THROW(h.Engine.Execute(), ScriptError);
    EXPECT_EQ(h.Texts(), (Texts{"a"}));
    EXPECT_FALSE(h.Engine.IsRunning);
    EXPECT_EQ(h.Engine.CallDepth, 0);
    // A condition that cannot be evaluated.
    h.Load("function(main);if(1<99999999999);endif();message(c,normal);endfunction();");
    EXPECT_THROW(h.Engine.Execute(), ScriptError);
    EXPECT_EQ(h.Texts(), (Texts{"a"}));

    // Whatever a host's handler throws from inside the run arrives as ScriptError.
    h.Load("function(main);message(d,normal);endfunction();");
    h.Desk.OnPump = [] { throw std::runtime_error("host failure"); };
    EXPECT_THROW(h.Engine.Execute(), ScriptError);
    h.Desk.OnPump = [] { throw 42; };
    EXPECT_THROW(h.Engine.Execute(), ScriptError);

    // A scan that finds no target ends the run quietly.
    EngineHost s;
    EXPECT_EQ(s.Run("function(main);if(1=2);message(x,normal);endfunction();"), Texts{});
    EXPECT_EQ(s.Run("message(y,normal);endwhile();message(z,normal);"), Texts{"y"});
}

TEST(EngineFlow, StopAndPauseFromThePumpEndTheRunAndTheNextRunStartsAtMain) {
    EngineHost h;
    h.Load("function(main);message(start,normal);int(n,0);while(1=1);add(n,1);endwhile();endfunction();");
    int pumps = 0;
    h.Desk.OnPump = [&] {
        if (++pumps == 20) h.Engine.StopExecution();
    };
    h.Engine.Execute();
    // Stop moves the counter back to main; its "function" statement runs and the run ends.
    EXPECT_EQ(pumps, 20);
    EXPECT_EQ(h.Engine.CurrentLine, h.Engine.MainStartLine + 1);
    EXPECT_EQ(h.Engine.WhileDepth, 0);
    EXPECT_EQ(h.Engine.GetVariableAsString("n"), "5");

    pumps = 0;
    h.Desk.OnPump = [&] {
        if (++pumps == 4) h.Engine.PauseExecution();
    };
    h.Engine.Execute();
    EXPECT_EQ(h.Texts(), (Texts{"start", "start"}));
    EXPECT_EQ(h.Engine.GetVariableAsString("n"), "0");
    EXPECT_FALSE(h.Engine.IsRunning);
    EXPECT_EQ(h.Engine.CurrentLine, 5);  // a pause leaves the counter where it was

    // A stop inside a called function leaves its return entry in place: the
    // next run's call stacks a second one on top of it.
    h.Load("function(main);call(f);endfunction();function(f);while(1=1);endwhile();endfunction();");
    for (int run = 1; run <= 2; ++run) {
        pumps = 0;
        h.Desk.OnPump = [&] {
            if (++pumps == 10) h.Engine.StopExecution();
        };
        h.Engine.Execute();
        EXPECT_EQ(h.Engine.CallDepth, run);
        EXPECT_EQ(h.Engine.CallStack.at(run), 2);
    }
}

TEST(EngineFlow, ReinitialisingDuringThePumpRunsOneStatementOfTheNewScript) {
    EngineHost h;
    h.Load("function(main);message(old1,normal);message(old2,normal);message(old3,normal);endfunction();");
    int pumps = 0;
    h.Desk.OnPump = [&] {
        if (++pumps != 3) return;
        std::string next = "message(new1,normal);message(new2,normal);";
        h.Engine.StopExecution();
        h.Engine.Initialize(next);
    };
    h.Engine.Execute();
    EXPECT_EQ(h.Texts(), (Texts{"old1", "new1"}));
    EXPECT_FALSE(h.Engine.IsRunning);
}

TEST(EngineFlow, StatementHookRunsBeforeEachStatementOfAWhiteDebugRun) {
    EngineHost h;
    int calls = 0;
    h.Engine.StatementHook = [&] { ++calls; };
    h.Load("function(main);int(i,0);while(i<2);add(i,1);endwhile();endfunction();");
    h.Engine.SetExecuteType(2);
    h.Engine.Execute();
    // function, int, while x3, add x2, endwhile x2; not main's endfunction,
    // which ends the run before the pump.
    EXPECT_EQ(calls, 9);
    EXPECT_EQ(h.Desk.Pumps, 9);
    h.Engine.SetExecuteType(1);
    h.Engine.Execute();
    EXPECT_EQ(calls, 9);
    EXPECT_EQ(h.Engine.ExecuteType, 1);

    // A call runs the callee's "function" statement too: function, call,
    // function, endfunction.
    calls = 0;
    h.Load("function(main);call(f);endfunction();function(f);endfunction();");
    h.Engine.SetExecuteType(2);
    h.Engine.Execute();
    EXPECT_EQ(calls, 4);

    // A run that passes its last statement pumps once more but makes no
    // call for the missing statement.
    calls = 0;
    h.Desk.Pumps = 0;
    h.Load("leftclick();timer();");
    h.Engine.SetExecuteType(2);
    h.Engine.Execute();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(h.Desk.Pumps, 3);
}

TEST(EngineFlow, VariablesKeepTheirValuesFromOneRunToTheNext) {
    EngineHost h;
    h.Load("function(main);add(n,1);add(k,1);message(n,normal);endfunction();");
    h.Engine.Execute();
    h.Engine.Execute();
    // "add" on a new name makes a text variable; the second run appends.
    EXPECT_EQ(h.Texts(), (Texts{"1", "11"}));
}
