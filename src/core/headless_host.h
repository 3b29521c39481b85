// A host without a screen. It plays the user's part inside KeepAlive: it takes the next
// scripted call or card (or accepts the engine's proposal), presses Continue, and answers
// questions from a script. Its clock is simulated, so pauses cost nothing.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/host.h"

namespace kestrel {

class HeadlessHost : public Host {
public:
    void KeepAlive() override;
    long Now() override { return clock_; }
    Answer Ask(const std::string& text, Buttons buttons, Icon icon,
               const std::string& title) override;
    bool ContinuesToNextDeal() override { return continues_; }

    // The user's scripted calls and cards, taken in order; when they run out, the user
    // accepts the engine's proposals.
    std::deque<int> scriptedCalls;
    std::deque<int> scriptedCards;
    // Scripted answers to questions; when they run out, defaultAnswer (Ok for a plain box).
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::No;

    // What happened, for tests.
    std::vector<std::string> questions;
    int refusedCalls = 0;
    int refusedCards = 0;
    int continuesPressed = 0;

    void SetContinuesToNextDeal(bool on) { continues_ = on; }

private:
    long clock_ = 0;
    bool continues_ = false;
};

}  // namespace kestrel
