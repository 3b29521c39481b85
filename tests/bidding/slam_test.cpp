// How high a fitting partnership goes: partner's assumed points, the ace and king asks and
// their replies, and the part score that already makes game.
#include "role_fixture.h"

namespace kestrel::test {
namespace {

// North opens 1S, South jumps to 3S: a Spade fit with partner's range to play with.
constexpr const char* kFit = "N:AK852.KQ4.A62.Q7 T93.J872.T95.K85 QJ76.A93.KQ84.A3 4.T65.J73.JT9642";

class SlamTest : public RoleTest {
protected:
    // South to act after the calls, with partner's range set as given.
    void Setup(const char* deal, const char* calls, int min, int max) {
        Deal(deal, North);
        Calls(calls);
        G.SeatInfo[North].ShownMinPoints = min;
        G.SeatInfo[North].ShownMaxPoints = max;
        G.WhyText.clear();
        FindFits(South);
    }
    int Result(int seat) { return G.Calls[seat][G.BidRound]; }
};

TEST_F(SlamTest, NarrowRangeIsAveraged) {
    Setup(kFit, "1S P 2S P 3S P", 13, 15);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4S");
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(SlamTest, WideRangeAddsThreeToTheMinimum) {
    Setup(kFit, "1S P 2S P 3S P", 6, 18);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4S");
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(SlamTest, SmallSlamAtOnceWhenNoGrandIsPossible) {
    Setup(kFit, "1S P 2S P 3S P", 19, 20);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "6S");
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(SlamTest, BlackwoodWithThirtySixPoints) {
    Setup(kFit, "1S P 2S P 3S P", 21, 22);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4N");
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(SlamTest, GerberWithThirtySixPointsInANoTrumpAuction) {
    Setup(kFit, "1N P 2S P 3S P", 21, 22);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4C");
    EXPECT_EQ(G.GerberMode, -1);
    EXPECT_EQ(G.WhyText, "");
}

struct ReplyCase {
    const char* name;
    const char* deal;
    const char* call;
};

class AceReply : public SlamTest, public ::testing::WithParamInterface<ReplyCase> {};

// North asks with 4 No Trump after South's jump; South answers by the strain code.
TEST_P(AceReply, StrainCodeCountsAces) {
    Setup(GetParam().deal, "1S P 3S P 4N P", 16, 18);
    ASSERT_EQ(G.AceAsker, North);
    SlamConventionCall(South);
    EXPECT_EQ(CallCode(Result(South)), GetParam().call);
    EXPECT_EQ(G.WhyText, "Our partner wants to know how many aces we have. Clubs = 0, Spades = 3. ");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, AceReply,
    ::testing::Values(ReplyCase{"NoAce", "N:AK852.AK4.A62.A7 T93.J872.T95.K85 QJ76.Q93.KQ84.K3 4.T65.J73.QJT9642", "5C"},
                      ReplyCase{"OneAce", "N:AK852.AK4.K62.A7 T93.J872.T95.K85 QJ76.Q93.AQ84.K3 4.T65.J73.QJT9642", "5D"},
                      ReplyCase{"TwoAces", "N:KQ852.AK4.K62.A7 T93.J872.T95.K85 AJ76.Q93.AQ84.K3 4.T65.J73.QJT9642", "5H"},
                      ReplyCase{"ThreeAces", "N:KQ852.KQ4.K62.A7 T93.J872.T95.K85 AJ76.A93.AQ84.K3 4.T65.J73.QJT9642", "5S"},
                      ReplyCase{"FourAces", "N:KQ852.KQ4.K62.K7 T93.J872.T95.Q85 AJ76.A93.AQ84.A3 4.T65.J73.JT9642", "5N"}),
    [](const auto& p) { return p.param.name; });

TEST_F(SlamTest, AskerReadsFourAcesAndAsksForKings) {
    // North asked and South showed four Aces (5 No Trump).
    Deal("N:KQ852.KQ4.K62.K7 T93.J872.T95.Q85 AJ76.A93.AQ84.A3 4.T65.J73.JT9642", North);
    Calls("1S P 3S P 4N P 5N P");
    G.SeatInfo[South].ShownMinPoints = 22;
    G.WhyText.clear();
    SlamConventionCall(North);
    EXPECT_EQ(CallCode(Result(North)), "5N");
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(SlamTest, DoubledAskIsNotAnswered) {
    Setup(kFit, "1S P 3S P 4N X", 16, 18);
    SlamConventionCall(South);
    EXPECT_EQ(Result(South), Pass);
    EXPECT_EQ(G.WhyText, "They doubled our partner`s last bid. We have no interest in a slam here. ");
}

struct PartScoreCase {
    const char* name;
    int partScore;
    const char* call;
};

class PartScore : public RoleTest, public ::testing::WithParamInterface<PartScoreCase> {};

// North-South hold 2 Spades with a seven-card fit; South's 3 Spades is dropped once the part
// score makes 2 Spades a game.
TEST_P(PartScore, GameAlreadyReached) {
    Deal("N:AK852.K84.962.Q7 T93.J872.T95.K85 QJ7.A93.K84.J632 64.QT65.AQJ73.A4", North);
    G.PartScore[1] = GetParam().partScore;
    Calls("1S P 2S P");
    int call = GameReachedCall(North, MakeBid(3, Spades));
    EXPECT_EQ(CallCode(call), GetParam().call);
}

INSTANTIATE_TEST_SUITE_P(Scores, PartScore,
                         ::testing::Values(PartScoreCase{"FortyMakesGame", 40, "P"},
                                           PartScoreCase{"ThirtyDoesNot", 30, "3S"},
                                           PartScoreCase{"NoPartScore", 0, "3S"}),
                         [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace kestrel::test
