#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli/commands.h"

namespace kestrel::cli {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun Cli(std::vector<const char*> args) {
    args.insert(args.begin(), "kestrel-cli");
    std::ostringstream out, err;
    // The commands print to std::cout; capture it as well.
    std::streambuf* old = std::cout.rdbuf(out.rdbuf());
    int status = RunCli(static_cast<int>(args.size()), args.data(), out, err);
    std::cout.rdbuf(old);
    return {status, out.str(), err.str()};
}

const char* kDeal = "N:AKQ2.J54.T98.765 T98.AKQ2.765.T98 765.T98.AKQ2.J43 J43.763.J43.AKQ2";

TEST(Cli, PlayPrintsTheSameCompleteHandTwice) {
    CliRun a = Cli({"play", "--hand", "1"});
    CliRun b = Cli({"play", "--hand", "1"});
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out.find("Hand # 1, dealer South"), std::string::npos);
    EXPECT_NE(a.out.find("Auction:"), std::string::npos);
}

TEST(Cli, PlayJsonHasEveryField) {
    CliRun r = Cli({"play", "--hand", "7", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    for (const char* key : {"hand", "dealer", "deal", "auction", "contract", "declarer", "tricks",
                            "tricks_ns", "tricks_ew", "score"})
        EXPECT_TRUE(j.contains(key)) << key;
    ASSERT_FALSE(j["auction"].empty());
    for (const char* key : {"seat", "call", "what", "min", "max", "why"})
        EXPECT_TRUE(j["auction"][0].contains(key)) << key;
    if (j["declarer"] != "") {
        EXPECT_EQ(j["tricks"].size(), 13u);
        EXPECT_EQ(j["tricks_ns"].get<int>() + j["tricks_ew"].get<int>(), 13);
        EXPECT_EQ(j["tricks"][0]["cards"].size(), 4u);
    }
}

TEST(Cli, PbnRecordHasTheMandatoryTagsInOrder) {
    CliRun r = Cli({"play", "--hand", "1", "--pbn"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> tags = {"Event", "Site", "Date", "Board", "West", "North", "East",
                                     "South", "Dealer", "Vulnerable", "Deal", "Scoring",
                                     "Declarer", "Contract", "Result", "Auction"};
    size_t at = 0;
    for (const std::string& tag : tags) {
        size_t found = r.out.find("[" + tag + " \"", at);
        ASSERT_NE(found, std::string::npos) << tag;
        at = found;
    }
    EXPECT_NE(r.out.find("[Scoring \"Rubber\"]"), std::string::npos);
    EXPECT_NE(r.out.find("[Deal \"S:KJ75.K86.Q2.Q865 "), std::string::npos);
}

TEST(Cli, DecideReportsTheNextDecision) {
    CliRun call = Cli({"decide", "--deal", kDeal, "--dealer", "N", "--json"});
    ASSERT_EQ(call.status, 0) << call.err;
    auto j = nlohmann::json::parse(call.out);
    EXPECT_EQ(j["seat"], "N");
    EXPECT_EQ(j["kind"], "call");
    for (const char* key : {"decision", "why", "what", "min", "max"}) EXPECT_TRUE(j.contains(key));

    CliRun card = Cli({"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S P P P", "--json"});
    ASSERT_EQ(card.status, 0) << card.err;
    auto k = nlohmann::json::parse(card.out);
    EXPECT_EQ(k["seat"], "E");  // the opening leader against North's spades
    EXPECT_EQ(k["kind"], "card");

    CliRun next = Cli({"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S P P P", "--play",
                    "CT", "--json"});
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(nlohmann::json::parse(next.out)["seat"], "S");
}

struct BadInput {
    const char* name;
    std::vector<const char*> args;
    const char* message;
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, OneLineAndStatusTwo) {
    const BadInput& b = GetParam();
    CliRun r = Cli(b.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(b.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInputTest,
    ::testing::Values(
        BadInput{"malformed_deal", {"decide", "--deal", "AKQ", "--dealer", "N"}, "seat and a colon"},
        BadInput{"three_hands", {"decide", "--deal", "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432.", "--dealer", "N"}, "four hands"},
        BadInput{"card_twice", {"decide", "--deal", "N:AKQJT9876543A... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432", "--dealer", "N"}, "dealt twice"},
        BadInput{"twelve_cards", {"decide", "--deal", "N:AKQJT9876543... 2.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432", "--dealer", "N"}, "has 12 cards"},
        BadInput{"fourteen_cards", {"decide", "--deal", "N:AKQJT98765432...2 .AKQJT98765432.. ..AKQJT98765432. ...AKQJT9876543", "--dealer", "N"}, "has 14 cards"},
        BadInput{"unknown_card", {"decide", "--deal", "N:AKQJT9876543X... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432", "--dealer", "N"}, "unknown card"},
        BadInput{"bad_dealer", {"decide", "--deal", kDeal, "--dealer", "Q"}, "unknown seat"},
        BadInput{"unknown_call", {"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S 9Z"}, "unknown call"},
        BadInput{"insufficient_bid", {"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S 1H"}, "not legal"},
        BadInput{"double_own_side", {"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S P X"}, "not legal"},
        BadInput{"card_not_held", {"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S P P P", "--play", "SA"}, "not held by E"},
        BadInput{"not_following", {"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S P P P", "--play", "CT D2"}, "does not follow suit"},
        BadInput{"calls_after_end", {"decide", "--deal", kDeal, "--dealer", "N", "--auction", "1S P P P 2S"}, "auction ended"},
        BadInput{"bad_hand_number", {"play", "--hand", "0"}, "hand number"},
        BadInput{"bad_aggressiveness", {"play", "--hand", "3", "--aggressiveness", "S=9"}, "0 to 4"},
        BadInput{"unknown_option", {"play", "--hand", "3", "--colour", "red"}, "colour"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Golden, FixedHandsPlayAsRecorded) {
    std::ifstream file(std::string(KESTREL_TEST_DATA) + "/golden.txt");
    ASSERT_TRUE(file) << "tests/data/golden.txt is missing; run make accept";
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(GoldenText(), expected.str())
        << "The computer's calls or cards changed. If intended, run make accept and commit.";
}

TEST(Selfplay, SignatureIsStable) {
    CliRun a = Cli({"selfplay", "--from", "1", "--count", "50", "--signature"});
    CliRun b = Cli({"selfplay", "--from", "1", "--count", "50", "--signature"});
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.size(), 17u);
}

}  // namespace
}  // namespace kestrel::cli
