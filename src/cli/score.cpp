// kestrel-cli score: scores one result against a given vulnerability, as the scorer of the
// game does, and prints the points and the explanation.
#include <cctype>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/cards.h"
#include "core/host.h"
#include "core/state.h"
#include "core/text.h"
#include "scoring/rubber.h"

namespace kestrel::cli {

namespace {

// "4S", "4SX", "3NTXX": the bid and its doubling state.
void ParseContract(const std::string& text, int& contract, int& doubled) {
    std::string bid;
    for (char c : text) bid += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    doubled = 0;
    if (bid.size() > 2 && bid.ends_with("XX")) {
        doubled = 2;
        bid.resize(bid.size() - 2);
    } else if (bid.size() > 1 && bid.ends_with("X")) {
        doubled = 1;
        bid.resize(bid.size() - 1);
    }
    contract = ParseCallCode(bid);
    if (contract < 11)
        throw CliError{"bad contract '" + text + "', expected a bid such as 4S, 3NX or 6HXX"};
}

int ParseGames(int games, const char* side) {
    if (games != 0 && games != 1)
        throw CliError{std::string("--") + side + "-games must be 0 or 1 (a side with 2 has won the rubber)"};
    return games;
}

}  // namespace

void AddScoreCommand(CLI::App& app, Action& action) {
    struct Options {
        std::string contract, declarer;
        int tricks = -1, nsGames = 0, ewGames = 0;
        bool json = false;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("score", "Score one result of a contract");
    cmd->add_option("--contract", o->contract, "The contract, as 4S, 3NX or 6HXX")->required();
    cmd->add_option("--declarer", o->declarer, "Declarer: S, W, N or E")->required();
    cmd->add_option("--tricks", o->tricks, "Tricks won by the declaring side, 0 to 13")->required();
    cmd->add_option("--ns-games", o->nsGames, "Games North-South have won in the rubber, 0 or 1");
    cmd->add_option("--ew-games", o->ewGames, "Games East-West have won in the rubber, 0 or 1");
    cmd->add_flag("--json", o->json, "Print one JSON object");
    action = [o]() {
        ResetAllState();
        int contract = 0, doubled = 0;
        ParseContract(o->contract, contract, doubled);
        int declarer = ParseSeat(o->declarer);
        if (o->tricks < 0 || o->tricks > 13) throw CliError{"--tricks must be 0 to 13"};
        int ns = ParseGames(o->nsGames, "ns"), ew = ParseGames(o->ewGames, "ew");
        // The games already won: North-South's first, East-West's in the next row.
        if (ns) G.GameScore[1][1] = 100;
        if (ew) G.GameScore[ns ? 2 : 1][2] = 100;
        // The contract and the tricks, as the end of the play leaves them.
        G.Contract = contract;
        G.DoubleState = doubled;
        G.TrumpSuit = CallStrain(contract);
        G.Declarer = declarer;
        G.Dummy = PartnerOf(declarer);
        G.DeclaringSideSum = G.Declarer + G.Dummy;
        int offense = SideOf(declarer);
        G.TricksWon[offense] = o->tricks;
        G.TricksWon[3 - offense] = 13 - o->tricks;
        G.TricksPlayed = 13;
        RecordingHost host;
        SetHost(host);
        host.score.before = TakeScore();
        bool vulnerable = IsVulnerable(offense);
        UpdateScoreCard();
        const HandScore& s = host.score;
        int level = CallLevel(contract), made = o->tricks - 6;
        int below[3] = {}, above[3] = {};
        for (int side = 1; side <= 2; ++side) {
            for (int row = 1; row <= 3; ++row)
                below[side] += s.afterHand.game[row][side] - s.before.game[row][side];
            above[side] = s.afterHand.above[side] - s.before.above[side];
        }
        if (o->json) {
            nlohmann::json j = {{"contract", ContractCode()},
                                {"declarer", std::string(1, SeatLetter(declarer))},
                                {"tricks", o->tricks},
                                {"vulnerable", vulnerable},
                                {"result", s.result},
                                {"below", {below[1], below[2]}},
                                {"above", {above[1], above[2]}},
                                {"explanation", G.WhyText}};
            if (s.rubberEnded) j["rubber"] = {{"outcome", s.outcome}, {"pad", PadJson(s.rubber)}};
            std::cout << j.dump(2) << "\n";
            return 0;
        }
        std::cout << ContractCode() << " by " << SeatName(declarer) << ", " << o->tricks
                  << " tricks: " << (made >= level ? "made " + std::to_string(made)
                                                   : "down " + std::to_string(level - made))
                  << (vulnerable ? ", vulnerable" : ", not vulnerable") << "\n";
        std::cout << "Result: " << s.result << "\n";
        std::cout << "North-South: " << below[1] << " below, " << above[1] << " above\n";
        std::cout << "East-West: " << below[2] << " below, " << above[2] << " above\n";
        std::cout << "Why: " << G.WhyText << "\n";
        if (s.rubberEnded) std::cout << "Rubber over: " << s.outcome << "\n" << PadText(s.rubber);
        return 0;
    };
}

}  // namespace kestrel::cli
