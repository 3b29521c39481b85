#include "bidding/meanings.h"

#include "auction_fixture.h"

namespace kestrel::test {
namespace {

constexpr const char* kDeal = "S:KJ4.Q43.K432.Q32 T98.T98.T98.T987 A65.AK5.AQ5.AK65 Q732.J762.J76.J4";

struct MeaningCase {
    const char* name;
    int dealer;
    const char* calls;
    int seat;  // the seat of the last call
    int min, max;
    const char* what;
};

class Meaning : public AuctionTest, public ::testing::WithParamInterface<MeaningCase> {};

TEST_P(Meaning, RangeAndWhatText) {
    const MeaningCase& m = GetParam();
    Deal(kDeal, m.dealer);
    Calls(m.calls);
    EXPECT_EQ(G.SeatInfo[m.seat].ShownMinPoints, m.min);
    EXPECT_EQ(G.SeatInfo[m.seat].ShownMaxPoints, m.max);
    EXPECT_EQ(LastWhat(), m.what);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, Meaning,
    ::testing::Values(
        MeaningCase{"OneNoTrump", North, "1N", North, 16, 18,
                    "North is  the opener. \nAn opening bid of 1 No Trump indicates 16 to 18 points and a "
                    "square hand. "},
        MeaningCase{"TwoClubs", North, "2C", North, 25, 37,
                    "North is  the opener. \nAn opening bid of 2 Clubs means 25 to 37 points. "},
        MeaningCase{"WeakTwo", North, "2H", North, 9, 12,
                    "North is  the opener. \nAn opening bid of 2 of any suit other than Clubs means 9 to 12 "
                    "points, with a nice long suit. This is a weak 2 bid."},
        MeaningCase{"Preempt", North, "3S", North, 9, 13,
                    "North is  the opener. \nAn opening bid of 3 or more of any suit means 9 to 13 points, "
                    "with a very long suit. This is a preemptive bid. North is really counting quick tricks "
                    "and trump. North is probably down three tricks. "},
        MeaningCase{"OpenerMinimumPass", North, "1H P 1S P P", North, 13, 15,
                    "North is  the opener. \nPassing on the second bid as an opener means the hand has less "
                    "than 16 points. "},
        // Passing partner's redouble of a major changes nothing.
        MeaningCase{"OpenerPassOverRedouble", East, "1H X XX P P", East, 13, 24,
                    "East is  the opener. \nPassing on the second bid as an opener means the hand has less "
                    "than 16 points, unless his partner redoubled; then it says nothing, and the points stay "
                    "at 13 minimum and 24 maximum. "},
        MeaningCase{"OpenerFreeRebid", North, "1H P 1N 2C 2H", North, 16, 24,
                    "North is  the opener. \nBidding as a free bidder on the second bid as an opener means "
                    "16 to  24 points. "},
        MeaningCase{"OpenerReverse", North, "1D P 1S P 2H", North, 16, 18,
                    "North is  the opener. \nShifting from low the first time to high this time is a reverse "
                    "and means  16 minimum and  18 maximum points. "},
        MeaningCase{"OpenerThirdRound", North, "1D P 1S P 2H P 2S P 3S", North, 16, 18,
                    "North is  the opener. \nUnlessNorth is going to game, North can not talk about any "
                    "more points. "},
        MeaningCase{"Raise", North, "1H P 2H", South, 6, 10,
                    "South is the responder. Raising the opener`s suit as the responder means  6 minimum and  "
                    "10 maximum points. "},
        MeaningCase{"JumpRaise", North, "1H P 3H", South, 13, 15,
                    "South is the responder. Raising the opener`s suit by jumping as the responder means  13 "
                    "minimum and  15 maximum points. "},
        // A passed responder's jump raise: 10-12, and never more than 12 later.
        MeaningCase{"PassedHandJumpRaise", South, "P P 1H P 3H", South, 10, 12,
                    "South is the responder. Raising the opener`s suit by jumping after we passed already as "
                    "the responder means  10 minimum and  12 maximum points. If we passed on our first "
                    "opportunity to bid, we can never claim more than 13 points maximum. "},
        MeaningCase{"Stayman", North, "1N P 2C", South, 0, 7,
                    "South is the responder. Bidding Clubs without jumping to the opener`s No Trump as the "
                    "responder means  0 minimum and  7 maximum points. "},
        MeaningCase{"ResponderPassOverMinor", North, "1D P P", South, 0, 6,
                    "South is the responder. Passing when not a freebidder and when the opener bid a minor as "
                    "the responder means  0 minimum and  6 maximum points. "},
        MeaningCase{"ResponseToWeakTwo", North, "2H P 3H", South, 0, 10,
                    "South is the responder. Raising the opener`s suit as the responder means  6 minimum and  "
                    "10 maximum points. All responses to a weak 2 or preempt are based on quick tricks, not "
                    "points. We declare none. "},
        MeaningCase{"ResponderSecondPass", North, "1H P 1S P 2H P P", South, 6, 18,
                    "South is the responder. This is the second bid of the responder. Passing as the "
                    "responder on the second round means no change in points. This hand still has  6 minimum "
                    "and  18 maximum points. "},
        MeaningCase{"TakeoutDouble", East, "1H X", South, 13, 24,
                    "South is  a takeout doubler. Because the last bid made was a suit bid at the 1 level, "
                    "south`s points fall in the range of  13 minimum and  24 maximum. "},
        MeaningCase{"DoublerPassesNext", East, "1H X 2H P P P", South, 13, 16,
                    "South is  a takeout doubler. Passing set the maximum at 3 over the minimum points of  "
                    "13. "},
        MeaningCase{"Overcall", East, "1H 1S", South, 7, 13,
                    "South is  an overcaller. This is a weak 2 bid, so south`s points fall in the range of  7 "
                    "minimum and  13 maximum. "},
        MeaningCase{"Advance", East, "1H 1S P 2S", North, 10, 18,
                    "North is a responder to an overcaller. On the first round, bidding short of game except "
                    "in No Trump means  10 minimum and  18 maximum points. "},
        MeaningCase{"NeverBid", North, "1H P", East, 0, 13,
                    "East is passing, never having bid. his points are set at  0 minimum and  13 maximum. "},
        MeaningCase{"Blackwood", North, "1H P 3H P 4N", North, 21, 24,
                    "The opener bid Blackwood and his minimum points are  34 minus his partner`s points. "},
        // Gerber: the minimum only; the responder had shown no maximum yet.
        MeaningCase{"Gerber", North, "1N P 4C", South, 18, 0,
                    "The responder to the opener bid Gerber and south`s minimum points are  34 minus south`s "
                    "partner`s points. "},
        MeaningCase{"GameAfterRoundOne", North, "1H P 1S P 2H P 4S", South, 13, 18,
                    "Biding No Trump or a major to game, unless it is the first round, means we have  26 "
                    "points minus south`s partner`s minimum points of  13 for the minimum point count. "},
        MeaningCase{"MinorGameAfterRoundOne", North, "1D P 1S P 2D P 5D", South, 16, 18,
                    "Bidding a minor to game, unless it is the first round, means having  29 points minus "
                    "south`s partner`s minimum points of  13 for the minimum point count of  16. "}),
    [](const auto& p) { return p.param.name; });

TEST_F(AuctionTest, DescribeCallDoesNothingOutsideTheAuction) {
    Deal(kDeal, North);
    G.Dealing = 0;
    G.Calls[North][1] = MakeBid(1, NoTrump);
    DescribeCall();
    EXPECT_EQ(G.AuctionWhatText, "");
    EXPECT_EQ(G.SeatInfo[North].ShownMaxPoints, 0);
}

// The user's previews do not accumulate: each starts from his range after his last real call.
TEST_F(AuctionTest, HumanPreviewsRestoreTheSavedRange) {
    Deal(kDeal, North);
    Calls("1H P 1S P 2H P");
    G.HumanSeat = South;
    G.SavedHumanMin = 6;
    G.SavedHumanMax = 18;
    G.Calls[South][2] = MakeBid(4, Spades);
    DescribeCall();
    EXPECT_EQ(G.SeatInfo[South].ShownMinPoints, 13);
    EXPECT_EQ(G.HumanWhatText,
              "Biding No Trump or a major to game, unless it is the first round, means we have  26 points "
              "minus our partner`s minimum points of  13 for the minimum point count. ");
    G.Calls[South][2] = Pass;
    DescribeCall();
    EXPECT_EQ(G.SeatInfo[South].ShownMinPoints, 6);
    EXPECT_EQ(G.SeatInfo[South].ShownMaxPoints, 18);
    EXPECT_EQ(G.HumanWhatText,
              "We are the responder. This is the second bid of the responder. Passing as the responder on "
              "the second round means no change in points. This hand still has  6 minimum and  18 maximum "
              "points. ");
}

}  // namespace
}  // namespace kestrel::test
