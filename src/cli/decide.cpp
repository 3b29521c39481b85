#include <iostream>

#include "bidding/auction.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "core/cards.h"
#include "core/flow.h"
#include "core/pbn.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel::cli {

namespace {

// The decision wanted has been made: the flow unwinds to the command.
struct DecisionReached {};

// Replays the given calls and cards in place of the engine's, then stops at the next decision.
class DecideHost : public RecordingHost {
public:
    std::vector<int> scriptCalls, scriptCards;
    size_t nextCall = 0, nextCard = 0;
    int seat = 0, decision = 0;
    bool isCall = false, capturing = false;
    std::string why;

    bool SubstituteCall(int player, int& call) override {
        if (nextCall < scriptCalls.size()) {
            int c = scriptCalls[nextCall++];
            if (!IsLegalCall(player, c))
                throw CliError{"call " + std::to_string(nextCall) + " (" + CallCode(c) + " by " +
                               SeatLetter(player) + ") is not legal here"};
            call = c;
            return true;
        }
        if (!scriptCards.empty())
            throw CliError{"the auction is not over before the first card"};
        Capture(player, call, true);
        return false;
    }

    bool SubstituteCard(int player, int& card) override {
        if (nextCall < scriptCalls.size())
            throw CliError{"the auction ended before call " + std::to_string(nextCall + 1)};
        if (nextCard < scriptCards.size()) {
            int c = scriptCards[nextCard++];
            std::string which = "card " + std::to_string(nextCard) + " (" + CardCode(c) + ")";
            bool held = false;
            for (int i = 1; i <= 13; ++i)
                if (G.Hand[player][i] == c) held = true;
            if (!held) throw CliError{which + " is not held by " + SeatLetter(player)};
            if (G.WinningCard != 0 && CardSuit(c) != G.SuitLed && CountInSuit(player, G.SuitLed) > 0)
                throw CliError{which + " does not follow suit"};
            card = c;
            return true;
        }
        Capture(player, card, false);
        throw DecisionReached{};
    }

    void OnCallShown(int player, int call) override {
        RecordingHost::OnCallShown(player, call);
        if (capturing) {
            decision = call;  // after a Double over a double has become a Redouble
            throw DecisionReached{};
        }
    }

private:
    void Capture(int player, int value, bool call) {
        seat = player;
        decision = value;
        isCall = call;
        why = G.WhyText;
        capturing = true;
    }
};

}  // namespace

void AddDecideCommand(CLI::App& app, Action& action) {
    struct Options {
        std::string deal, dealer, auction, play;
        TableOptions table;
        bool json = false;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("decide", "The engine's decision for the next seat to act");
    cmd->add_option("--deal", o->deal, "The deal, as N:AKQ2.J54.T98.765 ...")->required();
    cmd->add_option("--dealer", o->dealer, "Dealer: S, W, N or E")->required();
    cmd->add_option("--auction", o->auction, "Calls so far, from the dealer: \"1H P 2H\"");
    cmd->add_option("--play", o->play, "Cards played so far: \"SA S2 ...\"");
    cmd->add_flag("--json", o->json, "Print one JSON object");
    AddTableOptions(cmd, o->table, true, true);
    action = [o]() {
        ApplyTableOptions(o->table);
        DecideHost host;
        int owner[53];
        ParseResult r = ParseDeal(o->deal, owner);
        if (!r.ok) throw CliError{r.error};
        r = ParseCalls(o->auction, host.scriptCalls);
        if (!r.ok) throw CliError{r.error};
        r = ParseCards(o->play, host.scriptCards);
        if (!r.ok) throw CliError{r.error};
        for (int card = 1; card <= 52; ++card) G.CardOwner[card] = owner[card];
        G.Dealer = ParseSeat(o->dealer);
        G.HumanSeat = 0;
        G.PickedDeal = -1;
        G.ReplayHand = -1;
        G.KeepDealer = -1;
        SetHost(host);
        bool reached = false;
        try {
            MenuDeal_Click();
        } catch (const DecisionReached&) {
            reached = true;
        }
        if (!reached) {
            if (host.nextCall < host.scriptCalls.size())
                throw CliError{"the auction ended before call " + std::to_string(host.nextCall + 1)};
            throw CliError{"the hand is over: there is no decision to make"};
        }
        std::string decision = host.isCall ? CallCode(host.decision) : CardCode(host.decision);
        const CallRecord* shown = host.isCall && !host.calls.empty()
                                      ? &host.calls.back()
                                      : nullptr;
        if (o->json) {
            nlohmann::json j = {{"seat", std::string(1, SeatLetter(host.seat))},
                                {"kind", host.isCall ? "call" : "card"},
                                {"decision", decision},
                                {"why", host.why}};
            j["what"] = shown ? shown->what : "";
            j["min"] = shown ? shown->min : 0;
            j["max"] = shown ? shown->max : 0;
            std::cout << j.dump(2) << "\n";
        } else {
            std::cout << SeatLetter(host.seat) << " " << (host.isCall ? "calls " : "plays ") << decision << "\n";
            if (shown) std::cout << "What: [" << shown->min << "-" << shown->max << "] " << OneLine(shown->what) << "\n";
            std::cout << "Why: " << host.why << "\n";
        }
        return 0;
    };
}

}  // namespace kestrel::cli
