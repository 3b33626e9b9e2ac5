#include "automation/mdlTime.h"

namespace ombrelt::mdlTime {
namespace {
bool Stopped(const WaitStop& stop) { return stop && stop(); }
}  // namespace

void PauseSeconds(Desktop& desktop, std::int32_t n, const WaitStop& stop) {
    for (std::int32_t i = 1; i <= n && !Stopped(stop); ++i) Wait(desktop, 1000, stop);
}

void PauseMinutes(Desktop& desktop, std::int32_t n, const WaitStop& stop) {
    for (std::int32_t i = 1; i <= n && !Stopped(stop); ++i) PauseSeconds(desktop, 60, stop);
}

void PauseHours(Desktop& desktop, std::int32_t n, const WaitStop& stop) {
    for (std::int32_t i = 1; i <= n && !Stopped(stop); ++i) PauseMinutes(desktop, 60, stop);
}

}  // namespace ombrelt::mdlTime
