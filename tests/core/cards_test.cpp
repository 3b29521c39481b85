#include "core/cards.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/text.h"
#include "test_util.h"

namespace kestrel {
namespace {

using test::Card;
using test::EngineTest;

TEST(Seats, ArithmeticAroundTheTable) {
    EXPECT_EQ(NextPlayer(4), 1);
    EXPECT_EQ(NextPlayer(2), 3);
    EXPECT_EQ(PlayerAt(1, -1), 4);
    EXPECT_EQ(PlayerAt(4, 1), 1);
    EXPECT_EQ(PlayerAt(3, 0), 1);
    EXPECT_EQ(PartnerOf(2), 4);
    EXPECT_EQ(PartnerOf(3), 1);
}

TEST(Cards, RankSuitAndDrawingCodes) {
    EXPECT_EQ(CardRank(0), 0);
    EXPECT_EQ(CardSuit(0), 0);
    EXPECT_EQ(CardRank(13), 13);
    EXPECT_EQ(CardSuit(14), 2);
    EXPECT_EQ(CardDrawingCode(52), 3);  // Ace of Spades
    EXPECT_EQ(CardDrawingCode(1), 4);   // Two of Clubs
    EXPECT_EQ(CardDrawingCode(38), 50); // King of Hearts
    EXPECT_EQ(CardDrawingCode(13), 0);  // Ace of Clubs
    EXPECT_EQ(CardDrawingCode(51), 51); // King of Spades
}

TEST(Text, NumbersAndCardNames) {
    EXPECT_EQ(Str(16), " 16");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(CardName(52), " AS");
    EXPECT_EQ(CardName(MakeCard(Hearts, Ten)), " 10H");
    EXPECT_EQ(CardName(MakeCard(Clubs, 1)), " 2C");
    EXPECT_EQ(SuitName(NoTrump), "No Trump ");
}

class PositionTest : public EngineTest {};

TEST_F(PositionTest, PositionFromDealerAndItsFatalError) {
    G.Dealer = West;
    EXPECT_EQ(PositionFromDealer(West), 1);
    EXPECT_EQ(PositionFromDealer(North), 2);
    EXPECT_EQ(PositionFromDealer(East), 3);
    EXPECT_EQ(PositionFromDealer(South), 4);
    EXPECT_THROW(PositionFromDealer(0), FatalErrorException);
    EXPECT_THROW(PositionFromDealer(5), FatalErrorException);
}

// A hand for South: S AK5, H QJ32, D 7, C T9864 (in no particular order).
class HoldingTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        const char* cards[] = {"SA", "SK", "S5", "HQ", "HJ", "H3", "H2", "D7", "CT", "C9", "C8", "C6", "C4"};
        for (int i = 0; i < 13; ++i) G.Hand[South][i + 1] = Card(cards[i]);
        G.CurrentSeat = South;
    }
};

TEST_F(HoldingTest, NthCardInSuitCountsFromTheBottomBeyondSeven) {
    EXPECT_EQ(NthCardInSuit(South, Spades, 1), Card("SA"));
    EXPECT_EQ(NthCardInSuit(South, Spades, 2), Card("SK"));
    EXPECT_EQ(NthCardInSuit(South, Spades, 13), Card("S5"));
    EXPECT_EQ(NthCardInSuit(South, Spades, 12), Card("SK"));
    EXPECT_EQ(NthCardInSuit(South, Clubs, 12), Card("C6"));
    EXPECT_EQ(NthCardInSuit(South, Spades, 5), Card("S5"));   // fewer cards than asked: the lowest
    EXPECT_EQ(NthCardInSuit(South, Spades, 9), Card("S5"));   // replaced n not positive: the lowest
    EXPECT_EQ(NthCardInSuit(South, Diamonds, 13), Card("D7"));
    G.Hand[South][8] = 0;  // the seven of diamonds has been played
    EXPECT_EQ(NthCardInSuit(South, Diamonds, 1), 0);
}

TEST_F(HoldingTest, HoldingQueries) {
    EXPECT_EQ(CountInSuit(South, Hearts), 4);
    EXPECT_EQ(HasCard(Spades, King), -1);
    EXPECT_EQ(HasCard(Spades, Queen), 0);
    EXPECT_EQ(HighestRankOf(South, Hearts), Queen);
    EXPECT_EQ(LowestRankOf(South, Hearts), 1);  // the Two
    EXPECT_EQ(LowestRankOf(South, Diamonds), 6);
    EXPECT_EQ(HighestRankOf(East, Hearts), 0);
    EXPECT_EQ(MyHighest(Clubs), Card("CT"));
    EXPECT_EQ(MyLowest(Clubs), Card("C4"));
    EXPECT_EQ(NextLowerCard(Hearts, Jack), Card("H3"));
    EXPECT_EQ(NextLowerCard(Hearts, 2), Card("H2"));   // none below: the lowest
    EXPECT_EQ(NextLowerCard(Hearts, 1), Card("H2"));
    EXPECT_EQ(NextHigherCard(Hearts, 3), Card("HJ"));
    EXPECT_EQ(NextHigherCard(Hearts, Queen), Card("H2"));  // none above: the lowest
    EXPECT_EQ(NextHigherCard(Spades, 13), Card("S5"));
    EXPECT_EQ(NextLowerCard(Diamonds, 3), Card("D7"));  // nothing below the three: the lowest
    EXPECT_EQ(NextLowerCard(Spades + 0, 13), Card("SK"));
}

TEST_F(HoldingTest, CheapestWinnerAndHighIfItWins) {
    G.SuitLed = Hearts;
    G.WinningCard = Card("H9");
    EXPECT_EQ(CheapestWinner(Hearts), Card("HJ"));
    G.WinningCard = Card("HA");
    EXPECT_EQ(CheapestWinner(Hearts), Card("H2"));  // an Ace cannot be beaten: the lowest
    G.WinningCard = Card("HK");
    EXPECT_EQ(CheapestWinner(Hearts), Card("H2"));  // nothing high enough: the lowest
    EXPECT_EQ(HighIfItWins(Hearts), Card("H2"));    // the Queen cannot win: play low
    G.WinningCard = Card("H9");
    EXPECT_EQ(HighIfItWins(Hearts), Card("HQ"));
    G.WinningCard = Card("HK");
    EXPECT_EQ(HighIfItWins(Spades), Card("SA"));    // not the suit led: the highest
}

// ---------------------------------------------------------------------------
// Arrangement

struct ArrangementCase {
    const char* name;
    int code;
    int lengths[5];  // C D H S (index 1..4)
    int trump;
    const char* order;  // left to right
};

std::string OrderText(const SuitOrder& o) {
    std::string s;
    for (int suit : o) {
        if (!s.empty()) s += '-';
        s += StrainLetter(suit);
    }
    return s;
}

class ArrangementTest : public EngineTest, public ::testing::WithParamInterface<ArrangementCase> {};

TEST_P(ArrangementTest, SuitOrder) {
    const ArrangementCase& c = GetParam();
    for (int s = 1; s <= 4; ++s) G.SuitInfo[South][s].Length = c.lengths[s];
    EXPECT_EQ(OrderText(ArrangementOrder(c.code, South, c.trump)), c.order);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ArrangementTest,
    ::testing::Values(
        // Short Suits on End (and every hand with a void).
        ArrangementCase{"default_no_short", 2159, {0, 3, 3, 3, 4}, 0, "H-S-D-C"},
        ArrangementCase{"short_diamonds", 2159, {0, 4, 2, 3, 4}, 0, "S-H-C-D"},
        ArrangementCase{"short_spades_hearts", 2159, {0, 5, 4, 2, 2}, 0, "S-D-C-H"},
        ArrangementCase{"short_spades", 2159, {0, 4, 4, 3, 2}, 0, "S-H-C-D"},
        ArrangementCase{"minors_left_both", 2259, {0, 2, 2, 5, 4}, 0, "C-H-S-D"},
        ArrangementCase{"minors_left_clubs", 2259, {0, 2, 4, 4, 3}, 0, "C-D-S-H"},
        ArrangementCase{"minors_left_none", 2259, {0, 4, 3, 3, 3}, 0, "D-C-S-H"},
        ArrangementCase{"majors_middle_both", 2359, {0, 4, 4, 2, 2}, 0, "H-C-D-S"},
        ArrangementCase{"majors_middle_hearts", 2359, {0, 3, 3, 2, 5}, 0, "H-S-D-C"},
        ArrangementCase{"majors_middle_spades", 2359, {0, 3, 3, 5, 2}, 0, "S-H-C-D"},
        ArrangementCase{"majors_middle_none", 2359, {0, 3, 3, 3, 4}, 0, "C-H-D-S"},
        ArrangementCase{"minors_middle_both", 2459, {0, 2, 2, 5, 4}, 0, "D-S-H-C"},
        ArrangementCase{"minors_middle_diamonds", 2459, {0, 4, 2, 4, 3}, 0, "D-C-H-S"},
        ArrangementCase{"minors_middle_clubs", 2459, {0, 2, 4, 4, 3}, 0, "C-D-S-H"},
        ArrangementCase{"minors_middle_none", 2459, {0, 4, 3, 3, 3}, 0, "S-D-C-H"},
        // Black on the Left and Red on the Left.
        ArrangementCase{"black_1", 2169, {0, 3, 3, 3, 4}, 0, "S-H-C-D"},
        ArrangementCase{"red_1", 2179, {0, 3, 3, 3, 4}, 0, "H-S-D-C"},
        ArrangementCase{"black_2", 2269, {0, 3, 3, 3, 4}, 0, "C-D-S-H"},
        ArrangementCase{"red_2", 2279, {0, 3, 3, 3, 4}, 0, "D-C-H-S"},
        ArrangementCase{"black_3", 2369, {0, 3, 3, 3, 4}, 0, "C-H-S-D"},
        ArrangementCase{"red_3", 2379, {0, 3, 3, 3, 4}, 0, "D-S-H-C"},
        ArrangementCase{"black_4", 2469, {0, 3, 3, 3, 4}, 0, "S-D-C-H"},
        ArrangementCase{"red_4", 2479, {0, 3, 3, 3, 4}, 0, "H-C-D-S"},
        // A void sends even Black on the Left to the first table.
        ArrangementCase{"void_uses_first_table", 2169, {0, 5, 0, 4, 4}, 0, "S-H-C-D"},
        // Trump placement.
        ArrangementCase{"trump_right_swap", 2159, {0, 3, 3, 3, 4}, Spades, "H-C-D-S"},
        ArrangementCase{"trump_left_rotate", 1159, {0, 3, 3, 3, 4}, Spades, "S-D-C-H"},
        ArrangementCase{"trump_left_swap", 1159, {0, 3, 3, 3, 4}, Diamonds, "D-S-H-C"},
        ArrangementCase{"trump_left_rotate_right", 1159, {0, 3, 3, 3, 4}, Clubs, "C-H-S-D"},
        ArrangementCase{"trump_right_rotate_right", 2159, {0, 3, 3, 3, 4}, Diamonds, "C-H-S-D"},
        ArrangementCase{"trump_right_rotate_left", 2159, {0, 3, 3, 3, 4}, Hearts, "S-D-C-H"},
        ArrangementCase{"trump_void_not_moved", 2159, {0, 5, 4, 0, 4}, Hearts, "H-S-D-C"},
        ArrangementCase{"no_trump_stays", 2159, {0, 3, 3, 3, 4}, NoTrump, "H-S-D-C"}),
    [](const auto& p) { return std::string(p.param.name); });

class SortHandsTest : public EngineTest {};

TEST_F(SortHandsTest, DefaultArrangementPutsAcesOnTheRightAndShortSuitAtTheEnd) {
    // South: S AK52 H QJ3 D 74 C K986 (two diamonds go to the right end).
    test::SetOwners("S:AK52.QJ3.74.K986 QJT9.AK2.QJ3.QJ2 8763.T98.AKT.A54 4.7654.98652.T73");
    for (int card = 1; card <= 52; ++card) G.SuitInfo[G.CardOwner[card]][CardSuit(card)].Length++;
    SortHands();
    // Position 1 is South's right hand: the highest card of the rightmost suit (Diamonds).
    EXPECT_EQ(test::Cards(&G.Hand[South][1], 13), "D7 D4 CK C9 C8 C6 HQ HJ H3 SA SK S5 S2");
    // Aces on the Left reverses each suit.
    G.HandArrangement = 2158;
    SortHands();
    EXPECT_EQ(test::Cards(&G.Hand[South][1], 13), "D4 D7 C6 C8 C9 CK H3 HJ HQ S2 S5 SK SA");
    EXPECT_EQ(G.FillCount[South], 13);
}

TEST(PipOrder, RaiseOrderPerSeat) {
    EXPECT_EQ(PipRaiseOrder(South, -1)[0], 13);
    EXPECT_EQ(PipRaiseOrder(South, 0)[0], 1);
    EXPECT_EQ(PipRaiseOrder(West, -1)[12], 1);
    EXPECT_EQ(PipRaiseOrder(North, -1)[0], 1);
    EXPECT_EQ(PipRaiseOrder(East, 0)[0], 13);
}

}  // namespace
}  // namespace kestrel
