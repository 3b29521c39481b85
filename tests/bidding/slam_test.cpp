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
    // Partner's 13 to 15 counts as 14; with our 19 that is 33.
    Setup(kFit, "1S P 2S P 3S P", 13, 15);
    ASSERT_EQ(PointsForStrain(South, Spades), 19);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4S");
    EXPECT_EQ(G.WhyText,
              "We have found a fit! Since our partner`s point spread is defined, use his average. We know of  33 "
              "between us and we need  29 to go to the 5 level. Game in major is only the 4 level. ");
}

TEST_F(SlamTest, WideRangeAddsThreeToTheMinimum) {
    // Partner's 6 to 18 counts as 9; with our 19 that is 28.
    Setup(kFit, "1S P 2S P 3S P", 6, 18);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4S");
    EXPECT_EQ(G.WhyText,
              "We have found a fit! Since our partner`s point spread is so large, let`s add 3 to his minimum. We know "
              "of  28 points between us and we need  26 to go to the 4 level. The suit is a major. We are not a free "
              "bidder. Bid to game. ");
}

TEST_F(SlamTest, SmallSlamAtOnceWhenNoGrandIsPossible) {
    // 15 + 19 = 34 known, and at most 16 + 19 = 35: no grand slam to look for.
    Setup(kFit, "1S P 2S P 3S P", 15, 16);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "6S");
    EXPECT_EQ(G.WhyText,
              "We have found a fit! Since our partner`s point spread is defined, use his average. When we are going to "
              "look for a slam, we can`t add any points to our partner`s hand. We know of  34 points between us and we "
              "need  34 to look for slam. We know of less than  36 points. We have a small slam for sure, and almost no "
              "posibility of a grand slam. ");
}

TEST_F(SlamTest, BlackwoodWithThirtySixPoints) {
    Setup(kFit, "1S P 2S P 3S P", 17, 18);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4N");
    EXPECT_EQ(G.WhyText,
              "We have found a fit! Since our partner`s point spread is defined, use his average. When we are going to "
              "look for a slam, we can`t add any points to our partner`s hand. We know of  36 points between us and we "
              "need  34 to look for slam. We know of at least  36 points and can bid 4 No Trump. This is asking for "
              "aces, (Blackwood). ");
}

TEST_F(SlamTest, GerberWithThirtySixPointsInANoTrumpAuction) {
    Setup(kFit, "1N P 2S P 3S P", 21, 22);
    FitCall(South);
    EXPECT_EQ(CallCode(Result(South)), "4C");
    EXPECT_EQ(G.GerberMode, -1);
    EXPECT_EQ(G.WhyText,
              "We have found a fit! Since our partner`s point spread is defined, use his average. When we are going to "
              "look for a slam, we can`t add any points to our partner`s hand. We know of  37 points between us and we "
              "need  34 to look for slam. We know of at least  36 points and can bid 4 Clubs. This is asking for aces, "
              "(Gerber). ");
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
    ::testing::Values(ReplyCase{"NoAce", "N:AK852.AQ4.A62.A7 T93.J872.T95.K85 QJ76.K93.KQ84.Q3 4.T65.J73.JT9642", "5C"},
                      ReplyCase{"OneAce", "N:AK852.KQ4.A62.A7 T93.J872.T95.K85 QJ76.A93.KQ84.Q3 4.T65.J73.JT9642", "5D"},
                      ReplyCase{"TwoAces", "N:AK852.KQ4.A62.Q7 T93.J872.T95.K85 QJ76.A93.KQ84.A3 4.T65.J73.JT9642", "5H"},
                      ReplyCase{"ThreeAces", "N:KQ852.KQ4.A62.Q7 T93.J872.T95.K85 AJ76.A93.KQ84.A3 4.T65.J73.JT9642", "5S"},
                      ReplyCase{"FourAces", "N:KQ852.KQ4.K62.Q7 T93.J872.T95.K85 AJ76.A93.AQ84.A3 4.T65.J73.JT9642", "5N"}),
    [](const auto& p) { return p.param.name; });

// The asker's fits were found before his 4 No Trump and are kept; here they are set.
TEST_F(SlamTest, AskerReadsFourAcesAndBidsTheGrand) {
    Deal("N:KQ852.KQ4.K62.Q7 T93.J872.T95.K85 AJ76.A93.AQ84.A3 4.T65.J73.JT9642", North);
    Calls("1S P 3S P 4N P 5N P");
    G.SeatInfo[North].FirstFit = Spades;
    G.SeatInfo[South].ShownMinPoints = 22;
    G.WhyText.clear();
    SlamConventionCall(North);
    EXPECT_EQ(CallCode(Result(North)), "7S");
    EXPECT_EQ(G.WhyText,
              "Our partner has  4 aces and we have  0. That is all the aces, and we have at least 3 kings. Go grand "
              "slam! ");
}

TEST_F(SlamTest, AllTheAcesThenAskForKings) {
    Deal("N:AK852.KQ4.A62.A7 T93.J872.T95.K85 QJ76.A93.KQ84.Q3 4.T65.J73.JT9642", North);
    Calls("1S P 3S P 4N P 5D P");
    G.SeatInfo[North].FirstFit = Spades;
    G.SeatInfo[South].ShownMinPoints = 22;
    G.WhyText.clear();
    SlamConventionCall(North);
    EXPECT_EQ(CallCode(Result(North)), "5N");
    EXPECT_EQ(G.WhyText,
              "Our partner has  1 aces and we have  3. That is all the aces. Let`s look for kings, since the number of "
              "kings our partner could have allows us to stay at the 6 level, leaving the choice of 7 up to us. Bid 5 "
              "No Trump. ");
}

TEST_F(SlamTest, KingReplyAndTheGrand) {
    Deal("N:AK852.KQ4.A62.A7 T93.J872.T95.K85 QJ76.A93.KQ84.Q3 4.T65.J73.JT9642", North);
    Calls("1S P 3S P 4N P 5D P 5N P");
    G.WhyText.clear();
    SlamConventionCall(South);
    EXPECT_EQ(CallCode(Result(South)), "6D");  // one King
    EXPECT_EQ(G.WhyText, "Our partner wants to know how many kings we have. Clubs = 0, Spades = 3. ");
    Calls("6D P");
    G.SeatInfo[North].FirstFit = Spades;
    G.WhyText.clear();
    SlamConventionCall(North);
    EXPECT_EQ(CallCode(Result(North)), "7S");
    EXPECT_EQ(G.WhyText, "We`ve got three or more kings between us and all the ace! Let`s have some fun... ");
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
    Deal("N:AK852.K84.962.Q7 T93.J752.T5.K985 QJ7.A93.K84.J632 64.QT6.AQJ73.AT4", North);
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
