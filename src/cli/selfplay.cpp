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

}  // namespace

std::string CheckHand() {
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
        std::string pbn, aggressiveness, majors;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("selfplay", "The computer plays many hands in a row");
    cmd->add_option("--from", o->from, "First hand number");
    cmd->add_option("--count", o->count, "Number of hands");
    cmd->add_flag("--check", o->check, "Verify the invariants after every hand");
    cmd->add_flag("--signature", o->signature, "Print one hash of every call and card chosen");
    cmd->add_option("--pbn", o->pbn, "Write every hand's game record to this file");
    cmd->add_option("--aggressiveness", o->aggressiveness, "Per seat, as S=2,W=2,N=2,E=2");
    cmd->add_option("--majors", o->majors, "Per side, as NS=4,EW=5");
    action = [o]() {
        if (o->from < 1 || o->count < 0) throw CliError{"--from must be at least 1 and --count not negative"};
        ResetAllState();
        ApplyAggressiveness(o->aggressiveness);
        ApplyMajors(o->majors);
        std::ofstream pbn;
        if (!o->pbn.empty()) {
            pbn.open(o->pbn);
            if (!pbn) throw CliError{"cannot write " + o->pbn};
        }
        std::string date = Today();
        RecordingHost host;
        Signature sig;
        std::map<std::string, int> byContract;
        int passedOut = 0;
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < o->count; ++i) {
            int hand = (o->from - 1 + i) % 32767 + 1;
            PlayHandNumber(hand, DefaultDealer(hand), host);
            if (o->check) {
                std::string error = CheckHand();
                if (!error.empty()) {
                    std::cerr << "hand " << hand << ": " << error << "\n";
                    return 1;
                }
            }
            for (const CallRecord& c : host.calls) sig.Add(c.call);
            for (const CardRecord& c : host.cards) sig.Add(c.card);
            if (G.Contract == 0) {
                ++passedOut;
            } else {
                std::string key = "level " + std::to_string(CallLevel(G.Contract)) +
                                  (G.DoubleState == 1 ? " doubled" : G.DoubleState == 2 ? " redoubled" : "");
                byContract[key]++;
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
        for (auto& [key, n] : byContract) std::cout << key << ": " << n << "\n";
        if (o->check) std::cout << "all invariants hold\n";
        return 0;
    };
}

}  // namespace kestrel::cli
