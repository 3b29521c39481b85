#include <gtest/gtest.h>

#include <iostream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <vector>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/state.h"
#include "test_util.h"

namespace kestrel::test {
namespace {

struct CliRun {
    int status = 0;
    std::string out, err;
};

// Runs kestrel-cli with the arguments given, catching what it prints.
CliRun RunKestrel(std::vector<const char*> args) {
    args.insert(args.begin(), "kestrel-cli");
    std::ostringstream out, err;
    std::streambuf* old = std::cout.rdbuf(out.rdbuf());
    CliRun r;
    r.status = cli::RunCli(static_cast<int>(args.size()), args.data(), out, err);
    std::cout.rdbuf(old);
    r.out = out.str();
    r.err = err.str();
    return r;
}

class CliScoreTest : public EngineTest {
protected:
    void TearDown() override { SetHost(host); }  // the commands leave their own host behind
};

struct ScoreCliCase {
    const char* name;
    std::vector<const char*> args;
    int below[2], above[2];
    const char* result;
};

std::ostream& operator<<(std::ostream& os, const ScoreCliCase& c) { return os << c.name; }

class ScoreCommand : public CliScoreTest, public ::testing::WithParamInterface<ScoreCliCase> {};

TEST_P(ScoreCommand, AgreesWithTheScoringExamples) {
    const ScoreCliCase& c = GetParam();
    std::vector<const char*> args = {"score"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.push_back("--json");
    CliRun r = RunKestrel(args);
    ASSERT_EQ(r.status, 0) << r.err;
    nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["below"][0], c.below[0]);
    EXPECT_EQ(j["below"][1], c.below[1]);
    EXPECT_EQ(j["above"][0], c.above[0]);
    EXPECT_EQ(j["above"][1], c.above[1]);
    EXPECT_EQ(j["result"], c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ScoreCommand,
    ::testing::Values(
        ScoreCliCase{"FourHeartsEleven", {"--contract", "4H", "--declarer", "S", "--tricks", "11"},
                     {120, 0}, {30, 0}, "You Won"},
        ScoreCliCase{"OneNoTrumpSeven", {"--contract", "1N", "--declarer", "N", "--tricks", "7"},
                     {40, 0}, {0, 0}, "You Won"},
        ScoreCliCase{"TwoSpadesDoubledNine", {"--contract", "2SX", "--declarer", "E", "--tricks", "9"},
                     {0, 120}, {0, 110}, "They Won"},
        ScoreCliCase{"TwoSpadesRedoubledEight", {"--contract", "2sxx", "--declarer", "W", "--tricks", "8"},
                     {0, 240}, {0, 0}, "They Won"},
        ScoreCliCase{"SixClubsNotVulnerable", {"--contract", "6C", "--declarer", "S", "--tricks", "12"},
                     {120, 0}, {500, 0}, "You Won"},
        ScoreCliCase{"SevenNoTrumpVulnerable",
                     {"--contract", "7NT", "--declarer", "S", "--tricks", "13", "--ns-games", "1"},
                     {220, 0}, {1500, 0}, "You Won"},
        ScoreCliCase{"ThreeNoTrumpDoubledVulnerableDownThree",
                     {"--contract", "3NX", "--declarer", "N", "--tricks", "6", "--ns-games", "1", "--ew-games", "1"},
                     {0, 0}, {0, 800}, "You Set"},
        ScoreCliCase{"ThreeNoTrumpDoubledDownThree", {"--contract", "3NX", "--declarer", "N", "--tricks", "6"},
                     {0, 0}, {0, 500}, "You Set"},
        ScoreCliCase{"ThreeNoTrumpDownThree", {"--contract", "3N", "--declarer", "E", "--tricks", "6"},
                     {0, 0}, {150, 0}, "They Set"},
        // The other side's games do not make the declaring side vulnerable.
        ScoreCliCase{"OpponentsVulnerableOnly",
                     {"--contract", "4SX", "--declarer", "S", "--tricks", "8", "--ew-games", "1"},
                     {0, 0}, {0, 300}, "You Set"}),
    [](const ::testing::TestParamInfo<ScoreCliCase>& p) { return std::string(p.param.name); });

TEST_F(CliScoreTest, ScorePrintsPointsAndExplanation) {
    CliRun r = RunKestrel({"score", "--contract", "4SX", "--declarer", "S", "--tricks", "8", "--ns-games", "1",
                    "--ew-games", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "4SX by South, 8 tricks: down 2, vulnerable\n"
              "Result: You Set\n"
              "North-South: 0 below, 0 above\n"
              "East-West: 0 below, 500 above\n"
              "Why: The offense is vulnerable. The offense set. They are vulnerable. We doubled them, 200 "
              "for the first trick, 300 for an additional tricks the offense set by. The totals points to "
              "put above the line are  500.\n");
}

TEST_F(CliScoreTest, ScoreEndsTheRubberWhenTheGameWinsIt) {
    CliRun r = RunKestrel({"score", "--contract", "4S", "--declarer", "W", "--tricks", "10", "--ew-games", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("They get a 750 bonus for winning 2 out of 2. "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Rubber over: You Lose\n"), std::string::npos) << r.out;
}

struct BadInput {
    const char* name;
    std::vector<const char*> args;
    const char* message;
};

std::ostream& operator<<(std::ostream& os, const BadInput& c) { return os << c.name; }

class ScoreBadInput : public CliScoreTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(ScoreBadInput, OneLineErrorExitTwo) {
    const BadInput& c = GetParam();
    std::vector<const char*> args = {"score"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    CliRun r = RunKestrel(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreBadInput,
    ::testing::Values(
        BadInput{"LevelEight", {"--contract", "8H", "--declarer", "S", "--tricks", "7"}, "bad contract '8H'"},
        BadInput{"NotABid", {"--contract", "X", "--declarer", "S", "--tricks", "7"}, "bad contract 'X'"},
        BadInput{"TripleDouble", {"--contract", "4SXXX", "--declarer", "S", "--tricks", "7"}, "bad contract"},
        BadInput{"Seat", {"--contract", "4S", "--declarer", "Q", "--tricks", "7"}, "unknown seat 'Q'"},
        BadInput{"Tricks", {"--contract", "4S", "--declarer", "S", "--tricks", "14"}, "--tricks must be 0 to 13"},
        BadInput{"Games", {"--contract", "4S", "--declarer", "S", "--tricks", "7", "--ns-games", "2"},
                 "--ns-games must be 0 or 1"},
        BadInput{"Missing", {"--contract", "4S", "--declarer", "S"}, "--tricks"}),
    [](const ::testing::TestParamInfo<BadInput>& p) { return std::string(p.param.name); });

// The rubber from hand 1: every point of the totals comes from a hand printed or the bonus.
TEST_F(CliScoreTest, RubberFromOneAddsUp) {
    CliRun r = RunKestrel({"rubber", "--from", "1"});
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    std::regex points(R"(Points: North-South (\d+) below, (\d+) above; East-West (\d+) below, (\d+) above)");
    int sum[3] = {};
    int hands = 0;
    for (std::sregex_iterator it(r.out.begin(), r.out.end(), points), end; it != end; ++it, ++hands) {
        sum[1] += std::stoi((*it)[1]) + std::stoi((*it)[2]);
        sum[2] += std::stoi((*it)[3]) + std::stoi((*it)[4]);
    }
    EXPECT_GT(hands, 1);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"((We|They) get a (750|500) bonus)")));
    sum[m[1] == "We" ? 1 : 2] += std::stoi(m[2]);
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"(\n  Total +(\d+) +(\d+)\n)")));
    EXPECT_EQ(std::stoi(m[1]), sum[1]);
    EXPECT_EQ(std::stoi(m[2]), sum[2]);
    std::string outcome = std::stoi(m[1]) > std::stoi(m[2]) ? "You Win" : "You Lose";
    EXPECT_NE(r.out.find("Rubber over: " + outcome), std::string::npos);
    EXPECT_EQ(r.out.find("MISMATCH"), std::string::npos);
}

TEST_F(CliScoreTest, RubberBadInput) {
    CliRun r = RunKestrel({"rubber", "--from", "0"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "kestrel-cli: --from must be 1 to 32767\n");
}

TEST_F(CliScoreTest, PlayPrintsTheExplanationAndThePad) {
    CliRun r = RunKestrel({"play", "--hand", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nScore: The offense "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n  Pad           We    They\n  Above "), std::string::npos) << r.out;
    CliRun j = RunKestrel({"play", "--hand", "3", "--json"});
    ASSERT_EQ(j.status, 0);
    nlohmann::json score = nlohmann::json::parse(j.out)["score"];
    EXPECT_FALSE(score["explanation"].get<std::string>().empty());
    int added = score["hand"]["above"][0].get<int>() + score["hand"]["above"][1].get<int>() +
                score["hand"]["below"][0].get<int>() + score["hand"]["below"][1].get<int>();
    EXPECT_GT(added, 0);
    EXPECT_EQ(score["pad"]["ns"]["above"].get<int>() + score["pad"]["ew"]["above"].get<int>() +
                  score["pad"]["ns"]["games"][0].get<int>() + score["pad"]["ew"]["games"][0].get<int>(),
              added);
}

TEST_F(CliScoreTest, SelfplayKeepsTheScoreAcrossRubbers) {
    CliRun r = RunKestrel({"selfplay", "--from", "1", "--count", "300", "--check"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"(rubbers: (\d+))")));
    EXPECT_GT(std::stoi(m[1]), 1);
}

// The score check of self-play finds a score that does not add up.
TEST_F(CliScoreTest, CheckFindsAScoreThatDoesNotAddUp) {
    cli::RecordingHost rec;
    int hand = 3;
    cli::PlayHandNumber(hand, cli::DefaultDealer(hand), rec);
    ASSERT_NE(G.Contract, 0);
    EXPECT_EQ(cli::CheckHand(rec), "");
    G.AboveTheLine[2] += 10;
    EXPECT_NE(cli::CheckHand(rec).find("score changed"), std::string::npos);
    G.AboveTheLine[2] -= 10;
    rec.score.afterHand.above[1] += 30;
    EXPECT_NE(cli::CheckHand(rec).find("score after the hand is"), std::string::npos);
    rec.score.afterHand.above[1] -= 30;
    G.PartScore[1] += 10;  // any change from the part score the hand left
    EXPECT_NE(cli::CheckHand(rec).find("part scores do not match"), std::string::npos);
}

}  // namespace
}  // namespace kestrel::test
