// Positions of the play built by replaying a deal, an auction and the cards played through the
// normal flow (kestrel-cli decide), and the decision the engine then makes.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/state.h"
#include "test_util.h"

namespace kestrel::test {

struct Decision {
    int status = -1;
    std::string seat, card, why, error;
};

// Runs `decide` on the position; G is left as it stood when the decision was made.
inline Decision Decide(const std::string& deal, const std::string& dealer,
                       const std::string& auction, const std::string& play,
                       const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"kestrel-cli", "decide", "--json", "--deal", deal,
                                     "--dealer", dealer, "--auction", auction, "--play", play};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err, captured;
    std::streambuf* old = std::cout.rdbuf(captured.rdbuf());
    Decision d;
    d.status = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    std::cout.rdbuf(old);
    d.error = err.str();
    if (d.status == 0) {
        auto j = nlohmann::json::parse(captured.str());
        d.seat = j["seat"].get<std::string>();
        d.card = j["decision"].get<std::string>();
        d.why = j["why"].get<std::string>();
    }
    return d;
}

// One position and the engine's expected card and Why text.
struct PlayCase {
    const char* name;
    const char* deal;
    const char* dealer;
    const char* auction;
    const char* play;
    const char* seat;
    const char* card;
    const char* why;
};

inline std::ostream& operator<<(std::ostream& os, const PlayCase& c) { return os << c.name; }

inline void ExpectDecision(const PlayCase& c) {
    Decision d = Decide(c.deal, c.dealer, c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(d.seat, c.seat);
    EXPECT_EQ(d.card, c.card);
    EXPECT_EQ(d.why, c.why);
}

// A position replayed with South dealing, the seat then on lead, and the value a test reads
// off the state, written as text.
struct ValueCase {
    const char* name;
    const char* deal;
    const char* auction;
    const char* play;
    int seat;
    const char* expected;
};

inline std::ostream& operator<<(std::ostream& os, const ValueCase& c) { return os << c.name; }

// The decide command leaves its own host behind; tests that go on calling the engine put a
// live host in its place.
class PlayTest : public EngineTest {
protected:
    void Reattach() { SetHost(host); }
    // Replays the position (South deals), then makes `seat` the hand on lead with a fresh Why.
    void LeadAt(const char* deal, const char* auction, const char* play, int seat) {
        Decision d = Decide(deal, "S", auction, play);
        ASSERT_EQ(d.status, 0) << d.error;
        Reattach();
        G.CurrentSeat = G.Leader = seat;
        G.WhyText.clear();
    }
};

}  // namespace kestrel::test
