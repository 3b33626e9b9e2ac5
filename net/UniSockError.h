#pragma once
// The error the socket class raises to its callers for misuse (wrong state,
// bad argument, unsupported type) and for the few library failures that are
// not reported through its Error event. It is a ScriptError, so the engine's
// step guard and the hosts' run boundary catch it like any other failure.
#include <cstdint>
#include <string>

#include "automation/ScriptError.h"
#include "net/ErrorText.h"

namespace ombrelt::net {

class UniSockError : public ScriptError {
public:
    // member: the raising member's name; the source becomes "UniSock." + member.
    UniSockError(std::int32_t number, const std::string& member)
        : ScriptError(std::string(ErrorDescription(number))),
          number_(number),
          source_("UniSock." + member) {}

    std::int32_t Number() const { return number_; }
    const std::string& Source() const { return source_; }
    std::string Description() const { return what(); }

private:
    std::int32_t number_;
    std::string source_;
};

}  // namespace ombrelt::net
