// The opener's second bid: the stops before the point table (redoubled major, free bidder,
// ace ask, fits, narrow range, redouble, values already shown), the point table's second-round
// outcomes, the five-card-major opener's rebids and the cap opposite a partner who showed nothing.
#include "bidding/bid_case.h"

namespace kestrel::test {
namespace {

const BidCase kSecondBids[] = {
    {"RedoubledMajorIsGame", "N:K6.AJT96.KT.AQ84 4.874.A9754.JT65 AQ932.K32.Q32.32 JT875.Q5.J86.K97", "S", "1S X XX P", "", "P",
     "This is our second bid. One of a major doubled is game. "},
    {"FreeBidderUnderSixteenPasses", "N:K6.AJT96.KT.AQ84 4.874.A9754.JT65 AQ932.K32.Q32.32 JT875.Q5.J86.K97", "S", "1S P 2S 3C", "", "P",
     "This is our second bid. We are a free bidder and we have less than 16 points. "},
    {"AceAskAnswered", "N:K6.AJT96.KT.AQ84 4.874.A9754.JT65 AQ932.K32.Q32.32 JT875.Q5.J86.K97", "S", "1S P 4N P", "", "5D",
     "This is our second bid. Our partner wants to know how many aces we have. Clubs = 0, Spades = 3. "},
    {"MinorFitGameValues", "N:K853.AQ952.4.Q84 6.JT76.KT65.JT65 A2.K3.AQ9832.K32 QJT974.84.J7.A97", "S", "1D P 2D P", "", "5D",
     "This is our second bid. We have found a fit. Using our partner`s minimum points of  6 and our points of  21we get a total of  27 points. We have a minor suit fit and more than 26 points. We have found a fit! Since our partner`s point spread is less than 6 points, Let`s average his minimum and his maximum. We know of  29 between us and we need  29 to go to the 5 level. Game in a minor is only the 5 level "},
    {"MinorFitExtraValues", "N:A853.AQ952.5.A84 6.JT76.KT76.QT65 Q2.K3.AQ932.KJ32 KJT974.84.J84.97", "S", "1D P 2D P", "", "3D",
     "This is our second bid. We have found a fit. Using our partner`s minimum points of  6 and our points of  17we get a total of  23 points. We have less than 27 points, but we do have more points than advertised If the fit is in the suit that we bid in the first round, rebid it as high as the 3 level, otherwise jump the fit high as the 3 level. "},
    {"MinorFitLooksForMajor", "N:A853.AQ84.J.AQ84 6.T965.T754.JT65 K2.KJ32.AQ932.32 QJT974.7.K86.K97", "S", "1D P 2D P", "", "2H",
     "This is our second bid. We have found a fit. Using our partner`s minimum points of  6 and our points of  16we get a total of  22 points. We have a fit in a minor. Lets look for second fit preferably in a major. But don`t bid it over the 3 level. "},
    {"NarrowRangeLaterRules", "N:K6.AJT96.KT.AQ84 4.874.A9754.JT65 AQ932.K32.Q32.32 JT875.Q5.J86.K97", "S", "1S P 1N P", "", "2S",
     "This is our second bid. We have not found a fit yet. Our partner`s last bid was No Trump and that is not ok with us!"},
    {"PartnerRedoubledFreeBidderPasses", "N:K6.AT985.J9.AQ84 4.76.KQ8643.JT65 AQ932.KQ32.A2.32 JT875.J4.T75.K97", "S", "1S X XX 2C", "", "P",
     "This is our second bid. Our partner`s last bid was redouble and we are a free bidder. "},
    {"FreeBidderHasToldPartner", "N:J63.JT96.QT3.Q84 4.874.K9754.JT65 AKQ.AKQ32.A2.K32 T98752.5.J86.A97", "S", "2C P 2D 3S", "", "P",
     "This is our second bid. We are a free bidder and we have told our partner how many points we have. "},
    {"LowerSuitSecond", "N:K6.AT985.J9.AQ84 4.76.AK8643.JT65 AQ932.KJ32.Q2.32 JT875.Q4.T75.K97", "S", "1S P 2C P", "", "2H",
     "This is our second bid. We have between 13 points and 16 points. We have more than one biddable suit. This is the second round. We should have bid our higher suit first, and our lower suit this time. "},
    {"HigherSuitSecond", "N:K6.Q9874.J9.AQ84 4.65.KQ8643.JT65 AQ932.AKJ32.2.32 JT875.T.AT75.K97", "S", "1H P 2C P", "", "2S",
     "This is our second bid. We have between 16 points and 19 points. We have more than one biddable suit. This is the second round. We should have bid the lower suit first and the higher suit now. "},
    {"SixteenFreeBidderNoJump", "N:J5.QT985.KT.AQ84 .A762.A9754.JT65 AKQ932.K3.Q32.32 T8764.J4.J86.K97", "S", "1S 2C 2D 3C", "", "3S",
     "This is our second bid. We have between 16 points and 19 points. We have only one biddable suit. This is the second round. Since we are a free bidder don`t jump. "},
    {"SquareSixteenLooksForMajor", "N:A74.KJT72.Q4.K84 5.9854.T865.JT65 KQ2.AQ3.KJ32.Q32 JT9863.6.A97.A97", "S", "1C P 1H P", "", "2D",
     "This is our second bid. We have between 16 points and 19 points. We have a square hand. This is the second round. If we have a biddable major, bid it to the 2 level. We have not found a fit yet. We know of between 22 and 25 points. With less than 25 known points, go no higher than game on the first unplanned bid without having found a fit."},
    {"NineteenShiftToRealSuit", "N:J5.QT985.KT.AQ84 2.762.A9754.JT65 AKQ93.AK3.Q32.32 T8764.J4.J86.K97", "S", "1C P 1D P", "", "2S",
     "This is our second bid. We have between 19 points and 22 points. We have only one biddable suit. This is the second round. Shift to our real suit. Jump, if we can up, to the 4 level, otherwise just bid our suit. "},
    {"NineteenLowerSuitJumps", "N:Q6.AT985.J9.AQ84 4.76.KQ8643.JT65 AKJ32.KQ32.A2.32 T9875.J4.T75.K97", "S", "1S P P 2C", "", "3H",
     "This is our second bid. We have between 19 points and 22 points. We have more than one biddable suit. This is the second round. We should have bid our higher suit the first time. Bid our lower suit next time. Jump if we can up to the 4 level, otherwise just bid our suit. "},
    {"NineteenSquareNoTrumpJump", "N:Q74.AJT72.Q4.Q84 5.9854.T865.JT65 AK2.KQ3.KJ32.A32 JT9863.6.A97.K97", "S", "1C P 1H P", "", "2N",
     "This is our second bid. We have between 19 points and 22 points. We have a square hand. This is the second round, we should have lied in Clubs on the first round, Go to game in no trump, jumping if possible. "},
    {"TwentyTwoShiftJumps", "N:J5.J9874.J9.AQ84 .Q65.AK8643.JT65 AKQ932.AK3.Q2.32 T8764.T2.T75.K97", "S", "1C P 1D P", "", "2S",
     "This is our second bid. We have between 22 points and 25 points. We have only one biddable suit. This is the second round. Shift to our longest, strongest suit, jumping as high as the 4 level, unless they have bid our suit, in which case double. "},
    {"TwentyTwoDoubleJumpShift", "N:Q6.Q9874.T8.KJ73 4.65.QJ753.AT954 AKJ32.AKJ32.K2.2 T9875.T.A964.Q86", "S", "1S P 2C P", "", "4H",
     "This is our second bid. We have between 22 points and 25 points. We have more than one biddable suit. This is the second round. We should have bid the lower suit first, then bid the higher suit this time. Jump,if we can, up to the 4 level. Otherwise just bid our suit. We know of enough to go to game in a major double jump shift. "},
    {"TwentyTwoOverGameKeepsSuit", "N:Q6.Q9874.T8.KJ73 4.65.QJ753.AT954 AKJ32.AKJ32.K2.2 T9875.T.A964.Q86", "S", "1S 4H P P", "", "4S",
     "This is our second bid. We have between 22 points and 25 points. We have more than one biddable suit. This is the second round. We should have bid the lower suit first, then bid the higher suit this time. Jump,if we can, up to the 4 level. Otherwise just bid our suit. "},
    {"BarnburnerShowsSuit", "N:T5.T8763.J9.AJ73 .J54.KQ8643.T954 AKQJ32.AKQ.A2.K2 98764.92.T75.Q86", "S", "2C P 2D P", "", "2S",
     "This is our second bid. We have more than 25 points. This is the second round. Shift to our real suit . "},
    {"BarnburnerDoublesStolenSuit", "N:T5.T8763.J9.AJ73 .J54.KQ8643.T954 AKQJ32.AKQ.A2.K2 98764.92.T75.Q86", "S", "2C 2S P P", "", "X",
     "This is our second bid. We have more than 25 points. This is the second round. Shift to our real suit unless they bid our suit. Then double. "},
    {"BarnburnerMajorOverMinor", "N:J6.T8763.T8.KJ73 4.54.QJ753.AT954 AKQ32.AKQJ2.A2.2 T9875.9.K964.Q86", "S", "2C P 2D P", "", "2S",
     "This is our second bid. We have more than 25 points. We have more than one biddable suit. This is the second round. Bid a major over a minor. "},
    {"UnknownPartnerCapsAtThree", "N:J5.QT985.KT.AQ84 2.762.A9754.JT65 AKQ93.AK3.Q32.32 T8764.J4.J86.K97", "S", "1C P P 2S", "", "3S",
     "This is our second bid. We have between 19 points and 22 points. We have only one biddable suit. This is the second round. Shift to our real suit. Jump, if we can up, to the 4 level, otherwise just bid our suit. Our partner has not declared any points. If we give him 4 for the benefit of the doubt, we still have less than 25 points between us. It is the better part of valor not to go over the 3 level. Since we did not have to jump, we won`t. "},
    {"UnknownPartnerCapPasses", "N:J5.QT985.KT.AQ84 2.762.A9754.JT65 AKQ93.AK3.Q32.32 T8764.J4.J86.K97", "S", "1C P P 3S", "", "P",
     "This is our second bid. We have between 19 points and 22 points. We have only one biddable suit. This is the second round. Shift to our real suit. Jump, if we can up, to the 4 level, otherwise just bid our suit. Our partner has not declared any points. If we give him 4 for the benefit of the doubt, we still have less than 25 points between us. It is the better part of valor not to go over the 3 level. Pass. "},
    {"UnknownPartnerCapAtFourThenDouble", "N:J5.J9874.J9.AQ84 .Q65.AK8643.JT65 AKQ932.AK3.Q2.32 T8764.T2.T75.K97", "S", "1C P P 5H", "", "X",
     "This is our second bid. We have between 22 points and 25 points. We have only one biddable suit. This is the second round. Shift to our longest, strongest suit, jumping as high as the 4 level, unless they have bid our suit, in which case double. Our partner has not declared any points. If we give him 4 for the benefit of the doubt, we still have more than 24 and less than 28 points between us. It is the better part of valor not to go over the 4 level. Pass. We are doubling for penalties. We are giving our partner  1 quick tricks and we have  4. We have minus one because it was the player behind us that bid last. This gives us a total of  4 quick tricks. That should take care of all of the free tricks. "},
    {"FiveMajorFreeBidderPasses", "N:K6.AJT96.KT.AQ84 4.874.A9754.JT65 AQ932.K32.Q32.32 JT875.Q5.J86.K97", "S", "1S P 2C 2D", "NS=5", "P",
     "This is our second bid. with less then 16 point and being a free bidder let`s pass. "},
    {"FiveMajorOneSuitJumps", "N:Q4.T8763.97.QT62 .J54.QT64.AK9843 AKJ9832.KQ2.AJ3. T765.A9.K852.J75", "S", "1S P 2C P", "NS=5", "3S",
     "This is our second bid. we have only one bidable suit. "},
    {"FiveMajorNewSuit", "N:K6.AT985.J9.AQ84 4.76.AK8643.JT65 AQ932.KJ32.Q2.32 JT875.Q4.T75.K97", "S", "1S P 2C P", "NS=5", "2H",
     "This is our second bid. let`s show a new suit. "},
    {"FiveMajorNewSuitJumps", "N:Q6.AT985.T8.QT62 4.76.KQ75.AK9843 AKJ32.KQ32.AJ32. T9875.J4.964.J75", "S", "1S P 2C P", "NS=5", "3D",
     "This is our second bid. let`s show a new suit. "},
    {"FiveMajorSevenCardRebid", "N:A4.T876.K97.QT62 .J54.JT64.AK9843 QJ98732.KQ32.A2. KT65.A9.Q853.J75", "S", "1S P 2C P", "NS=5", "2S",
     "This is our second bid. we have 7 or more in the suit we bid the first time. "},
    {"FiveMajorShowsMajor", "N:A74.T985.T8.QT62 5.76.KQ75.AK9843 KJ32.AKJ32.AJ32. QT986.Q4.964.J75", "S", "1H P 2C P", "NS=5", "2S",
     "This is our second bid. let`s show our major. "},
    {"StaymanJumpMinorFit", "N:Q63.AJ962.J3.Q84 4.8743.9754.JT65 AKT.KQT.AQT2.K32 J98752.5.K86.A97", "S", "2N P 4D P", "", "P",
     "This is our second bid. We bid no trump and our partner did not, so respond to stayman. We have found a fit! Since our partner`s point spread is defined, use his average. Giving us a total of  22 points for the partnership."},
};

class SecondBid : public PlayTest, public ::testing::WithParamInterface<BidCase> {};
TEST_P(SecondBid, MakesTheCallAndExplainsIt) { ExpectCall(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, SecondBid, ::testing::ValuesIn(kSecondBids), CaseName);

}  // namespace
}  // namespace kestrel::test
