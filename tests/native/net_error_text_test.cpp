// The socket class's error texts and the error it raises.
#include <gtest/gtest.h>

#include "net/ErrorText.h"
#include "net/UniSockError.h"

using namespace ombrelt::net;

TEST(NetErrorText, TableTextsAndGaps) {
    EXPECT_EQ(ErrorDescription(10061), "Connection refused.");
    EXPECT_EQ(ErrorDescription(11001), "Host not found.");
    EXPECT_EQ(ErrorDescription(6), "Specified event object handle is invalid.");
    EXPECT_EQ(ErrorDescription(11031), "Reserved policy QOS element type.");
    EXPECT_EQ(ErrorDescription(40026), "Wrong protocol for the requested transaction or request.");
    // Two numbers share one text; the two cancel texts differ.
    EXPECT_EQ(ErrorDescription(10102), "No more results.");
    EXPECT_EQ(ErrorDescription(10110), "No more results.");
    EXPECT_EQ(ErrorDescription(10103), "Call has been canceled.");
    EXPECT_EQ(ErrorDescription(10111), "Call was canceled.");
    EXPECT_EQ(ErrorDescription(40017), "Successful.");
    for (int number : {0, -1, 10000, 10003, 10005, 10072, 11000, 11032, 40000, 40019, 99999})
        EXPECT_EQ(ErrorDescription(number), "") << number;
}

TEST(NetErrorText, RaisedErrorCarriesNumberSourceAndText) {
    try {
        throw UniSockError(ErrInvalidState, "Listen");
    } catch (const ombrelt::ScriptError& error) {  // one error type for every host
        const auto& raised = dynamic_cast<const UniSockError&>(error);
        EXPECT_EQ(raised.Number(), 40020);
        EXPECT_EQ(raised.Source(), "UniSock.Listen");
        EXPECT_EQ(raised.Description(), "Invalid operation at current state.");
    }
    EXPECT_EQ(UniSockError(ErrBadArgument, "Accept").Description(),
              "The argument passed to a function was not in the correct format or in the specified range.");
}
