// The opener's and the responder's calls after the first round: the Stayman answers, the
// preempter who has said everything, second bids and later rounds.
#include "bidding/bid_case.h"

namespace kestrel::test {
namespace {

const BidCase kRebids[] = {
    {"StaymanHearts", "N:Q962.Q85.T74.Q96 J85.AT7.K962.J85 AK3.J432.AQ3.K32 T74.K96.J85.AT74", "S", "1N P 2C P", "", "2H",
     "This is our second bid. We bid no trump and our partner did not, so respond to stayman. Our partner raised our suit 1 level. The suit is Clubs. This is the appropriate response to a Stayman convention bid. We have more than 3 Hearts. "},
    {"StaymanBothMajors", "N:AT7.AT7.J852.J85 K96.K96.T74.KT74 J432.Q432.AKQ.A2 Q85.J85.963.Q963", "S", "1N P 2C P", "", "2N",
     "This is our second bid. We bid no trump and our partner did not, so respond to stayman. Our partner raised our suit 1 level. The suit is Clubs. This is the appropriate response to a Stayman convention bid. We have more than 3 of both majors. "},
    {"StaymanNeither", "N:Q962.T74.K96.Q96 J85.K962.Q85.J85 AK3.AJ3.J432.K32 T74.Q85.AT7.AT74", "S", "1N P 2C P", "", "2D",
     "This is our second bid. We bid no trump and our partner did not, so respond to stayman. Our partner raised our suit 1 level. The suit is Clubs. This is the appropriate response to a Stayman convention bid. We don`t have more than 3 of either major. "},
    {"StaymanSpades", "N:AT7.Q962.T74.Q96 K96.J85.K962.J85 J432.AK3.AQ3.K32 Q85.T74.J85.AT74", "S", "1N P 2C P", "", "2S",
     "This is our second bid. We bid no trump and our partner did not, so respond to stayman. Our partner raised our suit 1 level. The suit is Clubs. This is the appropriate response to a Stayman convention bid. We have more than 3 Spades. "},
    {"PreempterPassesRoundTwo", "N:A5.AJ84.AT73.KT6 T4.KT73.Q962.Q95 KQJ9872.5.K4.832 63.Q962.J85.AJ74", "S", "3S P 3N P", "", "P",
     "We said all we had to say when we preempted. "},
    {"RebidOneSuit", "N:K85.Q96.AT74.Q96 J74.J85.K96.AJ85 AQ932.K32.Q32.32 T6.AT74.J85.KT74", "S", "1S P 2C P", "", "2S",
     "This is our second bid. We have between 13 points and 16 points. We have only one biddable suit. This is the second round repeat our suit "},
    {"RebidMajorFitMinimum", "N:K85.Q96.AT74.Q96 J74.J85.K96.AJ85 AQ932.K32.Q32.32 T6.AT74.J85.KT74", "S", "1S P 2D P", "", "2S",
     "This is our second bid. We have between 13 points and 16 points. We have only one biddable suit. This is the second round repeat our suit "},
    {"RebidRaise", "N:K96.A96.AT74.Q96 J85.Q85.K96.AJ85 AQ32.KJ32.Q32.32 T74.T74.J85.KT74", "S", "1S P 2H P", "", "3H",
     "This is our second bid. We have found a fit. Using our partner`s minimum points of  10 and our dummy points of  13we get a total of  23 points. The fit is in a major and the total points are more than 21, but less than 24. Bid to the 3 level, jumping if possible. "},
    {"StaymanMajorToGame", "N:Q962.Q85.T74.Q96 J85.AT7.K962.J85 AK3.J432.AQ3.K32 T74.K96.J85.AT74", "S", "1N P 2C P 2H P 3S P", "", "4S",
     "Our first bid was no trump, and our partner`s first bid was Clubs. Our partner`s last bid was a major. We have more than 2 in his suit, bid it to game. "},
    {"ResponderMinimumPasses", "N:AT6.KT74.Q96.Q96 K95.Q96.AJ8.AJ85 Q8432.32.5432.32 J7.AJ85.KT7.KT74", "N", "1H P 1S P 2C P", "", "P",
     "We have bid at least once. "},
    {"ResponderPrefersFirstSuit", "N:AT6.KT7.AJ85.KT7 K95.Q96.KT74.Q96 Q8432.432.32.432 J7.AJ85.Q96.AJ85", "N", "1H P 1S P 2D P", "", "2H",
     "We have bid at least once. We have more in our partner`s first bid suit than his second, and his first suit was not Clubs. His last bid was redouble. He needs out of this suit! "},
    {"ResponderNoTrumpGame", "N:A963.J85.K96.K96 Q85.AT74.Q85.J85 KJ2.Q32.J432.Q32 T74.K96.AT7.AT74", "N", "1C P 1N P 2N P", "", "3N",
     "We have bid at least once. Our partner liked our no trump bid. Since we have more than 7 high card points let`s go to game."},
    {"TwoNoTrumpOpenerThreeNoTrump", "N:J852.963.J85.AT7 T74.K852.T74.K96 AKQ.AQJ.KQ3.J432 963.T74.A962.Q85", "S", "2N P 3N P", "", "P",
     "This is our second bid. We have found a fit. Using our partner`s minimum points of  4 and our points of  22we get a total of  26 points. The fit is in  no trump. "
     "We have found a fit! Since our partner`s point spread is defined, use his average. We know of  27 points between us and we need  26 to go to the 4 level. Game in No Trump is only the 3 level. "},
    {"TwoNoTrumpOpenerStaymanHearts", "N:J852.963.T74.K96 T74.K85.A962.Q85 AKQ.AQJ2.KQ3.J32 963.T74.J85.AT74", "S", "2N P 3C P", "", "3H",
     "This is our second bid. We bid no trump and our partner did not, so respond to stayman. Our partner raised our suit 1 level. The suit is Clubs. This is the appropriate response to a Stayman convention bid. We have more than 3 Hearts. "},
    {"SevenCardMinorToGame", "N:AJ85.AT74.93.KT7 KT74.Q963.52.Q96 2.K2.AKQJ876.432 Q963.J85.T4.AJ85", "S", "1D P 1S P 3D P 3H P", "", "5D",
     "We have not found a fit yet. We know of between 31 and 34 points. Our partner did not bid 3 No Trump or we don`t like No Trump. We still have a bid left in Diamonds .  Because we have at least 7, we are going to game. "},
};

class LaterCall : public PlayTest, public ::testing::WithParamInterface<BidCase> {};
TEST_P(LaterCall, MakesTheCallAndExplainsIt) { ExpectCall(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, LaterCall, ::testing::ValuesIn(kRebids), CaseName);

}  // namespace
}  // namespace kestrel::test
