// Desktop commands (IDs 100 to 157).
#include "engine/SC.h"

namespace ombrelt {

void SC::ExecuteExternalFunction(std::int32_t id, std::int32_t line) {}

}  // namespace ombrelt
