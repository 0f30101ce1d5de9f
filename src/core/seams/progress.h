// Progress of long file loops: the main window's status gauge. Qt-free so the
// loops in the core can report through it; the main window installs the real
// one, tests and benchmarks a quiet one.
#pragma once

#include <functional>

class TProgress {
public:
    virtual ~TProgress() = default;
    // Shows the gauge at 0 of max and forgets the last moved second.
    virtual void StartProgress(int max) = 0;
    // Moves the gauge to done * 100 / total at most once per clock second;
    // true when it moved.
    virtual bool StepProgress(int done, int total) = 0;
    virtual void StopProgress() = 0;
    // Lets the window system handle pending events (Cancel clicks, repaints).
    virtual void ProcessEvents() = 0;
};

// The gauge's rule without any window: percent and the once-per-second test.
class TProgressGauge : public TProgress {
public:
    int position = 0, maximum = 100;
    bool visible = false;
    int lastSecond = 0;
    std::function<void()> processEvents;  // may be empty

    void StartProgress(int max) override;
    bool StepProgress(int done, int total) override;
    void StopProgress() override { visible = false; }
    void ProcessEvents() override {
        if (processEvents) processEvents();
    }
};

TProgress& Progress();
void SetProgress(TProgress* p);  // nullptr restores a quiet gauge

// A loop's run: marks it running and shows the gauge (0 of 100) while the
// guard lives; both end however the loop ends, a failure included.
class TProgressRun {
public:
    explicit TProgressRun(bool& running) : running_(running) {
        running_ = true;
        Progress().StartProgress(100);
    }
    ~TProgressRun() {
        running_ = false;
        Progress().StopProgress();
    }
    TProgressRun(const TProgressRun&) = delete;
    TProgressRun& operator=(const TProgressRun&) = delete;

private:
    bool& running_;
};
