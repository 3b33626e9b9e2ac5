#include <gtest/gtest.h>

#include "automation/ScriptError.h"
#include "engine_host.h"

using namespace ombrelt;
using ombrelt::testing::EngineHost;

namespace {

struct Scratch {
    std::int32_t Type;
    std::string Text;
    std::int32_t Long;
    double Double;
};

Scratch Resolve(SC& sc, const std::string& name) {
    sc.GetVariable(name);
    return {sc.ScratchType, sc.ScratchString, sc.ScratchLong, sc.ScratchDouble};
}

}  // namespace

TEST(EngineVariables, ParametersResolveIntoTheScratchValue) {
    EngineHost h;
    SC& sc = h.Engine;
    h.Load("function(main);string(x,\"text\");int(x,5);int(n,7);double(d,2.5);endfunction();");
    sc.Execute();
    // One name in two stores: the text store is searched first.
    EXPECT_EQ(Resolve(sc, "x").Type, 8);
    EXPECT_EQ(Resolve(sc, "x").Text, "text");
    EXPECT_EQ(Resolve(sc, "n").Long, 7);
    EXPECT_EQ(Resolve(sc, "d").Double, 2.5);
    EXPECT_EQ(Resolve(sc, "d").Type, 10);

    // Literals: numbers with and without a point, words, quoted text, hexadecimal.
    EXPECT_EQ(Resolve(sc, "7").Type, 9);
    EXPECT_EQ(Resolve(sc, "-7").Long, -7);
    EXPECT_EQ(Resolve(sc, "2.5").Type, 10);
    EXPECT_EQ(Resolve(sc, "7x").Type, 8);
    EXPECT_EQ(Resolve(sc, "\"12\"").Type, 8);
    EXPECT_EQ(Resolve(sc, "\"12\"").Text, "12");
    EXPECT_EQ(Resolve(sc, "0x4869").Text, "Hi");
    EXPECT_EQ(Resolve(sc, "\"0x48 69\"").Text, "Hi");
    EXPECT_EQ(Resolve(sc, "\"").Text, "");
    // The empty name is element 0 of the text store.
    EXPECT_EQ(Resolve(sc, "").Type, 8);
    EXPECT_EQ(Resolve(sc, "").Text, "");

    // lx and ly read the shared last found point, never a variable.
    h.State.LastFoundX = -12;
    h.State.LastFoundY = 345;
    h.Run("function(main);int(lx,1);endfunction();");
    EXPECT_EQ(Resolve(sc, "lx").Type, 9);
    EXPECT_EQ(Resolve(sc, "lx").Long, -12);
    EXPECT_EQ(Resolve(sc, "ly").Long, 345);

    // A number outside the 32-bit range fails and leaves the scratch as it was.
    sc.GetVariable("n");
    sc.GetVariable("7");
    EXPECT_THROW(sc.GetVariable("2147483648"), ScriptError);
    EXPECT_EQ(sc.ScratchType, 9);
    EXPECT_EQ(sc.ScratchLong, 7);
}

TEST(EngineVariables, ParametersResolveIntoText) {
    EngineHost h;
    SC& sc = h.Engine;
    h.State.LastFoundX = 40;
    h.Run("function(main);string(s,\"a b\");int(n,-3);double(d,0.5);double(w,125);endfunction();");
    EXPECT_EQ(sc.GetVariableAsString("s"), "a b");
    EXPECT_EQ(sc.GetVariableAsString("n"), "-3");
    EXPECT_EQ(sc.GetVariableAsString("d"), "0.5");
    EXPECT_EQ(sc.GetVariableAsString("w"), "125");
    EXPECT_EQ(sc.GetVariableAsString("\"s\""), "s");
    EXPECT_EQ(sc.GetVariableAsString("\"0x41\""), "0x41");  // no decoding here
    EXPECT_EQ(sc.GetVariableAsString("lx"), "40");
    EXPECT_EQ(sc.GetVariableAsString("$lx"), "lx");
    EXPECT_EQ(sc.GetVariableAsString("$s"), "s");
    EXPECT_EQ(sc.GetVariableAsString("other"), "other");
    EXPECT_EQ(sc.GetVariableAsString(""), "");

    EXPECT_TRUE(sc.IsExistingVariable("s"));
    EXPECT_TRUE(sc.IsExistingVariable("d"));
    EXPECT_TRUE(sc.IsExistingVariable(""));
    EXPECT_FALSE(sc.IsExistingVariable("other"));
    EXPECT_FALSE(sc.IsExistingVariable("lx"));
}

TEST(EngineVariables, HexadecimalTextDecodesPairs) {
    EngineHost h;
    std::string text = "48 69 2";
    EXPECT_EQ(h.Engine.HextoAsciiNS(text), std::string("Hi\x02"));
    EXPECT_EQ(text, "48692");  // the caller's spaces are gone too
    std::string partial = "4z7a20";  // leading digits of each pair: 4, 7a, 20
    EXPECT_EQ(h.Engine.HextoAsciiNS(partial), std::string("\x04z"));
    std::string spaces = "2041 20";
    EXPECT_EQ(h.Engine.HextoAsciiNS(spaces), "A");
    std::string none = "zz";
    EXPECT_EQ(h.Engine.HextoAsciiNS(none), std::string(1, '\0'));
}

namespace {

// One cell of the operation tables: a variable of some type and value, the
// scratch value, the operation, and the value the variable ends with.
struct Cell {
    std::int32_t VarType;
    std::string Initial;
    std::int32_t ScratchType;
    std::string Scratch;
    std::int32_t Op;
    std::string Expected;
};

void Prepare(SC& sc, std::int32_t type, const std::string& value) {
    if (type == 8) sc.ScratchString = value;
    if (type == 9) sc.ScratchLong = std::stoi(value);
    if (type == 10) sc.ScratchDouble = std::stod(value);
    sc.ScratchType = type;
}

}  // namespace

TEST(EngineVariables, OperationTables) {
    const Cell cells[] = {
        // Text variable.
        {8, "hello", 8, "xy", 11, "xy"},       {8, "hello", 8, "xy", 12, "helloxy"},
        {8, "hello", 8, "l", 13, "heo"},       {8, "hello", 8, "l", 14, "heo"},
        {8, "hello", 8, "", 13, "hello"},      {8, "ab", 8, "c", 15, "abc"},
        {8, "ab", 8, "c", 16, "ab"},           {8, "ab", 9, "12", 11, "12"},
        {8, "ab", 9, "12", 12, "ab12"},        {8, "a1b1", 9, "1", 13, "ab"},
        {8, "ab", 9, "3", 15, "ababab"},       {8, "ab", 9, "0", 15, ""},
        {8, "ab", 9, "3", 16, "ab"},           {8, "ab", 10, "2.5", 11, "2.5"},
        {8, "ab", 10, "2.5", 12, "ab2.5"},     {8, "a2.5b", 10, "2.5", 14, "ab"},
        {8, "ab", 10, "2.5", 15, "abab"},      {8, "ab", 10, "3.5", 15, "abababab"},
        // 32-bit variable.
        {9, "10", 8, "4.5xy", 11, "4"},        {9, "10", 8, "5.5", 12, "16"},
        {9, "10", 8, "3", 13, "7"},            {9, "7", 8, "2", 14, "4"},
        {9, "10", 8, "3", 15, "30"},           {9, "10", 8, "2", 16, "10"},
        {9, "10", 9, "-4", 11, "-4"},          {9, "10", 9, "4", 12, "14"},
        {9, "10", 9, "4", 13, "6"},            {9, "7", 9, "2", 14, "4"},
        {9, "5", 9, "2", 14, "2"},             {9, "10", 9, "4", 15, "40"},
        {9, "3", 9, "4", 16, "81"},            {9, "2", 9, "-1", 16, "0"},
        {9, "10", 10, "2.5", 11, "2"},         {9, "10", 10, "2.5", 12, "12"},
        {9, "10", 10, "3.5", 13, "6"},         {9, "7", 10, "2.4", 14, "4"},
        {9, "10", 10, "1.5", 15, "20"},        {9, "3", 10, "2.4", 16, "9"},
        // Double variable.
        {10, "1.5", 8, "2.25x", 11, "2.25"},   {10, "1.5", 8, "2", 12, "3.5"},
        {10, "1.5", 8, "2", 13, "-0.5"},       {10, "1.5", 8, "2", 14, "0.75"},
        {10, "1.5", 8, "2", 15, "3"},          {10, "1.5", 8, "2", 16, "1.5"},
        {10, "1.5", 9, "2", 11, "2"},          {10, "1.5", 9, "2", 12, "3.5"},
        {10, "1.5", 9, "2", 13, "-0.5"},       {10, "1", 9, "8", 14, "0.125"},
        {10, "1.5", 9, "2", 15, "3"},          {10, "1.5", 9, "2", 16, "2.25"},
        {10, "1.5", 10, "0.25", 11, "0.25"},   {10, "1.5", 10, "0.25", 12, "1.75"},
        {10, "1.5", 10, "0.25", 13, "1.25"},   {10, "1.5", 10, "0.25", 14, "6"},
        {10, "1.5", 10, "0.5", 15, "0.75"},    {10, "4", 10, "0.5", 16, "2"},
    };
    for (const Cell& c : cells) {
        EngineHost h;
        SC& sc = h.Engine;
        Prepare(sc, c.VarType, c.Initial);
        sc.AddSetVariable("v", c.VarType, 11);
        Prepare(sc, c.ScratchType, c.Scratch);
        sc.AddSetVariable("v", c.VarType, c.Op);
        EXPECT_EQ(sc.GetVariableAsString("v"), c.Expected)
            << "type " << c.VarType << " \"" << c.Initial << "\" op " << c.Op << " scratch " << c.ScratchType << " \""
            << c.Scratch << "\"";
    }
}

TEST(EngineVariables, NewNamesIgnoreTheOperationAndFailuresKeepTheValue) {
    EngineHost h;
    SC& sc = h.Engine;
    // A new name is created from the scratch value, converted to its type.
    Prepare(sc, 8, "12ab");
    sc.AddSetVariable("t", 8, 15);
    sc.AddSetVariable("l", 9, 16);
    sc.AddSetVariable("d", 10, 14);
    EXPECT_EQ(sc.GetVariableAsString("t"), "12ab");
    EXPECT_EQ(sc.GetVariableAsString("l"), "12");
    EXPECT_EQ(sc.GetVariableAsString("d"), "12");
    EXPECT_EQ(sc.StringVariableCount(), 1);
    EXPECT_EQ(sc.LongVariableCount(), 1);
    EXPECT_EQ(sc.DoubleVariableCount(), 1);

    // Errors of an operation raise and leave the variable as it was.
    Prepare(sc, 9, "2147483647");
    sc.AddSetVariable("big", 9, 11);
    Prepare(sc, 9, "1");
    EXPECT_THROW(sc.AddSetVariable("big", 9, 12), ScriptError);
    Prepare(sc, 9, "0");
    EXPECT_THROW(sc.AddSetVariable("big", 9, 14), ScriptError);
    EXPECT_THROW(sc.AddSetVariable("d", 10, 14), ScriptError);
    sc.AddSetVariable("zero", 9, 11);
    Prepare(sc, 9, "-1");
    EXPECT_THROW(sc.AddSetVariable("zero", 9, 16), ScriptError);  // 0 ^ -1 has no value
    EXPECT_EQ(sc.GetVariableAsString("zero"), "0");
    EXPECT_EQ(sc.GetVariableAsString("big"), "2147483647");
    EXPECT_EQ(sc.GetVariableAsString("d"), "12");
    Prepare(sc, 9, "40000");
    EXPECT_THROW(sc.AddSetVariable("t", 8, 15), ScriptError);  // a count beyond 16 bits
    EXPECT_EQ(sc.GetVariableAsString("t"), "12ab");
    Prepare(sc, 8, "1e400");
    EXPECT_THROW(sc.AddSetVariable("d", 10, 11), ScriptError);
    EXPECT_EQ(sc.GetVariableAsString("d"), "12");

    // A text may not grow without bound: the step fails instead.
    Prepare(sc, 8, std::string(1 << 20, 'x'));
    sc.AddSetVariable("long", 8, 11);
    Prepare(sc, 9, "32000");
    EXPECT_THROW(sc.AddSetVariable("long", 8, 15), ScriptError);
    EXPECT_EQ(sc.GetVariableAsString("long").size(), 1u << 20);

    // The unnamed element that empty parameters read is never written.
    Prepare(sc, 8, "junk");
    sc.AddSetVariable("", 8, 11);
    EXPECT_EQ(sc.GetVariableAsString(""), "");
    EXPECT_EQ(sc.StringVariableCount(), 2);
}
