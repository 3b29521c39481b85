// Later rounds: the opener's later-round procedure by known points (slam values,
// the 4 No Trump withdrawal after a jump, two rebiddable suits, the first unplanned bid) and the
// responder's later calls past the minimum-hand stop, the fit rules' shortcut and bands, the
// no-fit ceilings, and the advancer over a three-level overcall.
#include "bidding/bid_case.h"

namespace kestrel::test {
namespace {

const BidCase kLaterCalls[] = {
    {"LaterCallWithdrawsFourNoTrumpAfterJump", "N:T5.KT985.QT2.K84 3.763.A9754.JT65 AKQJ2.AQ2.K3.Q32 98764.J4.J86.A97", "S", "1S P 2D P 3S P 4D P", "", "P",
     "We have not found a fit yet. We know of between 31 and 34 points. Our partner did not bid 3 No Trump or we don`t like No Trump. We have no suits left to bid. The current bid suit is a minor. Because one of us has jump bid, a 4 No Trump bid would cause our partner to think we had found a fit and that we are looking for aces (Blackwood). This is our first unplanned bid, we`ve foundno fit, and we are not a freebidder. We have  33 points, which is more than "},
    {"LaterCallSlamValuesSecondFit", "N:T5.KT985.QT2.K84 3.763.A9754.JT65 AKQJ2.AQ2.K3.Q32 98764.J4.J86.A97", "S", "1S P 3D P 3S P 4D P", "", "5D",
     "We have not found a fit yet. We know of at least 35 points. We think there are at least 7 of these in the partnership. Don`t bid higher than the five level. "},
    {"LaterCallNoSuitLeftNoFirstUnplannedLevel", "N:T5.J9874.QT3.K95 .K65.AK9754.QJ76 AKQJ32.AQ2.2.432 98764.T3.J86.AT8", "S", "1S P 3D P 3S P 4D P", "", "P",
     "We have not found a fit yet. We know of at least 35 points. This is our first unplanned bid, we`ve foundno fit, and we are not a freebidder. We have  40 points, which is more than "},
    {"LaterCallTwoRebiddableSuits", "N:K6.AT874.J9.AQ84 4.65.KQ8643.JT65 AJ932.KQ932.2.32 QT875.J.AT75.K97", "S", "1S P 2C P 2H P 3C P", "", "3H",
     "We have not found a fit yet. We know of between 22 and 25 points. With less than 25 known points, go no higher than game on the first unplanned bid without having found a fit.When we have two rebiddable suits, rebidding the second one first tells our partner they are both rebiddable."},
    {"LaterCallNoSuitNoTrumpNotOk", "N:T5.KT985.QT2.K84 3.763.A9754.QT65 AKQJ2.AQ2.K3.J32 98764.J4.J86.A97", "S", "1S P 2D P 3S P 4D P", "", "P",
     "We have not found a fit yet. We know of between 31 and 34 points. Our partner did not bid 3 No Trump or we don`t like No Trump. We have no suits left to bid. This is our first unplanned bid, we`ve foundno fit, and we are not a freebidder. We have  32 points, which is more than "},
    {"LaterCallNewSuitNoHigherThanGame", "N:Q6.AQJT73.J4.K84 4.9854.T865.JT65 AKJ32.2.KQ32.Q32 T9875.K6.A97.A97", "S", "1S P 2H P 2S P 3H P", "", "4D",
     "We have not found a fit yet. We know of between 25 and 31 points. We still have a bid left in Diamonds . Go no higher than game. "},
    {"LaterCallPutsPartnerBackInHisOtherSuit", "N:A85.AQJ84.T3.K84 6.T965.9754.QT65 Q32.K32.AKJ2.J32 KJT974.7.Q86.A97", "S", "1D P 1H P 1N P 2C P", "", "2H",
     "We have not found a fit yet. Our partner bid more than one suit and is winning the contract. We have as many of our partner`s other suit and our high card is higher. We hope that suit is a major. Put our partner back in another of his bid suits. It`s better than Clubs . "},
    {"LaterCallNoFitPartnersHigherSuit", "N:A74.AKJ84.T3.K84 5.T965.9754.QT65 KJ2.Q32.AKJ2.J32 QT9863.7.Q86.A97", "S", "1D P 1H P 1N P 2C P", "", "2H",
     "We have not found a fit yet. We bid No Trump and our partner took us out of it. Don`t bid No Trump again, unless it was the responder to the opener`s first bid that was the No Trump bid. The other suit our partner bid is better for us, and we don`t have to raise the level to get there. "},
    {"ResponderLaterSevenCardFitBelowFour", "N:A9643.A95.A64.95 7.QT76.KT87.AK76 2.KJ32.Q32.QJ432 KQJT85.84.J95.T8", "N", "1D P 1H P 1N P", "", "2C",
     "We have bid at least once. We have at least 23 but less than 26 points between us. We have found a 7 card suit. Don`t go over the 4 level. "},
    {"ResponderLaterJumpsNewSuit", "N:Q6.AT985.QT3.K95 4.76.AK9754.QJ76 AKJ32.KQ32.2.432 T9875.J4.J86.AT8", "N", "1D P 1S P 2C P", "", "3H",
     "We have bid at least once. We have at least 26 points between us. Lets try a different suit than we did last time. Since we have at least 3 points more than we have declared, and we are not a free bidder, and we have not jumped yet and we can jump to the 3 level, do it. "},
    {"ResponderLaterJumpsOwnSuit", "N:Q6.AJT96.KT3.K95 4.874.A9754.QJ76 AKJ32.K32.Q2.432 T9875.Q5.J86.AT8", "N", "1D P 1S P 2C P", "", "3S",
     "We have bid at least once. We have at least 26 points between us. Since we have at least 3 points more than we have declared, and we are not a free bidder, and we have not jumped yet and we can jump to the 3 level, do it. "},
    {"ResponderLaterThreeTopHonours", "N:A964.AK95.A4.Q73 7.JT76.Q865.T954 32.Q32.KJT32.KJ2 KQJT85.84.97.A86", "N", "1C P 1D P 1H P", "", "2D",
     "We have bid at least once. We have at least 23 but less than 26 points between us. We still have a legitimate bid and at least 3 of the top five. Go as high as the 3 level. "},
    {"ResponderLaterSecondCallBelowThree", "N:Q6.A9874.J9.AQ84 4.65.KQ8643.JT65 AKJ32.KQJ32.2.32 T9875.T.AT75.K97", "N", "1D P 1S P 2C P 2H P 3C P", "", "3H",
     "We have bid at least once. We still have a legitimate bid, but let`s not go over the 3 level. "},
    {"FitSixNoTrumpWithFourAces", "N:J63.QJT7.KJ4.Q84 4.9854.T865.JT65 AKQ2.A32.A32.A32 T9875.K6.Q97.K97", "S", "1S P 2S P", "", "6N",
     "This is our second bid. We have found a fit. Using our partner`s minimum points of  6 and our points of  21we get a total of  27 points. The fit is in a major and the total points are more than 24. We have found a fit! Since our partner`s point spread is less than 6 points, Let`s average his minimum and his maximum. "},
    {"FitTwentyThreeToTwentyFiveSuit", "N:A74.KJT7.AQ5.A95 5.9854.J976.QJ76 KQ32.Q32.32.K432 JT986.A6.KT84.T8", "N", "1H P 1S P 2S P", "", "3S",
     "We have bid at least once. We have found a fit! Since our partner`s point spread is defined, use his average. We know of  25 points between us and we need  26 to go past the 3 level. Bid our fit to the 3 level. "},
    {"FitTwentyToTwentyTwoWideRangeTooHigh", "N:K74.QT96.KJ4.J73 5.874.AT865.T954 AQ32.KJ32.32.AK2 JT986.A5.Q97.Q86", "E", "1C X P 1H P 2H 3C P P", "", "P",
     "We doubled the first round and this is not the second round. We have found a fit! Since our partner`s point spread is so large, let`s add 3 to his minimum. This gives us a total of  21 points for the partnership. We know of more then 19 points and our partner`s range is 5 or more, keep the bidding open to the 2 level. "},
    {"FitTwentyOneOrLessPasses", "N:A85.QJT7.KJ4.K95 6.985.AT865.QJ76 Q432.K432.32.432 KJT97.A6.Q97.AT8", "N", "1C P 1H P 1S P", "", "P",
     "We have bid at least once. We have found a fit! Since our partner`s point spread is defined, use his average. Giving us a total of  21 points for the partnership."},
    {"NoFitSevenCardSuitCappedAtTwo", "N:A96.AQT73.J4.Q73 7.9854.T865.T954 432.KJ2.AQ2.AKJ2 KQJT85.6.K973.86", "S", "1C P 1S P 1N P 2H P", "", "P",
     "We have not found a fit yet. We know of between 22 and 25 points. We bid No Trump and our partner took us out of it. Don`t bid No Trump again, unless it was the responder to the opener`s first bid that was the No Trump bid. We have found a 7 card suit. Don`t go over the 4 level. The 3 level is just too rich for not having an eight card fit and knowing of less than 25 points. We have  24. "},
};

// The advancer's answer to a three-level overcall, by support and quick tricks.
const BidCase kAdvancerThreeLevel[] = {
    {"AdvancerThreeLevelNoSupportTricks", "N:A853.KQ95.K6.K84 6.JT76.QT87.JT65 K2.A432.5432.Q32 QJT974.8.AJ9.A97", "W", "1C 3S P", "", "P",
     "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have less than 4 quick tricks we have no other support. "},
    {"AdvancerThreeLevelMajorFourTricks", "N:Q742.QJ84.K6.K95 5.T965.QT87.QJ76 AK.AK32.5432.432 JT9863.7.AJ9.AT8", "W", "1C 3S P", "", "4S",
     "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have exactly 4 quick tricks and our suit is a major we can go to game. "},
    {"AdvancerThreeLevelMinorFourTricks", "N:Q742.QJ84.K6.K95 5.T965.QT87.QJ76 AK.AK32.5432.432 JT9863.7.AJ9.AT8", "W", "1C 3D P", "", "P",
     "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have exactly 4 quick tricks but we cant go to game. "},
    {"AdvancerThreeLevelMinorGame", "N:Q742.QJ84.Q5.K95 5.T965.J976.QJ76 AK.AK32.A432.432 JT9863.7.KT8.AT8", "W", "1C 3D P", "", "5D",
     "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have more than 4 quick tricks and our partner`s suit is a minor, go to game if possible. "},
    {"AdvancerThreeLevelMajorGame", "N:Q742.QJ84.Q5.K95 5.T965.J976.QJ76 AK.AK32.A432.432 JT9863.7.KT8.AT8", "W", "1C 3S P", "", "4S",
     "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have more than 4 quick tricks and our partner`s suit is a major, go to game, or 5 level if necessary. "},
    {"AdvancerThreeLevelMajorFiveOverInterference", "N:Q742.QJ84.Q5.K95 5.T965.J976.QJ76 AK.AK32.A432.432 JT9863.7.KT8.AT8", "W", "1C 3S 5C", "", "5S",
     "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have more than 4 quick tricks and our partner`s suit is a major, go to game, or 5 level if necessary. "},
};

class LaterRound : public PlayTest, public ::testing::WithParamInterface<BidCase> {};
TEST_P(LaterRound, MakesTheCallAndExplainsIt) { ExpectCall(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Table, LaterRound, ::testing::ValuesIn(kLaterCalls), CaseName);
INSTANTIATE_TEST_SUITE_P(Advancer, LaterRound, ::testing::ValuesIn(kAdvancerThreeLevel), CaseName);

}  // namespace
}  // namespace kestrel::test
