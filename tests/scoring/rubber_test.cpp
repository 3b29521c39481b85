#include "scoring/rubber.h"

#include <gtest/gtest.h>

#include "core/flow.h"
#include "scoring/score_host.h"
#include "test_util.h"

namespace kestrel::test {
namespace {

// The fixed sentences of the explanation, as the scorer writes them.
const std::string kVul = "The offense is vulnerable. ";
const std::string kMinor =
    "The offense gets 20 points below the line for each bid trick and 20 above the line for "
    "every over trick for a total of ";
const std::string kMajor =
    "The offense gets 30 points below the line for each bid trick and 30 above the line for "
    "every over trick for a total of ";
const std::string kNoTrump =
    "The offense gets 40 points for the first and 30 points below the line for each additional "
    "bid trick and 30 above the line for every over trick for a total of ";
const std::string kDoubled =
    "All points are doubled, because the defense doubled, plus 50 points for the insult for a "
    "total of ";
const std::string kRedoubled =
    "All points are quadrupled, because the offense redoubled for a total of ";

class ScoringTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        SetHost(sh);
    }

    // The state the play leaves behind: the contract, declarer and the tricks of his side.
    static void Result(int level, int strain, int doubled, int declarer, int tricks) {
        G.Contract = MakeBid(level, strain);
        G.DoubleState = doubled;
        G.TrumpSuit = strain;
        G.Declarer = declarer;
        G.Dummy = PartnerOf(declarer);
        G.DeclaringSideSum = G.Declarer + G.Dummy;
        G.TricksWon[SideOf(declarer)] = tricks;
        G.TricksWon[3 - SideOf(declarer)] = 13 - tricks;
    }

    ScoreHost sh;
};

// ---------------------------------------------------------------------------------------------
// One hand: every strain family, exact and over tricks, doubling, slams, sets.

struct HandCase {
    const char* name;
    int level, strain, doubled, declarer, tricks;
    bool vulnerable;  // the declaring side has won a game
    int below, above, penalty;
    const char* caption;
    std::string why;
};

std::ostream& operator<<(std::ostream& os, const HandCase& c) { return os << c.name; }

class HandScoring : public ScoringTest, public ::testing::WithParamInterface<HandCase> {};

TEST_P(HandScoring, PointsAndExplanation) {
    const HandCase& c = GetParam();
    int offense = SideOf(c.declarer), defense = 3 - offense;
    if (c.vulnerable) G.GameScore[1][offense] = 100;
    int row = c.vulnerable ? 2 : 1;
    Result(c.level, c.strain, c.doubled, c.declarer, c.tricks);
    ScoreHand();

    EXPECT_EQ(sh.whyAtResult, c.why);
    // The points as they stood when the result was shown (a vulnerable game ends the rubber).
    const GameState& at = sh.atResult;
    EXPECT_EQ(at.GameScore[row][offense], c.below);
    EXPECT_EQ(at.GameScore[row][defense], 0);
    EXPECT_EQ(at.AboveTheLine[offense], c.above);
    EXPECT_EQ(at.AboveTheLine[defense], c.penalty);
    // The result on the waiting window, with the level and the tricks over six.
    EXPECT_TRUE(sh.Logged("labels Bidding|Making"));
    EXPECT_TRUE(sh.Logged("result " + std::string(c.caption) + "|   " + Str(c.level) + "|   " +
                          Str(c.tricks - 6)));
    EXPECT_TRUE(sh.Logged("result Continue||"));
    EXPECT_EQ(sh.scoringAtResult, -1);
    EXPECT_EQ(G.Scoring, 0);
    // A part score is kept; a game clears both.
    if (c.below > 0 && c.below < 100) { EXPECT_EQ(at.PartScore[offense], c.below); }
    if (c.below >= 100) { EXPECT_EQ(at.PartScore[offense], 0); }
    // The pad shows what changed.
    auto shown = [this](ScoreLabel kind, int index) {
        return sh.labelAtResult[static_cast<int>(kind)][index];
    };
    if (c.below > 0) { EXPECT_EQ(shown(ScoreLabel::Game, 2 * (row - 1) + offense), Str(c.below)); }
    if (c.above > 0) { EXPECT_EQ(shown(ScoreLabel::AboveTheLine, offense), Str(c.above)); }
    if (c.penalty > 0) { EXPECT_EQ(shown(ScoreLabel::AboveTheLine, defense), Str(c.penalty)); }
    // Only a game won while vulnerable ends the rubber here.
    EXPECT_EQ(G.WipeScorePending != 0, c.vulnerable && c.below >= 100);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandScoring,
    ::testing::Values(
        HandCase{"MinorExactly", 2, Clubs, 0, South, 8, false, 40, 0, 0, "You Won",
                 kMinor + " 0 above and  40 below the line The grand totals are  0 above and  40 below the line "},
        HandCase{"MinorOverTricks", 3, Diamonds, 0, West, 11, false, 60, 40, 0, "They Won",
                 kMinor + " 40 above and  60 below the line The grand totals are  40 above and  60 below the line "},
        HandCase{"MajorGameOverTrick", 4, Hearts, 0, South, 11, false, 120, 30, 0, "You Won",
                 kMajor + " 30 above and  120 below the line The grand totals are  30 above and  120 below the line "},
        HandCase{"MajorVulnerable", 2, Spades, 0, East, 8, true, 60, 0, 0, "They Won",
                 kVul + kMajor + " 0 above and  60 below the line The grand totals are  0 above and  60 below the line "},
        HandCase{"NoTrumpOne", 1, NoTrump, 0, North, 7, false, 40, 0, 0, "You Won",
                 kNoTrump + " 0 above and  40 below the line The grand totals are  0 above and  40 below the line "},
        HandCase{"NoTrumpGameVulnerable", 3, NoTrump, 0, South, 10, true, 100, 30, 0, "You Won",
                 kVul + kNoTrump + " 30 above and  100 below the line The grand totals are  30 above and  100 below the line "},
        HandCase{"DoubledMadeOverTrick", 2, Spades, 1, East, 9, false, 120, 110, 0, "They Won",
                 kMajor + " 30 above and  60 below the line " + kDoubled +
                     " 110 above and  120 below the line The grand totals are  110 above and  120 below the line "},
        HandCase{"DoubledMadeVulnerable", 3, Clubs, 1, South, 9, true, 120, 50, 0, "You Won",
                 kVul + kMinor + " 0 above and  60 below the line " + kDoubled +
                     " 50 above and  120 below the line The grand totals are  50 above and  120 below the line "},
        HandCase{"RedoubledMadeExactly", 2, Spades, 2, East, 8, false, 240, 0, 0, "They Won",
                 kMajor + " 0 above and  60 below the line " + kRedoubled +
                     " 0 above and  240 below the line The grand totals are  0 above and  240 below the line "},
        HandCase{"RedoubledOverTricksVulnerable", 1, NoTrump, 2, South, 9, true, 160, 240, 0, "You Won",
                 kVul + kNoTrump + " 60 above and  40 below the line " + kRedoubled +
                     " 240 above and  160 below the line The grand totals are  240 above and  160 below the line "},
        HandCase{"SmallSlam", 6, Clubs, 0, West, 12, false, 120, 500, 0, "They Won",
                 kMinor + " 0 above and  120 below the line A small slam nets an additional 500 points. "
                          "The grand totals are  500 above and  120 below the line "},
        HandCase{"SmallSlamVulnerable", 6, Hearts, 0, North, 13, true, 180, 1030, 0, "You Won",
                 kVul + kMajor + " 30 above and  180 below the line A small slam nets an additional 1000 "
                                 "points because we are vulnerable. The grand totals are  1030 above and  "
                                 "180 below the line "},
        HandCase{"GrandSlam", 7, Spades, 0, East, 13, false, 210, 750, 0, "They Won",
                 kMajor + " 0 above and  210 below the line A grand slam nets an additional 750 points. "
                          "The grand totals are  750 above and  210 below the line "},
        HandCase{"GrandSlamVulnerable", 7, NoTrump, 0, South, 13, true, 220, 1500, 0, "You Won",
                 kVul + kNoTrump + " 0 above and  220 below the line A grand slam nets an additional 1500 "
                                   "points because we are vulnerable. The grand totals are  1500 above and  "
                                   "220 below the line "},
        HandCase{"DoubledSlam", 6, Spades, 1, South, 12, false, 360, 550, 0, "You Won",
                 kMajor + " 0 above and  180 below the line " + kDoubled +
                     " 50 above and  360 below the line A small slam nets an additional 500 points. "
                     "The grand totals are  550 above and  360 below the line "},
        HandCase{"SetUndoubled", 3, NoTrump, 0, South, 6, false, 0, 0, 150, "You Set",
                 "The offense set. The defense gets 50 for each trick the offense set by. The totals "
                 "points to put above the line are  150."},
        HandCase{"SetUndoubledVulnerable", 4, Spades, 0, West, 8, true, 0, 0, 200, "They Set",
                 kVul + "The offense set. They are vulnerable. The defense gets 100 for each trick the "
                        "offense set by. The totals points to put above the line are  200."},
        HandCase{"SetDoubledOne", 2, Diamonds, 1, North, 7, false, 0, 0, 100, "You Set",
                 "The offense set. We doubled them, 100 for the first trick, 200 for an additional "
                 "tricks the offense set by. The totals points to put above the line are  100."},
        HandCase{"SetDoubled", 3, NoTrump, 1, South, 6, false, 0, 0, 500, "You Set",
                 "The offense set. We doubled them, 100 for the first trick, 200 for an additional "
                 "tricks the offense set by. The totals points to put above the line are  500."},
        HandCase{"SetDoubledVulnerable", 3, NoTrump, 1, South, 6, true, 0, 0, 800, "You Set",
                 kVul + "The offense set. They are vulnerable. We doubled them, 200 for the first "
                        "trick, 300 for an additional tricks the offense set by. The totals points "
                        "to put above the line are  800."},
        HandCase{"SetRedoubled", 4, Hearts, 2, East, 8, false, 0, 0, 600, "They Set",
                 "The offense set. They redoubled, 200 for the first trick, 400 for an additional "
                 "tricks the offense set by. The totals points to put above the line are  600."},
        HandCase{"SetRedoubledVulnerable", 4, Hearts, 2, East, 8, true, 0, 0, 1000, "They Set",
                 kVul + "The offense set. They are vulnerable. They redoubled, 400 for the first "
                        "trick, 600 for an additional tricks the offense set by. The totals points "
                        "to put above the line are  1000."},
        HandCase{"NoTricksAtAll", 7, NoTrump, 0, North, 0, false, 0, 0, 650, "You Set",
                 "The offense set. The defense gets 50 for each trick the offense set by. The totals "
                 "points to put above the line are  650."}),
    [](const ::testing::TestParamInfo<HandCase>& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------------------------------------
// Games and part scores across hands.

TEST_F(ScoringTest, PartScoresAddUpToGameAndTheNextHandIsInRowTwo) {
    // East-West hold a part score of 40 that the game will cancel.
    Result(2, Diamonds, 0, East, 8);
    ScoreHand();
    EXPECT_EQ(G.PartScore[2], 40);
    // 60 for North-South: a part score.
    Result(2, Hearts, 0, South, 8);
    ScoreHand();
    EXPECT_EQ(G.GameScore[1][1], 60);
    EXPECT_EQ(G.PartScore[1], 60);
    EXPECT_EQ(G.PartScore[2], 40);
    EXPECT_FALSE(IsVulnerable(1));
    // 40 more: 100 exceeds 99, a game; both part scores go.
    Result(2, Clubs, 0, North, 8);
    ScoreHand();
    EXPECT_EQ(G.GameScore[1][1], 100);
    EXPECT_EQ(G.PartScore[1], 0);
    EXPECT_EQ(G.PartScore[2], 0);
    EXPECT_TRUE(IsVulnerable(1));
    EXPECT_FALSE(IsVulnerable(2));
    EXPECT_EQ(CurrentGameRow(), 2);
    // The next hand goes into row 2, and the explanation says North-South are vulnerable.
    Result(1, Spades, 0, South, 7);
    ScoreHand();
    EXPECT_EQ(G.GameScore[2][1], 30);
    EXPECT_EQ(G.GameScore[1][1], 100);
    EXPECT_EQ(G.PartScore[1], 30);
    EXPECT_EQ(sh.whyAtResult.rfind(kVul, 0), 0u);
    EXPECT_EQ(G.RubbersWon[1] + G.RubbersWon[2], 0);
}

TEST_F(ScoringTest, SetContractLeavesPartScoresAlone) {
    G.GameScore[1][1] = 70;
    G.PartScore[1] = 70;
    Result(3, Hearts, 0, West, 8);
    ScoreHand();
    EXPECT_EQ(G.PartScore[1], 70);
    EXPECT_EQ(G.AboveTheLine[1], 50);
    EXPECT_EQ(G.GameScore[1][2], 0);
}

// ---------------------------------------------------------------------------------------------
// The end of the rubber.

struct RubberCase {
    const char* name;
    int rows[4][3];  // the game rows before the last hand
    int aboveBefore[3];
    int declarer, level, strain;  // the last hand, made exactly
    const char* bonusSentence;
    int bonusSide, bonus;
    const char* outcome;
};

std::ostream& operator<<(std::ostream& os, const RubberCase& c) { return os << c.name; }

class RubberEnd : public ScoringTest, public ::testing::WithParamInterface<RubberCase> {};

TEST_P(RubberEnd, BonusTotalsOutcomeAndClearedPad) {
    const RubberCase& c = GetParam();
    for (int row = 1; row <= 3; ++row)
        for (int side = 1; side <= 2; ++side) G.GameScore[row][side] = c.rows[row][side];
    G.AboveTheLine[1] = c.aboveBefore[1];
    G.AboveTheLine[2] = c.aboveBefore[2];
    G.RubbersWon[1] = 3;
    G.RubbersWon[2] = 4;
    G.PartScore[1] = 0;
    G.PartScore[2] = 0;
    G.Options.WhyAlwaysUp = -1;
    Result(c.level, c.strain, 0, c.declarer, 6 + c.level);
    int offense = SideOf(c.declarer);
    int below = c.strain == NoTrump ? 40 + (c.level - 1) * 30 : c.level * (c.strain >= Hearts ? 30 : 20);
    int total[3];
    for (int side = 1; side <= 2; ++side)
        total[side] = c.rows[1][side] + c.rows[2][side] + c.rows[3][side] + c.aboveBefore[side] +
                      (side == offense ? below : 0) + (side == c.bonusSide ? c.bonus : 0);
    ScoreHand();

    // The whole explanation, hand and rubber, in the Why window.
    std::string why = G.WhyText;
    EXPECT_EQ(why.substr(sh.whyAtResult.size()), c.bonusSentence);
    EXPECT_TRUE(sh.Logged("why " + why));
    EXPECT_TRUE(sh.Logged("caption " + std::string(c.outcome)));
    bool weWin = std::string(c.outcome) == "You Win";
    EXPECT_EQ(G.RubbersWon[1], weWin ? 4 : 3);
    EXPECT_EQ(G.RubbersWon[2], weWin ? 4 : 5);
    // The totals were shown before the pad was cleared.
    EXPECT_TRUE(sh.Logged("labels We|They"));
    EXPECT_TRUE(sh.Logged("result Rubbers|" + Str(G.RubbersWon[1]) + "|" + Str(G.RubbersWon[2])));
    EXPECT_TRUE(sh.Logged("rubbers WE " + Str(G.RubbersWon[1]) + "\\THEY " + Str(G.RubbersWon[2])));
    // Two waits: the hand's result and the rubbers.
    EXPECT_EQ(sh.continuesPressed, 2);
    // The pad is clear for the next rubber; the part scores are gone.
    for (int r = 1; r <= 3; ++r)
        for (int side = 1; side <= 2; ++side) EXPECT_EQ(G.GameScore[r][side], 0);
    for (int side = 1; side <= 2; ++side) {
        EXPECT_EQ(G.AboveTheLine[side], 0);
        EXPECT_EQ(G.RubberTotal[side], 0);
        EXPECT_EQ(G.PartScore[side], 0);
        EXPECT_EQ(PadLabel(sh, ScoreLabel::RubberScore, side), "");
    }
    EXPECT_EQ(G.WipeScorePending, -1);
    // The totals shown were the rows, above the line and the bonus.
    EXPECT_EQ(sh.rubberTotal[1], total[1]);
    EXPECT_EQ(sh.rubberTotal[2], total[2]);
    EXPECT_EQ(sh.rubberLabel[1], Str(total[1]));
}

INSTANTIATE_TEST_SUITE_P(
    Table, RubberEnd,
    ::testing::Values(
        RubberCase{"WeTwoNil", {{}, {0, 120, 40}, {0, 0, 0}, {}}, {0, 50, 0}, South, 4, Hearts,
                   "We get a 750 bonus for winning 2 out of 2. ", 1, 750, "You Win"},
        RubberCase{"TheyTwoNil", {{}, {0, 0, 100}, {0, 60, 0}, {}}, {0, 0, 0}, East, 3, NoTrump,
                   "They get a 750 bonus for winning 2 out of 2. ", 2, 750, "You Lose"},
        RubberCase{"TheyTwoOne", {{}, {0, 0, 120}, {0, 100, 0}, {}}, {0, 0, 0}, West, 5, Clubs,
                   "They get a 500 bonus for winning 2 out of 3. ", 2, 500, "You Lose"},
        RubberCase{"WeTwoOne", {{}, {0, 100, 0}, {0, 0, 110}, {0, 0, 60}}, {0, 0, 0}, North, 4,
                   Spades, "We get a 500 bonus for winning 2 out of 3. ", 1, 500, "You Win"},
        // They win 2-0 with 100 + 120 + 750 = 970; we hold exactly 970 above: a tie loses.
        RubberCase{"TieLoses", {{}, {0, 0, 100}, {}, {}}, {0, 970, 0}, East, 4, Spades,
                   "They get a 750 bonus for winning 2 out of 2. ", 2, 750, "You Lose"},
        // One point more and the rubber is ours although they won it.
        RubberCase{"OnePointMoreWins", {{}, {0, 0, 100}, {}, {}}, {0, 971, 0}, East, 4, Spades,
                   "They get a 750 bonus for winning 2 out of 2. ", 2, 750, "You Win"}),
    [](const ::testing::TestParamInfo<RubberCase>& p) { return std::string(p.param.name); });

TEST_F(ScoringTest, RubberTotalsShownBeforeTheWipe) {
    G.GameScore[1][1] = 120;
    G.GameScore[1][2] = 40;
    G.AboveTheLine[2] = 300;
    Result(3, NoTrump, 0, South, 9);
    ScoreHand();
    // 120 + 100 + 750 against 40 + 300.
    EXPECT_EQ(sh.label[static_cast<int>(ScoreLabel::RubberScore)][1], "");
    auto at = [this](const std::string& entry) {
        for (size_t i = 0; i < sh.log.size(); ++i)
            if (sh.log[i] == entry) return static_cast<int>(i);
        return -1;
    };
    ASSERT_GE(at("result You Won|    3|    3"), 0);
    EXPECT_LT(at("result You Won|    3|    3"), at("caption You Win"));
    EXPECT_LT(at("caption You Win"), at("result Rubbers| 1| 0"));
    EXPECT_EQ(G.RubbersWon[1], 1);
    EXPECT_EQ(G.WhyText,
              kVul + kNoTrump + " 0 above and  100 below the line The grand totals are  0 above and  "
                                "100 below the line We get a 750 bonus for winning 2 out of 2. ");
}

TEST_F(ScoringTest, RubberTotalIsGamesPlusAboveTheLine) {
    G.GameScore[1][2] = 100;
    G.GameScore[2][1] = 110;
    G.GameScore[3][1] = 20;
    G.AboveTheLine[1] = 230;
    G.AboveTheLine[2] = 80;
    RestorePartScores();
    // 60 below and 30 above for them: 60 in game 3 is no game yet.
    Result(2, Hearts, 0, West, 9);
    ScoreHand();
    EXPECT_EQ(sh.rubberTotal[1], -1);
    EXPECT_EQ(G.PartScore[1], 20);
    EXPECT_EQ(G.PartScore[2], 60);
    // 60 more: 120 in game 3, they win two games to one.
    Result(2, Spades, 0, East, 8);
    ScoreHand();
    EXPECT_EQ(sh.rubberTotal[1], 110 + 20 + 230);
    EXPECT_EQ(sh.rubberTotal[2], 100 + 120 + 80 + 30 + 500);
    EXPECT_EQ(sh.rubberLabel[1], " 360");
    EXPECT_EQ(G.RubbersWon[2], 1);
}

// ---------------------------------------------------------------------------------------------
// Dont Score Hand, a passed-out hand, one-level hands scored without play.

TEST_F(ScoringTest, DontScoreHandShowsTheResultAndWaitsButScoresNothing) {
    G.Options.DontScoreHand = -1;
    G.GameScore[1][1] = 100;  // a game would end the rubber if it were scored
    G.WhyText = "the last card's reasons";
    Result(4, Spades, 1, South, 10);
    ScoreHand();
    EXPECT_EQ(G.GameScore[2][1], 0);
    EXPECT_EQ(G.AboveTheLine[1], 0);
    EXPECT_EQ(G.RubbersWon[1], 0);
    EXPECT_EQ(G.WhyText, "the last card's reasons");
    EXPECT_TRUE(sh.Logged("result You Won|    4|    4"));
    EXPECT_EQ(sh.continuesPressed, 1);
    EXPECT_FALSE(sh.Logged("show score"));
    EXPECT_EQ(G.WipeScorePending, 0);
}

TEST_F(ScoringTest, PassedOutHandIsNotScored) {
    G.Contract = 0;
    ScoreHand();
    EXPECT_TRUE(sh.log.empty());
    EXPECT_EQ(sh.continuesPressed, 0);
}

TEST_F(ScoringTest, PadComesUpAndGoesAwayUnlessAlwaysUp) {
    Result(1, Clubs, 0, South, 7);
    ScoreHand();
    EXPECT_TRUE(sh.Logged("show score"));
    EXPECT_EQ(sh.log.back(), "hide score");
    sh.log.clear();
    G.Options.ScoreAlwaysUp = -1;
    Result(1, Clubs, 0, South, 7);
    ScoreHand();
    EXPECT_FALSE(sh.Logged("hide score"));
}

// The hand driver scores a one-level contract without play as made exactly: no declarer, the
// declaring side known only from DeclaringSideSum.
TEST_F(ScoringTest, OneLevelWithoutPlayTheirSide) {
    G.Contract = MakeBid(1, Hearts);
    G.TricksWon[2] = 7;
    G.TricksWon[1] = 6;
    G.DeclaringSideSum = 6;
    ScoreHand();
    EXPECT_EQ(G.GameScore[1][2], 30);
    EXPECT_EQ(G.PartScore[2], 30);
    EXPECT_TRUE(sh.Logged("result They Won|    1|    1"));
    EXPECT_EQ(G.WhyText,
              kMajor + " 0 above and  30 below the line The grand totals are  0 above and  30 below the line ");
}

TEST_F(ScoringTest, OneLevelWithoutPlayOurSide) {
    G.Contract = MakeBid(1, NoTrump);
    G.TricksWon[1] = 7;
    G.TricksWon[2] = 6;
    G.DeclaringSideSum = 0;
    ScoreHand();
    EXPECT_EQ(G.GameScore[1][1], 40);
    EXPECT_TRUE(sh.Logged("result You Won|    1|    1"));
}

// ---------------------------------------------------------------------------------------------
// Honours, scored when the dummy goes down.

struct HonoursCase {
    const char* name;
    int strain, declarer;
    const char* cards[5];  // cards that must lie with each seat (1 South .. 4 East)
    int bonus, markedSeat;
};

std::ostream& operator<<(std::ostream& os, const HonoursCase& c) { return os << c.name; }

// Deals the given cards to their seats and the rest, in card order, to whoever has room.
void DealWith(const char* const cards[5]) {
    int count[5] = {};
    for (int card = 1; card <= 52; ++card) G.CardOwner[card] = 0;
    for (int seat = 1; seat <= 4; ++seat)
        for (const std::string& code : SplitWords(cards[seat])) {
            int card = Card(code.c_str());
            ASSERT_NE(card, 0) << code;
            ASSERT_EQ(G.CardOwner[card], 0) << code;
            G.CardOwner[card] = seat;
            ++count[seat];
        }
    for (int card = 1; card <= 52; ++card) {
        if (G.CardOwner[card] != 0) continue;
        int seat = 1;
        while (count[seat] == 13) ++seat;
        G.CardOwner[card] = seat;
        ++count[seat];
    }
}

class Honours : public ScoringTest, public ::testing::WithParamInterface<HonoursCase> {};

TEST_P(Honours, DummyFirstThenDeclarerNeverDefendersNorNoTrump) {
    const HonoursCase& c = GetParam();
    DealWith(c.cards);
    Result(4, c.strain, 0, c.declarer, 0);
    G.TricksWon[1] = G.TricksWon[2] = 0;
    int side = SideOf(c.declarer);
    ScoreHonours();
    EXPECT_EQ(G.AboveTheLine[side], c.bonus);
    EXPECT_EQ(G.AboveTheLine[3 - side], 0);
    if (c.bonus == 0) {
        EXPECT_TRUE(sh.log.empty());
        EXPECT_EQ(sh.continuesPressed, 0);
    } else {
        std::string mark = "mark " + std::to_string(c.markedSeat) + " " + std::to_string(c.strain);
        ASSERT_EQ(sh.log.size(), 4u);
        EXPECT_EQ(sh.log[0], mark + " out");
        EXPECT_EQ(sh.log[1], "caption " + std::to_string(c.bonus) + " Honors");
        EXPECT_EQ(sh.log[2], mark + " back");
        EXPECT_EQ(sh.log[3], "caption Continue");
        EXPECT_EQ(sh.continuesPressed, 1);
        EXPECT_EQ(PadLabel(sh, ScoreLabel::AboveTheLine, side), Str(c.bonus));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Honours,
    ::testing::Values(
        // South declares with North the dummy unless said otherwise.
        HonoursCase{"DummyAllFive", Spades, South, {"", "", "", "SA SK SQ SJ ST", ""}, 150, North},
        HonoursCase{"DeclarerFourDummyNothing", Spades, South, {"", "SA SK SQ SJ", "", "", "ST"}, 100, South},
        HonoursCase{"DeclarerAllFive", Spades, South, {"", "SA SK SQ SJ ST", "", "", ""}, 150, South},
        HonoursCase{"DummyFourDeclarerTheTen", Spades, South, {"", "ST", "", "SA SK SQ SJ", ""}, 100, North},
        HonoursCase{"DummyWithoutTheAce", Spades, South, {"", "", "", "SK SQ SJ ST", "SA"}, 0, 0},
        HonoursCase{"FourWithoutTheJack", Spades, South, {"", "", "SJ", "SA SK SQ ST", ""}, 0, 0},
        HonoursCase{"SplitBetweenDeclarerAndDummy", Hearts, South, {"", "HA HK", "", "HQ HJ HT", ""}, 0, 0},
        HonoursCase{"DefendersNeverScore", Spades, South, {"", "", "SA SK SQ SJ ST", "", ""}, 0, 0},
        HonoursCase{"NoTrumpNever", NoTrump, South, {"", "SA HA DA CA", "", "SK SQ SJ ST", ""}, 0, 0},
        HonoursCase{"MinorDeclarer", Clubs, South, {"", "CA CK CQ CJ", "", "CT", ""}, 100, South},
        // East declares hearts with West the dummy holding all five.
        HonoursCase{"TheirDummy", Hearts, East, {"", "", "HA HK HQ HJ HT", "", ""}, 150, West}),
    [](const ::testing::TestParamInfo<HonoursCase>& p) { return std::string(p.param.name); });

TEST_F(ScoringTest, ShowDummyScoresHonours) {
    const char* cards[5] = {"", "", "", "SA SK SQ SJ ST", ""};
    DealWith(cards);
    G.Contract = MakeBid(4, Spades);
    G.TrumpSuit = Spades;
    G.Declarer = South;
    G.Dummy = North;
    G.DeclaringSideSum = 4;
    ShowDummy();
    EXPECT_EQ(G.AboveTheLine[1], 150);
    EXPECT_TRUE(sh.Logged("caption 150 Honors"));
}

// Honours of a hand that is abandoned before its score do not stay on the pad; those of a
// scored hand do.
TEST_F(ScoringTest, HonoursOfAnAbandonedHandAreTakenBack) {
    const char* cards[5] = {"", "", "", "SA SK SQ SJ ST", ""};
    DealWith(cards);
    G.AboveTheLine[1] = 40;
    Result(4, Spades, 0, South, 10);
    ScoreHonours();
    EXPECT_EQ(G.AboveTheLine[1], 190);
    WithdrawUnfinishedHonours();
    EXPECT_EQ(G.AboveTheLine[1], 40);
    EXPECT_EQ(PadLabel(sh, ScoreLabel::AboveTheLine, 1), " 40");
    // Scored this time: the 150 stays.
    ScoreHonours();
    ScoreHand();
    WithdrawUnfinishedHonours();
    EXPECT_EQ(G.AboveTheLine[1], 40 + 150 + 0);
    EXPECT_EQ(G.GameScore[1][1], 120);
}

TEST_F(ScoringTest, NextDealTakesBackHonoursOfTheAbandonedHand) {
    G.AboveTheLine[1] = 100;
    G.HonoursPending[1] = 100;
    // A whole hand played by the computer.
    G.HumanSeat = 0;
    G.HandNumber = 3;
    G.Dealer = North;
    G.ReplayHand = -1;
    G.KeepDealer = -1;
    MenuDeal_Click();
    EXPECT_EQ(sh.aboveAtDeal[1], 0);
    EXPECT_EQ(G.HonoursPending[1], 0);
}

// ---------------------------------------------------------------------------------------------
// Restoring part scores, clearing commands, the pad.

struct RestoreCase {
    const char* name;
    int rows[4][3];
    int part1, part2;
};

std::ostream& operator<<(std::ostream& os, const RestoreCase& c) { return os << c.name; }

class RestoreParts : public ScoringTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreParts, FromTheLatestOpenRow) {
    const RestoreCase& c = GetParam();
    for (int row = 1; row <= 3; ++row)
        for (int side = 1; side <= 2; ++side) G.GameScore[row][side] = c.rows[row][side];
    G.PartScore[1] = G.PartScore[2] = 999;
    RestorePartScores();
    EXPECT_EQ(G.PartScore[1], c.part1);
    EXPECT_EQ(G.PartScore[2], c.part2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RestoreParts,
    ::testing::Values(RestoreCase{"Empty", {{}, {}, {}, {}}, 0, 0},
                      RestoreCase{"BothInRowOne", {{}, {0, 60, 40}, {}, {}}, 60, 40},
                      RestoreCase{"RowTwoAfterAGame", {{}, {0, 120, 40}, {0, 0, 70}, {}}, 0, 70},
                      RestoreCase{"RowThree", {{}, {0, 120, 0}, {0, 0, 110}, {0, 30, 0}}, 30, 0},
                      // A won game is no part score: a fresh game after one won has none.
                      RestoreCase{"GameJustWonInRowOne", {{}, {0, 120, 40}, {}, {}}, 0, 0},
                      RestoreCase{"TwoGamesWonRowThreeEmpty", {{}, {0, 120, 0}, {0, 0, 110}, {}}, 0, 0}),
    [](const ::testing::TestParamInfo<RestoreCase>& p) { return std::string(p.param.name); });

void FillScores() {
    G.GameScore[1][1] = 120;
    G.GameScore[2][2] = 60;
    G.AboveTheLine[1] = 50;
    G.AboveTheLine[2] = 300;
    G.RubberTotal[1] = 10;
    G.PartScore[2] = 60;
    G.RubbersWon[1] = 2;
    G.RubbersWon[2] = 5;
}

bool ScoresCleared() {
    for (int row = 1; row <= 3; ++row)
        for (int side = 1; side <= 2; ++side)
            if (G.GameScore[row][side] != 0) return false;
    for (int side = 1; side <= 2; ++side)
        if (G.AboveTheLine[side] != 0 || G.RubberTotal[side] != 0) return false;
    return true;
}

TEST_F(ScoringTest, WipeOutScoreKeepsRubbersAndPartScores) {
    FillScores();
    sh.label[static_cast<int>(ScoreLabel::Game)][1] = " 120";
    WipeOutScore();
    EXPECT_TRUE(ScoresCleared());
    EXPECT_EQ(G.PartScore[2], 60);
    EXPECT_EQ(G.RubbersWon[2], 5);
    EXPECT_EQ(PadLabel(sh, ScoreLabel::Game, 1), "");
}

TEST_F(ScoringTest, ClearScorePadEmptiesLabelsOnlyWhenThePadIsOpen) {
    FillScores();
    sh.label[static_cast<int>(ScoreLabel::Game)][1] = " 120";
    MenuClearScorePad();
    EXPECT_TRUE(ScoresCleared());
    EXPECT_EQ(G.PartScore[2], 0);
    EXPECT_EQ(G.RubbersWon[2], 5);
    EXPECT_EQ(PadLabel(sh, ScoreLabel::Game, 1), " 120");  // closed: nothing drawn
    G.ScoreShown = -1;
    MenuClearScorePad();
    EXPECT_EQ(PadLabel(sh, ScoreLabel::Game, 1), "");
}

TEST_F(ScoringTest, ClearRubberScoresChangesTheCaptionOnly) {
    FillScores();
    MenuClearRubberScores();
    EXPECT_EQ(G.RubbersWon[1], 0);
    EXPECT_EQ(G.RubbersWon[2], 0);
    EXPECT_EQ(G.AboveTheLine[2], 300);
    EXPECT_EQ(sh.log, std::vector<std::string>{"rubbers WE  0\\THEY  0"});
}

TEST_F(ScoringTest, ClearAllScores) {
    FillScores();
    MenuClearAllScores();
    EXPECT_TRUE(ScoresCleared());
    EXPECT_EQ(G.PartScore[2], 0);
    EXPECT_EQ(G.RubbersWon[1] + G.RubbersWon[2], 0);
    EXPECT_TRUE(sh.Logged("rubbers WE  0\\THEY  0"));
}

TEST_F(ScoringTest, RubbersCaptionWritesBothCounts) {
    G.RubbersWon[1] = 12;
    G.RubbersWon[2] = 3;
    EXPECT_EQ(RubbersCaption(), "WE  12\\THEY  3");
}

TEST_F(ScoringTest, LoadScorePadLeavesZeroLabelsEmpty) {
    G.GameScore[1][2] = 70;
    G.AboveTheLine[1] = 50;
    LoadScorePad();
    EXPECT_EQ(PadLabel(sh, ScoreLabel::Game, 2), " 70");
    EXPECT_EQ(PadLabel(sh, ScoreLabel::Game, 1), "");
    EXPECT_EQ(PadLabel(sh, ScoreLabel::AboveTheLine, 1), " 50");
    EXPECT_EQ(PadLabel(sh, ScoreLabel::AboveTheLine, 2), "");
}

}  // namespace
}  // namespace kestrel::test
