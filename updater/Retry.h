#pragma once

#include <chrono>
#include <functional>

// Runs one step of the hand-over up to a fixed number of attempts with a pause
// after each failed one. A step may also tell that trying again is pointless,
// so that no time is spent in pauses that cannot change the outcome.
class Retry final {
public:
    enum class Attempt { Done, TryAgain, GiveUp };

    struct Outcome {
        bool done = false;
        int attempts = 0;
    };

    using Sleeper = std::function<void(std::chrono::milliseconds)>;

    Retry(int attempts, std::chrono::milliseconds pause, Sleeper sleep);

    // No pause follows the last attempt: nothing would come after it.
    [[nodiscard]] Outcome run(const std::function<Attempt()>& step) const;

    static void sleepFor(std::chrono::milliseconds pause);

private:
    int attempts_;
    std::chrono::milliseconds pause_;
    Sleeper sleep_;
};
