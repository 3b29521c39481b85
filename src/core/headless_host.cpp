#include "core/headless_host.h"

#include "core/flow.h"
#include "core/state.h"

namespace kestrel {

void HeadlessHost::KeepAlive() {
    clock_ += 100;
    if (G.WaitingForContinue) {
        ++continuesPressed;
        UserPressesContinue();
        return;
    }
    if (!G.AwaitingUser) return;
    if (G.PlayInProgress) {
        int card = G.HumanCard;
        if (!scriptedCards.empty()) {
            card = scriptedCards.front();
            scriptedCards.pop_front();
        }
        if (!UserPlaysCard(G.CurrentSeat, card)) ++refusedCards;
    } else if (G.Dealing) {
        int call = G.Calls[G.CurrentSeat][G.BidRound];
        if (!scriptedCalls.empty()) {
            call = scriptedCalls.front();
            scriptedCalls.pop_front();
        }
        if (!UserMakesCall(call)) {
            ++refusedCalls;
            // An engine proposal the user may not make: he passes instead.
            if (scriptedCalls.empty() && call == G.Calls[G.CurrentSeat][G.BidRound])
                UserMakesCall(0);
        }
    }
}

Answer HeadlessHost::Ask(const std::string& text, Buttons buttons, Icon, const std::string&) {
    questions.push_back(text);
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
}

}  // namespace kestrel
