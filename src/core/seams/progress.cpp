#include "core/seams/progress.h"

#include "core/platform/platform.h"

void TProgressGauge::StartProgress(int max) {
    maximum = max;
    position = 0;
    visible = true;
    lastSecond = 0;
}

bool TProgressGauge::StepProgress(int done, int total) {
    if (total <= 0) return false;
    int percent = static_cast<int>(static_cast<long long>(done) * 100 / total);
    int second = plat::ClockSecond();
    if (second == lastSecond) return false;
    position = percent;
    lastSecond = second;
    return true;
}

namespace {
TProgressGauge quietGauge;
TProgress* current = &quietGauge;
}  // namespace

TProgress& Progress() { return *current; }
void SetProgress(TProgress* p) { current = p ? p : &quietGauge; }
