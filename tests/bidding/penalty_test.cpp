// Penalty doubles, the partnership's doubled contract, and the search without a fit.
#include "role_fixture.h"

namespace kestrel::test {
namespace {

struct PenaltyCase {
    const char* name;
    const char* south;
    int dealer;
    const char* auction;
    int partnerMin;  // North's shown minimum
    const char* call;
    const char* why;
};

class Penalty : public RoleTest, public ::testing::WithParamInterface<PenaltyCase> {};

TEST_P(Penalty, QuickTricksAgainstTheLevel) {
    const PenaltyCase& c = GetParam();
    Deal(c.south, c.dealer);
    Calls(c.auction);
    ASSERT_EQ(G.CurrentSeat, South);
    G.SeatInfo[North].ShownMinPoints = c.partnerMin;
    G.WhyText.clear();
    EXPECT_EQ(CallCode(PenaltyDoubleCall(South, Pass)), c.call);
    EXPECT_EQ(G.WhyText, c.why);
}

// South holds 3 quick tricks in every case but the last.
constexpr const char* kThreeTricks = "76.A54.AK83.9532";

INSTANTIATE_TEST_SUITE_P(
    Table, Penalty,
    ::testing::Values(
        // Partner shown 14 or more: two and a half quick tricks assumed; the declarer bid behind us.
        PenaltyCase{"MajorGameBehindUs", kThreeTricks, East, "4S", 14, "X",
                    "We are doubling for penalties. We are giving our partner  2.5 quick tricks and we have  3. We have minus one because it was the player behind us that bid last. This gives us a total of  4 quick tricks. That should take care of all of the free tricks. "},
        PenaltyCase{"ThreeNoTrumpFiveTricksIsNotEnough", kThreeTricks, West, "3N P P", 13, "P", ""},
        PenaltyCase{"ThreeNoTrumpSixTricks", kThreeTricks, West, "3N P P", 17, "X",
                    "We are doubling for penalties. We are giving our partner  3.5 quick tricks and we have  3. This gives us a total of  6 quick tricks. That should take care of all of the free tricks. "},
        PenaltyCase{"GrandSlam", kThreeTricks, West, "7S P P", 0, "X",
                    "We are doubling for penalties. We are giving our partner  1 quick tricks and we have  3. We have minus one because the level is over five. This gives us a total of  3 quick tricks. That should take care of all of the free tricks. "},
        PenaltyCase{"MinorGame", kThreeTricks, West, "5C P P", 0, "X",
                    "We are doubling for penalties. We are giving our partner  1 quick tricks and we have  3. This gives us a total of  4 quick tricks. That should take care of all of the free tricks. "},
        PenaltyCase{"ThreeLevelSuitNever", kThreeTricks, West, "3S P P", 20, "P", ""},
        PenaltyCase{"FourLevelMinorNever", kThreeTricks, West, "4D P P", 20, "P", ""},
        PenaltyCase{"SmallSlamShortTrumps", "7654.Q54.Q83.953", West, "6H P P", 0, "P", ""}),
    [](const auto& p) { return p.param.name; });

class Rescue : public RoleTest {
protected:
    void Setup(const char* south, const char* calls) {
        Deal(south, North);
        Calls(calls);
        ASSERT_EQ(G.CurrentSeat, South);
        G.WhyText.clear();
    }
    int Result() { return G.Calls[South][G.BidRound]; }
};

TEST_F(Rescue, RedoubleWhenPartnersSuitIsDoubled) {
    Setup("KQ8.5.AQ8764.KJ5", "1S P 2D P 2H P 3C P 3H X");
    DoubledContractCall(South);
    EXPECT_EQ(CallCode(Result()), "XX");
    EXPECT_EQ(G.WhyText,
              "The last bid was a penalty double. Our partner was the last to bid a contract. If we have one it is not "
              "the ace. We have bid a suit, we need to redouble. This suit is a disaster. Our partner must choose "
              "another suit. ");
}

TEST_F(Rescue, RunToPartnersBestSuitAfterHisRedouble) {
    Setup("KQ8.5.AQ8764.KJ5", "1S P 2D P 2H P 3C P 3H X P P XX P");
    DoubledContractCall(South);
    EXPECT_EQ(CallCode(Result()), "3S");
    EXPECT_EQ(G.WhyText,
              "The last bid was our partner`s redouble. He needs out of this suit. Choose any suit our partner has bid. "
              "Our partner bid Hearts . Our partner bid Spades . We belive the longest suit in the partnership is "
              "Spades . ");
}

TEST_F(Rescue, EscapeToOwnLongSuit) {
    Setup("KQT8765.5.84.A52", "1D P 1S P 3H P P X P P");
    DoubledContractCall(South);
    EXPECT_EQ(CallCode(Result()), "3S");
    EXPECT_EQ(G.WhyText,
              "Our partner`s last bid was doubled and there are 2 passes already. We don`t have the ace or more than "
              "one in his trump suit. Our longest suit is 8 or more, or we have at least six and the jack or better. ");
}

struct CeilingCase {
    const char* name;
    int known;          // the points South knows of between the two hands
    const char* call;   // the call decided before the ceilings
    const char* after;  // the call after them
    const char* why;
};

class Ceiling : public RoleTest, public ::testing::WithParamInterface<CeilingCase> {};

// North opened 1 Hearts and South answered 1 Spades; the ceilings act on South's next call.
TEST_P(Ceiling, LevelCappedByKnownPoints) {
    const CeilingCase& c = GetParam();
    Deal("KQT87.54.Q84.K52", North);
    Calls("1H P 1S P");
    G.SeatInfo[North].ShownMinPoints = c.known - G.SeatInfo[South].Points;
    FindFits(South);
    G.SeatInfo[South].NoTrumpOk = 0;
    G.Calls[South][G.BidRound] = ParseCallCode(c.call);
    G.WhyText.clear();
    NoFitCall(South);
    EXPECT_EQ(CallCode(G.Calls[South][G.BidRound]), c.after);
    EXPECT_EQ(G.WhyText, c.why);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ceiling,
    ::testing::Values(
        CeilingCase{"TwoLevelBelow22", 21, "2S", "P", "The 2 level is just too rich for less than 22 points and we have  21. "},
        CeilingCase{"OneLevelBelow22", 21, "1N", "1N", ""},
        CeilingCase{"ThreeLevelBelow25", 24, "3S", "P",
                    "The 3 level is just too rich for not having an eight card fit and knowing of less than 25 points. We have  24. "},
        CeilingCase{"FourLevelBelow28", 27, "4S", "P",
                    "The 4 level is just too rich for not having an eight card fit and knowing of less than 28 points. We have  27. "},
        CeilingCase{"FiveLevelBelow31", 30, "5C", "P",
                    "The 5 level is just too rich for not having an eight card fit and knowing of less than 31 points. We have  30. "},
        CeilingCase{"FiveOfAMajorBelow35", 33, "5S", "P",
                    "The 5 level is just too rich for not having an eight card fit and knowing of less than 35 points in a major. We have  33 "},
        CeilingCase{"SixOfAMinorBelow35", 33, "6C", "P",
                    "The 6 level is just too rich for not having an eight card fit and knowing of less than 35 points in a minor. We have  33 "},
        CeilingCase{"FiveOfAMinorWith33", 33, "5C", "5C", ""},
        CeilingCase{"NoCeilingFrom35", 35, "6C", "6C", ""}),
    [](const auto& p) { return p.param.name; });

TEST_F(Rescue, TakenOutOfNoTrumpStaysOut) {
    Deal("KQ8.Q54.AQ8.J752", South);
    Calls("1C P 1H P 1N P 2D P");
    G.WhyText.clear();
    FindFits(South);
    NoFitCall(South);
    EXPECT_EQ(G.Bidding.TakenOutOfNoTrump[South], -1);
    EXPECT_EQ(G.SeatInfo[South].NoTrumpOk, -1);
    EXPECT_EQ(G.WhyText.rfind("We bid No Trump and our partner took us out of it. ", 0), 0u) << G.WhyText;
    // Later decisions keep it: the evaluation does not put No Trump back.
    FindFits(South);
    EXPECT_EQ(G.SeatInfo[South].NoTrumpOk, -1);
}

TEST_F(Rescue, ResponderOneNoTrumpMayComeBack) {
    Deal("KQ8.Q54.AQ8.J752", North);
    Calls("1S P 1N P 2C P");
    G.WhyText.clear();
    FindFits(South);
    NoFitCall(South);
    EXPECT_EQ(G.Bidding.TakenOutOfNoTrump[South], 0);
    EXPECT_NE(G.SeatInfo[South].NoTrumpOk, -1);
}

TEST_F(Rescue, SevenCardFitOnlyToTheThreeLevel) {
    Deal("KQT87.54.Q84.K52", North);
    Calls("1H P 1S P 2D P");
    FindFits(South);
    G.SeatInfo[South].NoTrumpOk = 0;
    G.SeatInfo[South].SecondFit = Hearts;
    G.SeatInfo[North].ShownMinPoints = 15;  // 24 or so known: the 3 level is too rich
    G.WhyText.clear();
    NoFitCall(South);
    EXPECT_EQ(CallCode(G.Calls[South][G.BidRound]), "2H");
    EXPECT_EQ(G.WhyText, "We have found a 7 card suit. Don`t go over the 4 level. ");
}

TEST_F(Rescue, SevenCardFitAboveTheThreeLevelPasses) {
    Deal("KQT87.54.Q84.K52", North);
    Calls("1H P 1S 3S 4D P");
    FindFits(South);
    G.SeatInfo[South].NoTrumpOk = 0;
    G.SeatInfo[South].SecondFit = Hearts;
    G.SeatInfo[North].ShownMinPoints = 26 - G.SeatInfo[South].Points;
    G.WhyText.clear();
    NoFitCall(South);
    EXPECT_EQ(G.Calls[South][G.BidRound], Pass);
    EXPECT_EQ(G.WhyText, "");
}

}  // namespace
}  // namespace kestrel::test
