#pragma once
// The system's own message text for an error number, beside the socket
// class's fixed English texts (ErrorText.h).
#include <cstdint>
#include <string>

namespace ombrelt::net {

// The text from the system's message table in the default language, in the
// system code page; empty for 0 and for a number the system has no text for.
std::string SystemErrorText(std::int32_t number);

}  // namespace ombrelt::net
