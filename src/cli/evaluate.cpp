#include <iostream>

#include "bidding/evaluation.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "core/cards.h"
#include "core/pbn.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel::cli {

namespace {

const char* SuitWord(int suit) {
    static const char* names[] = {"", "clubs", "diamonds", "hearts", "spades"};
    return names[suit];
}

nlohmann::json SeatJson(int seat) {
    const SeatInfoRec& info = G.SeatInfo[seat];
    nlohmann::json j = {{"points", info.Points},
                        {"high_card_points", info.HighCardPoints},
                        {"dummy_points", info.DummyPoints},
                        {"quick_trick_halves", info.QuickTrickHalves},
                        {"biddable_suits", info.BiddableSuits},
                        {"main_suit", info.MainSuit},
                        {"second_suit", info.SecondSuit},
                        {"third_suit", info.ThirdSuit},
                        {"aces", info.Aces},
                        {"kings", info.Kings}};
    for (int s = Clubs; s <= Spades; ++s) {
        const SuitInfoRec& suit = G.SuitInfo[seat][s];
        j[SuitWord(s)] = {{"length", suit.Length},
                          {"high_card_points", suit.HighCardPoints},
                          {"honours", suit.Honours},
                          {"biddability", suit.Biddability},
                          {"quick_trick_halves", suit.QuickTrickHalves},
                          {"honour_trick_halves", suit.HonourTrickHalves}};
    }
    return j;
}

}  // namespace

void AddEvaluateCommand(CLI::App& app, Action& action) {
    struct Options {
        std::string deal, dealer = "S";
        TableOptions table;
        bool json = false;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("evaluate", "The evaluation of each seat's hand");
    cmd->add_option("--deal", o->deal, "The deal, as N:AKQ2.J54.T98.765 ...")->required();
    cmd->add_option("--dealer", o->dealer, "Dealer: S, W, N or E (default S)");
    AddTableOptions(cmd, o->table, false, false);
    cmd->add_flag("--json", o->json, "Print one JSON object");
    action = [o]() {
        ApplyTableOptions(o->table);
        int owner[53];
        ParseResult r = ParseDeal(o->deal, owner);
        if (!r.ok) throw CliError{r.error};
        G.Dealer = ParseSeat(o->dealer);
        ResetHandState();
        for (int card = 1; card <= 52; ++card) G.CardOwner[card] = owner[card];
        EvaluateHands();
        if (o->json) {
            nlohmann::json j;
            for (int seat : {North, East, South, West}) j[std::string(1, SeatLetter(seat))] = SeatJson(seat);
            std::cout << j.dump(2) << "\n";
            return 0;
        }
        for (int seat : {North, East, South, West}) {
            const SeatInfoRec& info = G.SeatInfo[seat];
            std::cout << SeatLetter(seat) << ": points " << info.Points << ", high cards "
                      << info.HighCardPoints << ", dummy " << info.DummyPoints << ", quick tricks "
                      << info.QuickTrickHalves << "/2, biddable suits " << info.BiddableSuits
                      << ", suits " << info.MainSuit << " " << info.SecondSuit << " " << info.ThirdSuit
                      << ", aces " << info.Aces << ", kings " << info.Kings << "\n";
            for (int s = Spades; s >= Clubs; --s) {
                const SuitInfoRec& suit = G.SuitInfo[seat][s];
                std::cout << "   " << StrainLetter(s) << ": length " << suit.Length << ", hcp "
                          << suit.HighCardPoints << ", honours " << suit.Honours << ", class "
                          << suit.Biddability << ", quick " << suit.QuickTrickHalves << "/2, honour "
                          << suit.HonourTrickHalves << "/2\n";
            }
        }
        return 0;
    };
}

}  // namespace kestrel::cli
