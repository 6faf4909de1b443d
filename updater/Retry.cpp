#include "Retry.h"

#include <thread>
#include <utility>

Retry::Retry(int attempts, std::chrono::milliseconds pause, Sleeper sleep)
    : attempts_(attempts), pause_(pause), sleep_(std::move(sleep))
{
}

Retry::Outcome Retry::run(const std::function<Attempt()>& step) const
{
    Outcome outcome;
    while (outcome.attempts < attempts_) {
        ++outcome.attempts;
        const Attempt result = step();
        if (result == Attempt::Done) {
            outcome.done = true;
            return outcome;
        }
        if (result == Attempt::GiveUp || outcome.attempts == attempts_)
            return outcome;
        sleep_(pause_);
    }
    return outcome;
}

void Retry::sleepFor(std::chrono::milliseconds pause)
{
    std::this_thread::sleep_for(pause);
}
