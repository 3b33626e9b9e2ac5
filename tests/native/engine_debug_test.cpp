#include <gtest/gtest.h>

#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;

TEST(EngineDebug, ListingOfAnEmptyScript) {
    EngineHost h;
    h.Load("");
    EXPECT_EQ(h.Engine.GetDebug(),
              "Printing Code:\r\n\r\nPrinting Found Functions:\r\n\r\nPrinting Found Variables:\r\n\r\n\r\n\r\n");
}

TEST(EngineDebug, ListingShowsStatementsFunctionsAndVariablesByteForByte) {
    EngineHost h;
    const std::string script =
        "Function(Main);LeftClick();f(1,2,3,4,5,6,7,8);Call(Sub);EndFunction();"
        "function(sub);string(s,\"a b\");int(n,-4);double(d,2.5);double(w,3);frob(x);endfunction();";
    h.Load(script);
    const std::string code =
        "Printing Code:\r\n"
        "Command: function; Parameters: main      \r\n"
        "Command: leftclick; Parameters:       \r\n"
        "Command: UNKNOWN COMMAND; Parameters: 1 2 3 4 5 6 7\r\n"
        "Command: call; Parameters: sub      \r\n"
        "Command: endfunction; Parameters:       \r\n"
        "Command: function; Parameters: sub      \r\n"
        "Command: string; Parameters: s \"a b\"     \r\n"
        "Command: int; Parameters: n -4     \r\n"
        "Command: double; Parameters: d 2.5     \r\n"
        "Command: double; Parameters: w 3     \r\n"
        "Command: UNKNOWN COMMAND; Parameters: x      \r\n"
        "Command: endfunction; Parameters:       \r\n"
        "\r\nPrinting Found Functions:\r\n"
        "Function: main, line: 1\r\n"
        "Function: sub, line: 6\r\n"
        "\r\nPrinting Found Variables:\r\n";
    EXPECT_EQ(h.Engine.GetDebug(), code + "\r\n\r\n\r\n");

    h.Engine.Execute();
    EXPECT_EQ(h.Engine.GetDebug(), code +
                                       "String: s, value: a b\r\n"
                                       "Long: n, value: -4\r\n"
                                       "Double: d, value: 2.5\r\n"
                                       "Double: w, value: 3\r\n"
                                       "\r\n\r\n\r\n");
    h.Engine.PrintDebug();  // silent

    // Initialize empties the variables; the listing then shows code and functions only.
    h.Load(script);
    EXPECT_EQ(h.Engine.GetDebug(), code + "\r\n\r\n\r\n");
}

TEST(EngineDebug, DoublesAreListedInTheirShortTextForm) {
    EngineHost h;
    h.Run("function(main);double(a,5700);divide(a,43);double(b,0.1);add(b,0.2);double(c,1.0e20);endfunction();");
    EXPECT_TRUE(h.Engine.GetDebug().ends_with("Printing Found Variables:\r\n"
                                              "Double: a, value: 132.558139534884\r\n"
                                              "Double: b, value: 0.3\r\n"
                                              "Double: c, value: 1E+20\r\n"
                                              "\r\n\r\n\r\n"))
        << h.Engine.GetDebug();
}
