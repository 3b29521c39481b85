#include <gtest/gtest.h>

#include "core/flow.h"
#include "core/pbn.h"
#include "core/random.h"
#include "test_util.h"

namespace kestrel {
namespace {

class DealTest : public test::EngineTest {
protected:
    // Deals hand n with the given dealer through the Same Hand with Same Dealer path.
    void DealNumber(int n, int dealer) {
        G.HandNumber = n;
        G.Dealer = dealer;
        G.ReplayHand = -1;
        G.KeepDealer = -1;
        NewDeal();
    }
};

// The generator is pinned: a change to it would change every saved game and bug report.
struct PinnedDeal {
    int number;
    int dealer;
    const char* deal;
};

class PinnedDealTest : public DealTest, public ::testing::WithParamInterface<PinnedDeal> {};

TEST_P(PinnedDealTest, SameNumberSameDeal) {
    const PinnedDeal& p = GetParam();
    DealNumber(p.number, p.dealer);
    EXPECT_EQ(FormatDeal(p.dealer), p.deal);
    EXPECT_EQ(G.Dealer, p.dealer);
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(G.FillCount[seat], 13);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PinnedDealTest,
    ::testing::Values(
        PinnedDeal{1, South, "S:KJ75.K86.Q2.Q865 A9.3.AKJ9853.JT4 Q643.AJT972..AK7 T82.Q54.T764.932"},
        PinnedDeal{2, West, "W:KQJ86.Q9.T6.Q952 73.AT.A98754.AK3 T2.K64.J32.JT876 A954.J87532.KQ.4"},
        PinnedDeal{32767, North,
                   "N:KT642.AKQ4.532.A A73.7532.A8.QT76 Q98.986.KJ94.K98 J5.JT.QT76.J5432"}));

TEST_F(DealTest, ShuffleGivesEachSeatThirteenDistinctCards) {
    G.Dealer = North;
    Generator().Seed(777);
    DealCards();
    EXPECT_EQ(G.Dealer, East);  // the dealer moves on one seat
    int count[5] = {};
    for (int card = 1; card <= 52; ++card) {
        ASSERT_GE(G.CardOwner[card], 1);
        count[G.CardOwner[card]]++;
    }
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(count[seat], 13);
        for (int i = 1; i <= 13; ++i) EXPECT_EQ(G.CardOwner[G.Hand[seat][i]], seat);
    }
}

TEST_F(DealTest, FirstDealIsBySouthThenTheDealerMovesClockwise) {
    EXPECT_EQ(G.Dealer, 0);
    NewDeal();
    EXPECT_EQ(G.Dealer, South);
    EXPECT_NE(G.CardOwner[1], 0);
    NewDeal();
    EXPECT_EQ(G.Dealer, West);
    G.KeepDealer = -1;  // Same Dealer
    NewDeal();
    EXPECT_EQ(G.Dealer, West);
}

TEST_F(DealTest, SameHandWithSameDealerRepeatsTheDealExactly) {
    DealNumber(4242, East);
    std::string first = FormatDeal(South);
    G.ReplayHand = -1;
    G.KeepDealer = -1;
    NewDeal();
    EXPECT_EQ(FormatDeal(South), first);
    EXPECT_EQ(G.Dealer, East);
    EXPECT_EQ(G.ReplayHand, 0);  // a one-time repeat
}

TEST_F(DealTest, SameHandAloneRotatesCardsAndDealer) {
    DealNumber(99, South);
    int before[53];
    for (int card = 1; card <= 52; ++card) before[card] = G.CardOwner[card];
    G.ReplayHand = -1;
    G.KeepDealer = 0;
    NewDeal();
    EXPECT_EQ(G.Dealer, West);
    for (int card = 1; card <= 52; ++card) EXPECT_EQ(G.CardOwner[card], NextPlayer(before[card]));
    // The same position relative to the dealer: the new dealer holds the old dealer's cards.
    for (int card = 1; card <= 52; ++card)
        if (before[card] == South) {
            EXPECT_EQ(G.CardOwner[card], West);
        }
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(G.FillCount[seat], 13);
}

TEST_F(DealTest, SavedGameDealsItsNumberWithItsDealer) {
    DealNumber(1234, West);
    std::string expected = FormatDeal(South);
    ResetAllState();
    G.HandNumber = 1234;
    G.Dealer = West;
    G.SavedGame = " S2  P  X  X  X  X  X ";  // longer than ten characters
    G.ReplayHand = -1;                          // the Same Hand option must not stop the deal
    NewDeal();
    EXPECT_EQ(FormatDeal(South), expected);
    EXPECT_EQ(G.Dealer, West);
    EXPECT_EQ(G.KeepDealer, 0);
}

TEST_F(DealTest, PickedDealIsPlayedAsPicked) {
    test::SetOwners("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");
    G.Dealer = North;
    G.HandNumber = 77;  // whatever the number, nothing is shuffled
    G.PickedDeal = -1;
    G.ReplayHand = -1;
    G.KeepDealer = -1;
    NewDeal();
    EXPECT_EQ(FormatDeal(North),
              "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");
    EXPECT_EQ(G.Dealer, North);
    EXPECT_EQ(G.PickedDeal, 0);
    EXPECT_EQ(G.ReplayHand, 0);
    EXPECT_EQ(G.KeepDealer, 0);
    EXPECT_EQ(G.SuitInfo[North][Spades].Length, 13);
}

TEST_F(DealTest, ResetClearsThePerHandState) {
    G.Aggressiveness[West] = 4;
    G.Calls[South][3] = 41;
    G.Contract = 41;
    G.BidRound = 5;
    G.CardPlayed[7] = -1;
    G.TricksWon[1] = 9;
    ResetForm();
    for (int seat = 1; seat <= 4; ++seat)
        for (int round = 0; round <= 7; ++round) EXPECT_EQ(G.Calls[seat][round], -1);
    EXPECT_EQ(G.BidRound, 1);
    EXPECT_EQ(G.Contract, 0);
    EXPECT_EQ(G.CardPlayed[7], 0);
    EXPECT_EQ(G.TricksWon[1], 0);
    EXPECT_EQ(G.SeatInfo[West].Points, 2);   // aggressiveness 4 less 2
    EXPECT_EQ(G.SeatInfo[South].Points, 0);
}

TEST_F(DealTest, BestHandsGiveNorthSouthTheStrongerCards) {
    G.Options.BestHands = -1;
    for (int n = 1; n <= 200; ++n) {
        DealNumber(n, South);
        EXPECT_GE(G.SeatInfo[1].Points + G.SeatInfo[3].Points,
                  G.SeatInfo[2].Points + G.SeatInfo[4].Points)
            << "hand " << n;
    }
}

TEST_F(DealTest, WorstHandsGiveNorthSouthTheWeakerCards) {
    G.Options.WorstHands = -1;
    for (int n = 1; n <= 200; ++n) {
        DealNumber(n, South);
        EXPECT_LE(G.SeatInfo[1].Points + G.SeatInfo[3].Points,
                  G.SeatInfo[2].Points + G.SeatInfo[4].Points)
            << "hand " << n;
    }
}

}  // namespace
}  // namespace kestrel
