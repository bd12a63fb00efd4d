#include "tracking/clsElapsedWarning.h"

clsElapsedWarning::clsElapsedWarning()
{
    Reset();
    TimeTillWarning(7200);
}

void clsElapsedWarning::Reset()
{
    warningGiven = false;
}

void clsElapsedWarning::UpdateActiveSeconds(const std::int32_t &sec)
{
    if (sec >= m_timeTillWarning && !warningGiven) {
        Warning.Emit();
        warningGiven = true;
    }
}
