// kestrel-cli rubber: the computer plays hand after hand from a given number until a rubber
// ends, and prints each hand's result and explanation, then the rubber's totals.
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/cards.h"
#include "core/state.h"

namespace kestrel::cli {

namespace {

// Points a hand added, by side: below the line and above it (honours included).
struct HandPoints {
    int below[3] = {};
    int above[3] = {};
};

HandPoints PointsOf(const HandScore& s) {
    HandPoints p;
    for (int side = 1; side <= 2; ++side) {
        for (int row = 1; row <= 3; ++row) p.below[side] += s.afterHand.game[row][side] - s.before.game[row][side];
        p.above[side] = s.afterHand.above[side] - s.before.above[side];
    }
    return p;
}

}  // namespace

std::string RubberText(int from, int maxHands, bool& ended) {
    std::ostringstream out;
    RecordingHost host;
    int sum[3] = {};  // points of all hands of the rubber, by side
    ended = false;
    for (int i = 0; i < maxHands && !ended; ++i) {
        int hand = (from - 1 + i) % 32767 + 1;
        PlayHandNumber(hand, DefaultDealer(hand), host);
        const HandScore& s = host.score;
        out << "Hand # " << hand << ", dealer " << SeatName(G.Dealer) << ": ";
        if (G.Contract == 0 || !s.shown) {
            out << "passed out\n";
            continue;
        }
        int level = CallLevel(G.Contract);
        int offense = SideOf(G.Declarer);
        int made = G.TricksWon[offense] - 6;
        out << ContractCode() << " by " << SeatName(G.Declarer) << ", " << G.TricksWon[offense]
            << " tricks, " << (made >= level ? "made" : "down " + std::to_string(level - made)) << " ("
            << s.result << ")\n";
        HandPoints p = PointsOf(s);
        if (s.honours != 0)
            out << "  Honours: " << s.honours << " to "
                << (s.honoursSide == 1 ? "North-South" : "East-West") << "\n";
        out << "  Points: North-South " << p.below[1] << " below, " << p.above[1]
            << " above; East-West " << p.below[2] << " below, " << p.above[2] << " above\n";
        out << "  Why: " << host.scoreText << "\n";
        for (int side = 1; side <= 2; ++side) sum[side] += p.below[side] + p.above[side];
        ended = s.rubberEnded;
    }
    if (!ended) {
        out << "The rubber did not end within " << maxHands << " hands.\n" << PadText(TakeScore());
        return out.str();
    }
    const HandScore& s = host.score;
    out << "Rubber over: " << s.outcome << "\n" << PadText(s.rubber);
    // Every point of the totals comes from a hand or from the rubber's bonus.
    for (int side = 1; side <= 2; ++side) {
        int bonus = s.rubber.above[side] - s.afterHand.above[side];
        out << "  " << (side == 1 ? "North-South" : "East-West") << ": hands " << sum[side]
            << " + bonus " << bonus << " = " << sum[side] + bonus << ", total "
            << s.rubber.total[side] << (sum[side] + bonus == s.rubber.total[side] ? "" : " (MISMATCH)")
            << "\n";
    }
    return out.str();
}

void AddRubberCommand(CLI::App& app, Action& action) {
    struct Options {
        int from = 1, maxHands = 200;
        TableOptions table;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("rubber", "The computer plays hands until a rubber ends");
    cmd->add_option("--from", o->from, "First hand number, 1 to 32767");
    cmd->add_option("--max-hands", o->maxHands, "Give up after this many hands");
    AddTableOptions(cmd, o->table, true, false);
    action = [o]() {
        if (o->from < 1 || o->from > 32767) throw CliError{"--from must be 1 to 32767"};
        if (o->maxHands < 1) throw CliError{"--max-hands must be at least 1"};
        ApplyTableOptions(o->table);
        bool ended = false;
        std::cout << RubberText(o->from, o->maxHands, ended);
        return ended ? 0 : 1;
    };
}

}  // namespace kestrel::cli
