#include "bidding/evaluation.h"

#include "auction_fixture.h"
#include "core/flow.h"

namespace kestrel::test {
namespace {

// One South hand and what its count must be.
struct HandCase {
    const char* name;
    const char* south;
    int aggressiveness;
    int points, dummy, quickHalves, biddableSuits, main, second, third;
};

class HandCount : public AuctionTest, public ::testing::WithParamInterface<HandCase> {};

TEST_P(HandCount, CountsPointsTricksAndSuits) {
    const HandCase& h = GetParam();
    G.Aggressiveness[South] = h.aggressiveness;
    Deal(h.south, South);
    const SeatInfoRec& s = G.SeatInfo[South];
    EXPECT_EQ(s.Points, h.points);
    EXPECT_EQ(s.DummyPoints, h.dummy);
    EXPECT_EQ(s.QuickTrickHalves, h.quickHalves);
    EXPECT_EQ(s.BiddableSuits, h.biddableSuits);
    EXPECT_EQ(s.MainSuit, h.main);
    EXPECT_EQ(s.SecondSuit, h.second);
    EXPECT_EQ(s.ThirdSuit, h.third);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, HandCount,
    ::testing::Values(
        // A singleton Ace adds 2 and loses nothing; 4-card suits without points are not biddable.
        HandCase{"SingletonAce", "A.5432.5432.5432", 2, 6, 7, 2, 0, 0, 0, 0},
        // A singleton King: 3 + 2 - 1, as dummy 3 + 3 - 1.
        HandCase{"SingletonKing", "K.5432.5432.5432", 2, 4, 5, 1, 0, 0, 0, 0},
        // Doubleton King-small: 3 + 1, no deduction.
        HandCase{"DoubletonKingSmall", "K2.5432.5432.432", 2, 4, 4, 1, 5, 0, 0, 0},
        // Doubleton Queen-Jack: 3 + 1 - 1; as dummy no deduction.
        HandCase{"DoubletonQueenJack", "QJ.5432.5432.432", 2, 3, 4, 0, 5, 0, 0, 0},
        // Seven cards headed by nothing: 1 + 2 x 2 for length, rerebiddable; three doubletons.
        HandCase{"SevenCardsNoHonour", "8765432.54.54.54", 2, 8, 3, 0, 1, Spades, 0, 0},
        // Four cards with 3 points are not biddable; 4-3-3-3 is a square hand.
        HandCase{"SquareWithFourCardsThreePoints", "K432.543.543.543", 2, 3, 3, 1, 5, 0, 0, 0},
        // 4-4-3-2 with two biddable four-card suits is not square; equal classes keep Spades first.
        HandCase{"TwoFourCardSuitsNotSquare", "A432.A432.543.54", 2, 9, 9, 4, 2, Spades, Hearts, 0},
        // One-suited: the best suit is better in class and points, so it is named second too.
        HandCase{"OneSuitedSwap", "AKJ32.A432.54.54", 2, 15, 14, 6, 2, Spades, Spades, Hearts},
        // A better class moves in front: Hearts rebiddable ahead of Spades, Diamonds third.
        HandCase{"RankByClass", "AQJ2.KT543.AJT9.", 2, 19, 20, 6, 3, Hearts, Spades, Diamonds},
        // A Timid Yarborough stays at 0, not -2.
        HandCase{"TimidYarborough", "8765.876.876.T93", 0, 0, 0, 0, 5, 0, 0, 0},
        // A Reckless seat counts 2 more.
        HandCase{"RecklessOffset", "A.5432.5432.5432", 4, 8, 7, 2, 0, 0, 0, 0}),
    [](const auto& p) { return p.param.name; });

TEST_F(AuctionTest, SuitRecordsOfTheExampleDeal) {
    Deal("S:K.QJ.Q32.AK87654 T943.A92.K54.QJ2 AQJ2.KT543.AJT9. 8765.876.876.T93", South);
    const SuitInfoRec* s = G.SuitInfo[South];
    // Points: singleton King 4, Queen-Jack doubleton 3, Q32 2, seven Clubs 7 + 5.
    EXPECT_EQ(G.SeatInfo[South].Points, 21);
    EXPECT_EQ(G.SeatInfo[South].HighCardPoints, 15);
    EXPECT_EQ(G.SeatInfo[South].DummyPoints, 18);
    EXPECT_EQ(G.SeatInfo[South].Aces, 1);
    EXPECT_EQ(G.SeatInfo[South].Kings, 2);
    // Quick and honour tricks in halves: a bare King half a trick, AK two tricks.
    EXPECT_EQ(s[Spades].QuickTrickHalves, 1);
    EXPECT_EQ(s[Spades].HonourTrickHalves, 2);
    EXPECT_EQ(s[Hearts].QuickTrickHalves, 0);
    EXPECT_EQ(s[Hearts].HonourTrickHalves, 4);
    // A three-card suit whose only honour is the Queen is worth half an honour trick.
    EXPECT_EQ(s[Diamonds].HonourTrickHalves, 1);
    EXPECT_EQ(s[Clubs].QuickTrickHalves, 4);
    EXPECT_EQ(s[Clubs].Biddability, 3);
    EXPECT_EQ(s[Clubs].DealBiddability, 3);
    EXPECT_EQ(s[Clubs].Honours, 2);
    // West: 4-3-3-3 with no biddable suit is square.
    EXPECT_EQ(G.SeatInfo[West].BiddableSuits, 5);
    EXPECT_EQ(G.SeatInfo[West].Points, 10);
    // North's void: 3 points, 5 as dummy.
    EXPECT_EQ(G.SeatInfo[North].Points, 19);
    EXPECT_EQ(G.SeatInfo[North].DummyPoints, 20);
    EXPECT_EQ(G.SuitInfo[North][Hearts].Biddability, 2);
    // AKQ is two quick tricks, AQ one and a half, KQ one.
    EXPECT_EQ(TopHonourCount(North, Diamonds), 3);  // A J T
    EXPECT_EQ(TopHonourCount(South, Clubs), 2);
}

TEST_F(AuctionTest, QuickTricksOfHonourCombinations) {
    Deal("S:AKQ.AQ2.KQ2.5432 J432.J43.J43.AK6 765.K765.A765.Q7 T98.T98.T98.JT98", South);
    EXPECT_EQ(G.SuitInfo[South][Spades].QuickTrickHalves, 4);    // AKQ
    EXPECT_EQ(G.SuitInfo[South][Hearts].QuickTrickHalves, 3);    // AQ
    EXPECT_EQ(G.SuitInfo[South][Diamonds].QuickTrickHalves, 2);  // KQ
    EXPECT_EQ(G.SuitInfo[West][Clubs].QuickTrickHalves, 4);      // AK
    EXPECT_EQ(G.SuitInfo[North][Clubs].QuickTrickHalves, 0);     // Q7
}

TEST_F(AuctionTest, FiveCardMajorOpenerIsFirstOrSecondSeatOnAFiveCardSide) {
    Deal("A.5432.5432.5432", West);
    G.FourCardMajors[2] = 0;  // East-West play five-card majors
    G.FourCardMajors[1] = -1;
    EXPECT_TRUE(FiveCardMajorOpener(West));   // the dealer
    EXPECT_TRUE(FiveCardMajorOpener(North) == false);  // four-card majors
    EXPECT_FALSE(FiveCardMajorOpener(East));  // third seat
    G.FourCardMajors[1] = 0;
    EXPECT_TRUE(FiveCardMajorOpener(North));  // dealer's left-hand opponent
    EXPECT_FALSE(FiveCardMajorOpener(South));
    EXPECT_FALSE(FiveCardMajorOpener(0));
}

// Partner's shown lengths after typical auctions, seen by the seat to act.
TEST_F(AuctionTest, OneNoTrumpShowsDoubletonsAndFitsNoTrump) {
    Deal("S:KJ4.Q43.K432.Q32 T98.T98.T98.T987 A65.AK5.AQ5.AK65 Q732.J762.J76.J4", North);
    Calls("1N P");  // North opens, East passes; South to act
    FindFits(South);
    EXPECT_EQ(G.PartnerBidCount[NoTrump], 1);
    for (int s = Clubs; s <= Spades; ++s) EXPECT_EQ(G.SuitInfo[North][s].ShownLength, 2) << s;
    EXPECT_EQ(G.SeatInfo[South].FirstFit, NoTrump);
    EXPECT_EQ(G.SeatInfo[South].NoTrumpOk, 1);
    // Stayman: 2 Clubs over the No Trump is not a Club suit, seen by the opener.
    Calls("2C P");
    InferPartnerLengths(North);
    EXPECT_EQ(G.SuitInfo[South][Clubs].NaturalTimesBid, 0);
    EXPECT_EQ(G.SuitInfo[South][Clubs].ShownLength, 0);
}

TEST_F(AuctionTest, TwoClubsOpeningAndTheWaitingResponse) {
    Deal("S:K432.Q43.K432.32 T98.T98.T98.T987 AQJ.AKJ6.AQJ.AKQ 765.752.765.J654", North);
    Calls("2C P 2D P 2H P");
    // North's view: the responder's 2 Diamonds is waiting, not Diamonds.
    InferPartnerLengths(North);
    EXPECT_EQ(G.SuitInfo[South][Diamonds].NaturalTimesBid, 0);
    EXPECT_EQ(G.SuitInfo[South][Diamonds].ShownLength, 0);
    // South's view: the 2 Clubs opening is not Clubs; Hearts in North's second round: 4 cards.
    InferPartnerLengths(South);
    EXPECT_EQ(G.SuitInfo[North][Clubs].ShownLength, 0);
    EXPECT_EQ(G.SuitInfo[North][Hearts].ShownLength, 4);
    EXPECT_EQ(G.PartnerBidCount[NoTrump], 0);
}

TEST_F(AuctionTest, OvercallShowsLevelPlusFourAndAdvancerRaiseFourMinusLevel) {
    Deal("S:AQJ32.Q43.K432.2 T98.T98.T98.T987 K54.KJ6.Q765.A54 76.A752.AJ.KQJ63", East);
    Calls("1C 1S P");  // East opens, South overcalls, West passes; North to act
    InferPartnerLengths(North);
    EXPECT_EQ(G.Overcaller, South);
    EXPECT_EQ(G.SuitInfo[South][Spades].ShownLength, 5);
    Calls("2S P");  // North raises; South's view of the advancer
    EXPECT_EQ(G.Advancer, North);
    InferPartnerLengths(South);
    EXPECT_EQ(G.SuitInfo[North][Spades].ShownLength, 3);
    // The opponents' Clubs are counted for South.
    EXPECT_EQ(G.OpponentsBidCount[Clubs], 1);
}

TEST_F(AuctionTest, CueBidIsNotNatural) {
    Deal("S:AQJ32.Q43.K432.2 T98.T98.T98.T987 K54.KJ6.Q765.A54 76.A752.AJ.KQJ63", East);
    Calls("1H 2H P");  // South cue-bids East's Hearts
    InferPartnerLengths(North);
    EXPECT_EQ(G.SuitInfo[South][Hearts].TimesBid, 1);
    EXPECT_EQ(G.SuitInfo[South][Hearts].NaturalTimesBid, 0);
    EXPECT_EQ(G.SuitInfo[South][Hearts].ShownLength, 0);
}

TEST_F(AuctionTest, TopHonoursHeldMakePartnersSuitLong) {
    // North opens 1 Spade; South holds Ace-King of Spades: partner's Spades count as five.
    Deal("S:AK3.Q43.K432.432 T98.T98.T98.T987 QJ542.AKJ.A65.AK 76.7652.QJ7.QJ65", North);
    Calls("1S P");
    FindFits(South);
    EXPECT_EQ(G.SuitInfo[North][Spades].ShownLength, 5);
    EXPECT_EQ(G.SuitInfo[South][Spades].FitLength, 8);
    EXPECT_EQ(G.SeatInfo[South].FirstFit, Spades);
}

TEST_F(AuctionTest, FiveCardMajorOpeningShowsFive) {
    Deal("S:3.Q43.K432.AK432 T98.T98.T98.T987 AKQJ2.AKJ.A65.Q5 7654.7652.QJ7.J6", North);
    G.FourCardMajors[1] = 0;
    Calls("1S P");
    InferPartnerLengths(South);
    EXPECT_EQ(G.SuitInfo[North][Spades].ShownLength, 5);
    G.FourCardMajors[1] = -1;
    InferPartnerLengths(South);
    EXPECT_EQ(G.SuitInfo[North][Spades].ShownLength, 4);
}

TEST_F(AuctionTest, SupportAdjustmentAndPointsForStrain) {
    Deal("S:KJ43.Q5432.2.432 T98.T98.T98.T987 A52.AKJ6.KQ76.A5 Q76.7.AJ543.KQJ6", North);
    Calls("1H P");
    InferPartnerLengths(South);
    // Five Hearts with partner's four: 9 cards +1, Queen +1, no shortness.
    EXPECT_EQ(SupportAdjustment(South, Hearts), 2);
    // A singleton in partner's suit: -3.
    EXPECT_EQ(SupportAdjustment(South, Diamonds), -3);
    EXPECT_EQ(SupportAdjustment(South, NoTrump), 0);
    // Hearts were bid by partner: counted as dummy.
    EXPECT_EQ(PointsForStrain(South, Hearts), G.SeatInfo[South].DummyPoints + 2);
    EXPECT_EQ(PointsForStrain(South, NoTrump), G.SeatInfo[South].HighCardPoints);
    EXPECT_EQ(PointsForStrain(North, Hearts), G.SeatInfo[North].Points);
    EXPECT_EQ(PointsForStrain(South, 0), G.SeatInfo[South].DummyPoints);
}

TEST_F(AuctionTest, ChooseNewSuitModes) {
    // South: Spades and Diamonds biddable, Hearts biddable but bid by the opponents.
    Deal("S:AQ32.AK32.KQ32.2 T98.T98.T98.T987 KJ54.QJ.A54.A654 76.7654.J76.KQJ3", East);
    Calls("1H");
    G.CurrentSeat = South;
    EXPECT_EQ(ChooseNewSuit(South, 1), Spades);
    EXPECT_EQ(ChooseNewSuit(South, 0), Diamonds);
    EXPECT_EQ(ChooseNewSuit(South, 2), Spades);  // equal lengths: the higher suit
    EXPECT_EQ(ChooseNewSuit(South, 7), 0);
    // Around the shortest suit (Clubs): upwards Diamonds; downwards Clubs, then from Spades.
    EXPECT_EQ(ChooseSuitAroundShortest(South, 0), Diamonds);
    EXPECT_EQ(ChooseSuitAroundShortest(South, 1), Spades);
}

TEST_F(AuctionTest, DesperationSuitNeedsTheTen) {
    Deal("S:AQ32.KJT2.J32.32 987.987.987.T987 KJ54.A63.AK4.AQ5 T6.Q54.QT65.KJ64", North);
    Calls("1S P");
    G.WhyText.clear();
    // Spades were bid by partner; Hearts K J T 2 qualify.
    EXPECT_EQ(DesperationSuit(South), Hearts);
    EXPECT_EQ(G.WhyText,
              "We have more than 3 Hearts and more than 3 points. We have the ten. We are desperate to "
              "find any suit that we can possibly bid to keep the bidding open for our partner! ");
    G.WhyText.clear();
    EXPECT_EQ(DesperationSuit(West), 0);
    EXPECT_EQ(G.WhyText, "");
}

// Best Hands gives North-South the better pair of hands on every deal; Worst Hands the worse.
TEST(BestWorstHands, RotationFollowsRealPoints) {
    HeadlessHost host;
    auto totals = [&](int hand, bool best, bool worst) {
        ResetAllState();
        SetHost(host);
        G.Options.BestHands = best ? -1 : 0;
        G.Options.WorstHands = worst ? -1 : 0;
        G.HandNumber = hand;
        G.Dealer = South;
        G.ReplayHand = -1;
        G.KeepDealer = -1;
        NewDeal();
        int ns = G.SeatInfo[1].Points + G.SeatInfo[3].Points;
        int ew = G.SeatInfo[2].Points + G.SeatInfo[4].Points;
        return std::pair{ns, ew};
    };
    int eastWestBetter = 0;
    for (int hand = 1; hand <= 300; ++hand) {
        auto [ns, ew] = totals(hand, false, false);
        if (ew > ns) ++eastWestBetter;
        auto [bns, bew] = totals(hand, true, false);
        EXPECT_GE(bns, bew) << "hand " << hand;
        auto [wns, wew] = totals(hand, false, true);
        EXPECT_LE(wns, wew) << "hand " << hand;
    }
    EXPECT_GT(eastWestBetter, 50);  // the rotation really had work to do
}

}  // namespace
}  // namespace kestrel::test
