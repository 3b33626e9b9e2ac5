#include "automation/mdlTime.h"

namespace ombrelt::mdlTime {

void PauseSeconds(Desktop& desktop, std::int32_t n) {
    for (std::int32_t i = 1; i <= n; ++i) Wait(desktop, 1000);
}

void PauseMinutes(Desktop& desktop, std::int32_t n) {
    for (std::int32_t i = 1; i <= n; ++i) PauseSeconds(desktop, 60);
}

void PauseHours(Desktop& desktop, std::int32_t n) {
    for (std::int32_t i = 1; i <= n; ++i) PauseMinutes(desktop, 60);
}

}  // namespace ombrelt::mdlTime
