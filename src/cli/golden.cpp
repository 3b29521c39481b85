#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel::cli {

namespace {
constexpr int kGoldenHands = 30;
}

std::string GoldenText() {
    ResetAllState();
    RecordingHost host;
    std::ostringstream out;
    for (int hand = 1; hand <= kGoldenHands; ++hand) {
        PlayHandNumber(hand, DefaultDealer(hand), host);
        out << "hand " << hand << " dealer " << SeatLetter(G.Dealer) << "\n  calls";
        for (const CallRecord& c : host.calls) out << " " << SeatLetter(c.seat) << ":" << CallCode(c.call);
        out << "\n  cards";
        for (const CardRecord& c : host.cards) out << " " << CardCode(c.card);
        out << "\n  tricks NS " << G.TricksWon[1] << " EW " << G.TricksWon[2] << "\n";
    }
    return out.str();
}

void AddGoldenCommand(CLI::App& app, Action& action) {
    app.add_subcommand("golden", "Print the auctions and plays of the fixed hands of the golden file");
    action = []() {
        std::cout << GoldenText();
        return 0;
    };
}

}  // namespace kestrel::cli
