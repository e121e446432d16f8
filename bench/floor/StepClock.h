#pragma once

#include <chrono>

// Accumulates the wall time spent inside one step of a run that alternates between steps.
class StepClock
{
public:
    class Lap
    {
    public:
        explicit Lap(StepClock& clock)
            : clock_(clock)
            , start_(std::chrono::steady_clock::now())
        {
        }
        ~Lap() { clock_.total_ += std::chrono::steady_clock::now() - start_; }
        Lap(const Lap&) = delete;
        Lap& operator=(const Lap&) = delete;

    private:
        StepClock& clock_;
        std::chrono::steady_clock::time_point start_;
    };

    double Seconds() const { return std::chrono::duration<double>(total_).count(); }

private:
    std::chrono::steady_clock::duration total_ {};
};
