// The soak's outer program: it plays the actions in a child process of its own (a sanitizer
// report ends the process that found it), reads how far the child got, and when the child
// found something, plays shorter and shorter selections of the actions in new children until
// none can be left out without the finding going away.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Actions.h"

namespace soak {

struct Outcome {
    std::size_t played = 0;               // actions that passed their checks
    std::optional<std::size_t> failedAt;  // the action after which something was found
    std::string signature;                // what kind of finding: the same kind when shrinking
    std::string detail;                   // the finding in words
    std::string report;                   // the sanitizer's report, if any
    std::size_t changes = 0;              // actions that changed the channels (a clean run)
};

class Supervisor {
  public:
    // `trace`: the children print each action and the state after it, and this shows them.
    Supervisor(std::string self, bool trace) : self_(std::move(self)), trace_(trace) {}

    // The run's actions for `seconds`.
    Outcome RunFor(uint64_t seed, double seconds);
    // Exactly these actions; a child still playing at `deadline` is stopped and tells nothing.
    Outcome Replay(uint64_t seed, const std::vector<Action>& actions,
                   std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt);
    // Leaves out actions while `failure` still comes back, until `seconds` have passed.
    std::vector<Action> Shrink(uint64_t seed, std::vector<Action> actions, const Outcome& failure,
                               double seconds);

  private:
    Outcome RunChild(std::vector<std::string> arguments,
                     std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt);

    std::string self_;
    bool trace_;
};

// A replay file: "seed N", then one action per line.
std::string ReplayText(uint64_t seed, const std::vector<Action>& actions);
bool ParseReplay(const std::string& text, uint64_t& seed, std::vector<Action>& actions);

}  // namespace soak
