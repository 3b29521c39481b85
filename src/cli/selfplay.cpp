#include <chrono>
#include <fstream>
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/cards.h"
#include "core/pbn.h"
#include "core/state.h"
#include "core/text.h"
#include "declarer/plan.h"

namespace kestrel::cli {

namespace {

// Replays the auction in the order it was made and checks that every call was legal then.
std::string CheckAuction() {
    int contract = 0, bidder = 0, doubled = 0, passes = 0, calls = 0;
    for (int round = 1; round <= 7; ++round) {
        int seat = G.Dealer;
        for (int n = 0; n < 4; ++n, seat = NextPlayer(seat)) {
            int c = G.Calls[seat][round];
            if (c == -1) continue;
            ++calls;
            std::string at = std::string(1, SeatLetter(seat)) + " in round " + std::to_string(round);
            if (c == Pass) {
                ++passes;
            } else if (c == Double) {
                if (contract == 0 || doubled != 0 || SideOf(bidder) == SideOf(seat))
                    return "illegal double by " + at;
                doubled = 1;
                passes = 0;
            } else if (c == Redouble) {
                if (doubled != 1 || SideOf(bidder) != SideOf(seat))
                    return "illegal redouble by " + at;
                doubled = 2;
                passes = 0;
            } else {
                if (c < 11 || c > 57 || c % 10 == 0 || c % 10 > 7 || BidRank(c) <= BidRank(contract))
                    return "insufficient or unknown bid " + CallCode(c) + " by " + at;
                contract = c;
                bidder = seat;
                doubled = 0;
                passes = 0;
            }
        }
    }
    if (calls < 4) return "auction of fewer than four calls";
    if (contract != G.Contract || doubled != G.DoubleState) return "contract does not match the calls";
    if (contract == 0 && passes != 4) return "passed-out auction without four passes";
    return "";
}

std::string CheckPlay() {
    if (G.TricksPlayed != 13) return "play ended after " + std::to_string(G.TricksPlayed) + " tricks";
    if (G.TricksWon[1] + G.TricksWon[2] != 13) return "tricks won do not add up to 13";
    int playedAt[53] = {};
    int won[3] = {};
    for (int t = 1; t <= 13; ++t) {
        int leader = G.TrickLeader[t];
        if (t > 1 && leader != G.TrickWinner[t - 1]) return "trick " + std::to_string(t) + " led by the wrong seat";
        int led = CardSuit(G.PlayedCard[leader][t]);
        int best = G.PlayedCard[leader][t], bestSeat = leader;
        for (int seat = 1; seat <= 4; ++seat) {
            int card = G.PlayedCard[seat][t];
            if (card < 1 || card > 52) return "no card from " + std::string(1, SeatLetter(seat)) + " in trick " + std::to_string(t);
            if (G.CardOwner[card] != seat) return CardCode(card) + " played by a seat that does not hold it";
            if (playedAt[card]) return CardCode(card) + " played twice";
            playedAt[card] = t;
        }
        for (int seat = leader, n = 0; n < 4; ++n, seat = NextPlayer(seat)) {
            int card = G.PlayedCard[seat][t];
            bool trump = CardSuit(card) == G.TrumpSuit, bestTrump = CardSuit(best) == G.TrumpSuit;
            if ((trump && (!bestTrump || card > best)) || (!bestTrump && CardSuit(card) == led && card > best)) {
                best = card;
                bestSeat = seat;
            }
        }
        if (bestSeat != G.TrickWinner[t]) return "trick " + std::to_string(t) + " given to the wrong seat";
        won[SideOf(bestSeat)]++;
    }
    // Suit followed when possible: a card of the suit led still held at that trick is a revoke.
    for (int t = 1; t <= 13; ++t) {
        int led = CardSuit(G.PlayedCard[G.TrickLeader[t]][t]);
        for (int seat = 1; seat <= 4; ++seat) {
            if (CardSuit(G.PlayedCard[seat][t]) == led) continue;
            for (int card = 1; card <= 52; ++card)
                if (G.CardOwner[card] == seat && CardSuit(card) == led && playedAt[card] > t)
                    return std::string(1, SeatLetter(seat)) + " did not follow suit in trick " + std::to_string(t);
        }
    }
    if (won[1] != G.TricksWon[1] || won[2] != G.TricksWon[2]) return "tricks won do not match the tricks";
    return "";
}

// The score records in one line, for messages.
std::string Describe(const ScoreRecord& r) {
    std::string out;
    for (int side = 1; side <= 2; ++side) {
        out += side == 1 ? "NS" : "; EW";
        out += " games " + std::to_string(r.game[1][side]) + "/" + std::to_string(r.game[2][side]) +
               "/" + std::to_string(r.game[3][side]) + " above " + std::to_string(r.above[side]) +
               " total " + std::to_string(r.total[side]) + " part " + std::to_string(r.part[side]) +
               " rubbers " + std::to_string(r.rubbers[side]);
    }
    return out;
}

bool GameWon(const ScoreRecord& r, int row, int side) { return r.game[row][side] >= 100; }

// The honours the declaring side holds in one hand: the dummy's count first, then declarer's.
int ExpectedHonours() {
    int trump = CallStrain(G.Contract);
    if (trump < Clubs || trump > Spades) return 0;
    for (int seat : {G.Dummy, G.Declarer}) {
        int held = 0;
        for (int rank : {Ace, King, Queen, Jack})
            if (G.CardOwner[MakeCard(trump, rank)] == seat) ++held;
        if (held == 4) return G.CardOwner[MakeCard(trump, Ten)] == seat ? 150 : 100;
    }
    return 0;
}

}  // namespace

std::string CheckScore(const RecordingHost& host) {
    const HandScore& s = host.score;
    ScoreRecord now = TakeScore();
    // Between hands each part score is the side's entry in the game being played.
    int openRow = 1;
    while (openRow < 3 && (GameWon(now, openRow, 1) || GameWon(now, openRow, 2))) ++openRow;
    for (int side = 1; side <= 2; ++side)
        if (now.part[side] != (GameWon(now, openRow, side) ? 0 : now.game[openRow][side]))
            return "part scores do not match the game rows: " + Describe(now);
    // A passed-out hand, and an auction still open after its seventh round (the record holds
    // seven rounds; such a hand is dealt again like a passed-out one), score nothing.
    if (G.Contract == 0 || (G.PassCount == 4 && G.BidRound > 7 && G.Declarer == 0))
        return now == s.before ? "" : "the score changed on a hand that was not played";
    if (!s.shown) return "the hand was not scored";
    int offense = SideOf(G.Declarer), defense = 3 - offense;
    int strain = CallStrain(G.Contract), level = CallLevel(G.Contract);
    int tricks = G.TricksWon[offense];
    ScoreRecord expect = s.before;
    // Honours are scored when the dummy goes down.
    int honours = ExpectedHonours();
    if (s.honours != honours || (honours != 0 && s.honoursSide != offense))
        return "honours scored " + std::to_string(s.honours) + ", expected " + std::to_string(honours);
    expect.above[offense] += honours;
    // The game being played and the declaring side's vulnerability before the hand.
    int row = 1;
    while (row < 3 && (GameWon(expect, row, 1) || GameWon(expect, row, 2))) ++row;
    bool vulnerable = GameWon(expect, 1, offense) || GameWon(expect, 2, offense);
    int factor = G.DoubleState == 2 ? 4 : G.DoubleState == 1 ? 2 : 1;
    std::string result = std::string(offense == 1 ? "You" : "They");
    std::string sentence;
    if (tricks >= 6 + level) {
        result += " Won";
        int perTrick = strain >= Hearts ? 30 : 20;
        int below = 0, above = 0;
        for (int k = 1; k <= level; ++k) below += perTrick + (strain == NoTrump && k == 1 ? 10 : 0);
        for (int k = level + 1; k <= tricks - 6; ++k) above += perTrick;
        below *= factor;
        above *= factor;
        if (G.DoubleState == 1) above += 50;
        if (level == 6) above += vulnerable ? 1000 : 500;
        if (level == 7) above += vulnerable ? 1500 : 750;
        expect.game[row][offense] += below;
        expect.above[offense] += above;
        if (GameWon(expect, row, offense))
            expect.part[1] = expect.part[2] = 0;
        else
            expect.part[offense] = expect.game[row][offense];
        sentence = "The grand totals are " + Str(above) + " above and " + Str(below) + " below the line ";
    } else {
        result += " Set";
        int penalty = 0;
        for (int k = 1; k <= 6 + level - tricks; ++k) {
            int doubledTrick = k == 1 ? (vulnerable ? 200 : 100) : (vulnerable ? 300 : 200);
            penalty += G.DoubleState == 0 ? (vulnerable ? 100 : 50) : doubledTrick * G.DoubleState;
        }
        expect.above[defense] += penalty;
        sentence = "The totals points to put above the line are " + Str(penalty) + ".";
    }
    if (s.result != result) return "result shown as '" + s.result + "', expected '" + result + "'";
    if (!(s.afterHand == expect))
        return "score after the hand is " + Describe(s.afterHand) + ", expected " + Describe(expect);
    if (host.scoreText.find(sentence) == std::string::npos)
        return "the explanation lacks '" + sentence + "'";
    // The end of the rubber: a side won game 3, or one side won games 1 and 2.
    bool over = GameWon(expect, 3, 1) || GameWon(expect, 3, 2) ||
                (GameWon(expect, 1, 1) && GameWon(expect, 2, 1)) ||
                (GameWon(expect, 1, 2) && GameWon(expect, 2, 2));
    if (over != s.rubberEnded) return over ? "the rubber did not end" : "the rubber ended too soon";
    if (!over) return now == expect ? "" : "the score changed after the result was shown";
    ScoreRecord rubber = expect;
    rubber.part[1] = rubber.part[2] = 0;
    bool twoNil = rubber.game[3][1] == 0 && rubber.game[3][2] == 0;
    int winner = twoNil ? (GameWon(rubber, 1, 1) ? 1 : 2) : (GameWon(rubber, 3, 1) ? 1 : 2);
    rubber.above[winner] += twoNil ? 750 : 500;
    for (int side = 1; side <= 2; ++side)
        rubber.total[side] = rubber.game[1][side] + rubber.game[2][side] + rubber.game[3][side] + rubber.above[side];
    bool weWin = rubber.total[1] > rubber.total[2];
    rubber.rubbers[weWin ? 1 : 2] += 1;
    if (!(s.rubber == rubber))
        return "rubber scored as " + Describe(s.rubber) + ", expected " + Describe(rubber);
    if (s.outcome != (weWin ? "You Win" : "You Lose")) return "rubber outcome shown as '" + s.outcome + "'";
    // The pad is clear for the next rubber; the count of rubbers stays.
    ScoreRecord cleared;
    cleared.rubbers[1] = rubber.rubbers[1];
    cleared.rubbers[2] = rubber.rubbers[2];
    if (!(now == cleared)) return "the pad was not cleared after the rubber: " + Describe(now);
    return "";
}

std::string CheckDealAndPlay() {
    int count[5] = {};
    for (int card = 1; card <= 52; ++card) {
        int seat = G.CardOwner[card];
        if (seat < 1 || seat > 4) return CardCode(card) + " was not dealt";
        count[seat]++;
    }
    for (int seat = 1; seat <= 4; ++seat)
        if (count[seat] != 13) return std::string(1, SeatLetter(seat)) + " was dealt " + std::to_string(count[seat]) + " cards";
    std::string error = CheckAuction();
    if (!error.empty()) return error;
    if (G.Contract != 0 && G.Declarer == 0 && G.BidRound <= 7)
        return "auction ended with a contract that was not played";
    if (G.Declarer != 0) return CheckPlay();
    return "";
}

std::string CheckHand(const RecordingHost& host) {
    std::string error = CheckDealAndPlay();
    return error.empty() ? CheckScore(host) : error;
}

namespace {

// FNV-1a over every call and card chosen.
struct Signature {
    std::uint64_t h = 1469598103934665603ULL;
    void Add(int v) {
        for (int i = 0; i < 4; ++i) {
            h ^= static_cast<std::uint8_t>(v >> (8 * i));
            h *= 1099511628211ULL;
        }
    }
};

}  // namespace

void AddSelfplayCommand(CLI::App& app, Action& action) {
    struct Options {
        int from = 1, count = 100;
        bool check = false, signature = false;
        std::string pbn;
        TableOptions table;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("selfplay", "The computer plays many hands in a row");
    cmd->add_option("--from", o->from, "First hand number");
    cmd->add_option("--count", o->count, "Number of hands");
    cmd->add_flag("--check", o->check, "Verify the invariants after every hand");
    cmd->add_flag("--signature", o->signature, "Print one hash of every call and card chosen");
    cmd->add_option("--pbn", o->pbn, "Write every hand's game record to this file");
    AddTableOptions(cmd, o->table, true, false);
    action = [o]() {
        if (o->from < 1 || o->count < 0) throw CliError{"--from must be at least 1 and --count not negative"};
        ApplyTableOptions(o->table);
        std::ofstream pbn;
        if (!o->pbn.empty()) {
            pbn.open(o->pbn);
            if (!pbn) throw CliError{"cannot write " + o->pbn};
        }
        std::string date = Today();
        RecordingHost host;
        Signature sig;
        std::map<std::string, int> byContract;
        // The plan the declarer chose after the opening lead, per hand played.
        std::map<std::string, int> byPlan;
        int passedOut = 0, rubbers = 0, outOfRounds = 0;
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < o->count; ++i) {
            int hand = (o->from - 1 + i) % 32767 + 1;
            PlayHandNumber(hand, DefaultDealer(hand), host);
            if (o->check) {
                std::string error = CheckHand(host);
                if (!error.empty()) {
                    std::cerr << "hand " << hand << ": " << error << "\n";
                    return 1;
                }
            }
            if (host.score.rubberEnded) ++rubbers;
            for (const CallRecord& c : host.calls) sig.Add(c.call);
            for (const CardRecord& c : host.cards) sig.Add(c.card);
            if (G.Contract == 0) {
                ++passedOut;
            } else if (G.Declarer == 0) {
                ++outOfRounds;  // still open after seven rounds: dealt again, not played
            } else {
                std::string key = "level " + std::to_string(CallLevel(G.Contract)) +
                                  (G.DoubleState == 1 ? " doubled" : G.DoubleState == 2 ? " redoubled" : "");
                byContract[key]++;
                if (G.Declarer != 0) byPlan[PlanName(G.Plan.ChosenPlan)]++;
            }
            if (pbn) pbn << (i ? "\n" : "") << PbnRecord(date);
        }
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (o->signature) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(sig.h));
            std::cout << buf << "\n";
            return 0;
        }
        std::cout << o->count << " hands in " << seconds << " s, "
                  << (seconds > 0 ? o->count / seconds : 0.0) << " hands per second\n";
        std::cout << "passed out: " << passedOut << "\n";
        if (outOfRounds) std::cout << "auctions still open after seven rounds: " << outOfRounds << "\n";
        std::cout << "rubbers: " << rubbers << " (won " << G.RubbersWon[1] << ", lost " << G.RubbersWon[2] << ")\n";
        for (auto& [key, n] : byContract) std::cout << key << ": " << n << "\n";
        for (auto& [key, n] : byPlan) std::cout << "plan " << key << ": " << n << "\n";
        if (o->check) std::cout << "all invariants hold\n";
        return 0;
    };
}

}  // namespace kestrel::cli
