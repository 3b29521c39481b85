// Defence by position: every second- and third-hand branch, and a defender's ruff when the
// player after it is known to be out of the suit led, on positions replayed through the flow.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

class DefenceTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(DefenceTest, PlaysTheRuleCardWithItsReasons) { ExpectDecision(GetParam()); }

// 4S by South unless the auction says otherwise; the dummy is North.
const PlayCase kSecondAndThirdHand[] = {
    // The dummy leads from K-6-5-4-3; East holds A-Q-9-8-7: ten cards seen.
    {"SecondHandUnderTheDummysTop",
     "N:QJ3.K6543.732.A7 72.AQ987.T98.KT5 AKT9865.J2.J6.96 4.T.AKQ54.QJ8432", "S",
     "1S P 4S P P P", "C2 CA C5 C6 H3", "E", "HQ",
     "We are on the defense, in position 2. the dummy has already played we have seen more "
     "than 8 of these we have the highest the dummy has the highest out we have the highest "
     "card under the dummys highest, play it "},
    {"SecondHandHighWhenTheQueenIsOut",
     "N:QJ3.K6543.732.A7 72.AJ987.T98.KT5 AKT9865.Q2.J6.96 4.T.AKQ54.QJ8432", "S",
     "1S P 4S P P P", "C2 CA C5 C6 H3", "E", "HA",
     "We are on the defense, in position 2. the dummy has already played we have seen more "
     "than 8 of these we have the highest the dummy has the highest out we don`t have the "
     "highest card under the dummys highest, go high "},
    {"SecondHandHighWhenDeclarerHasTheKing",
     "N:QJ3.J6543.732.A7 72.AQ987.T98.KT5 AKT9865.K2.J6.96 4.T.AKQ54.QJ8432", "S",
     "1S P 4S P P P", "C2 CA C5 C6 H3", "E", "HA",
     "We are on the defense, in position 2. the dummy has already played we have seen more "
     "than 8 of these we have the highest the dummy does not have the highest out "},
    {"SecondHandLowWithoutTheTop",
     "N:QJ3.J6543.732.A7 72.KQ987.T98.KT5 AKT9865.A2.J6.96 4.T.AKQ54.QJ8432", "S",
     "1S P 4S P P P", "C2 CA C5 C6 H3", "E", "H7",
     "We are on the defense, in position 2. the dummy has already played we have seen more "
     "than 8 of these we don`t know where the highest out is but we don`t have it, second hand "
     "low "},
    // The dummy cashes the heart ace and keeps the king; East holds the queen.
    {"SecondHandUnderDummysKingFromADoubleton",
     "N:QJ3.AK5.732.A754 72.Q2.T986.KT963 AKT9865.J43.J.82 4.T9876.AKQ54.QJ", "S",
     "1S P 4S P P P", "CQ CA C3 C2 HA", "E", "H2",
     "We are on the defense, in position 2. We had no honor to cover that honor. the dummy has "
     "already played the dummy has the highest card in Hearts we have less than 3 of these and "
     "we have the card under the dummys highest, so let`s force the dummy to go high "},
    {"SecondHandLowFromThreeUnderDummysKing",
     "N:QJ3.AK5.732.A754 72.Q82.T986.KT96 AKT9865.J43.J.82 4.T976.AKQ54.QJ3", "S",
     "1S P 4S P P P", "CQ CA C6 C2 HA", "E", "H2",
     "We are on the defense, in position 2. We had no honor to cover that honor. the dummy has "
     "already played the dummy has the highest card in Hearts we have more than 2 of these or "
     "we do not have the card under the dummys highest, so let`s force the dummy to go high "},
    // Declarer leads diamonds towards the dummy; West holds the card under the highest out.
    {"SecondHandBeatsDeclarerAndTheDummy",
     "N:QJ3.K65.Q32.A743 72.QJ98.AT98.KT5 AKT9865.A2.764.9 4.T743.KJ5.QJ862", "S",
     "1S P 4S P P P", "H3 H5 HJ HA D4", "W", "DK",
     "We are on the defense, in position 2. The dummy is yet to play and my hand has the card "
     "1 point below the highest card out we can beat the highcard and the dummy "},
    {"SecondHandBeatsTheHighcard",
     "N:QJ3.K65.432.A743 72.QJ98.AQT7.KT5 AKT9865.A2.J86.9 4.T743.K95.QJ862", "S",
     "1S P 4S P P P", "H3 H5 HJ HA D8", "W", "D9",
     "We are on the defense, in position 2. The dummy is yet to play and my hand has the card "
     "1 point below the highest card out the lowest over the dummys highest card is less than "
     "the highcard rank but we can beat the highcard so do it "},
    {"SecondHandBeatsOnlyTheDummy",
     "N:QJ3.K65.432.A743 72.QJ98.KT97.KT5 AKT9865.A2.A86.9 4.T743.QJ5.QJ862", "S",
     "1S P 4S P P P", "H3 H5 HJ HA DA", "W", "D5",
     "We are on the defense, in position 2. We had no honor to cover that honor. The dummy is "
     "yet to play and my hand has the card 1 point below the highest card out or we can beat "
     "the dummy highcard but not the highcard "},
    {"SecondHandCannotBeatTheDummy",
     "N:QJ3.K65.K32.A743 72.QJ98.T974.KT5 AKT9865.A2.A86.9 4.T743.QJ5.QJ862", "S",
     "1S P 4S P P P", "H3 H5 HJ HA DA", "W", "D5",
     "We are on the defense, in position 2. We had no honor to cover that honor. The dummy is "
     "yet to play and my hand has the card 1 point below the highest card out or we can not "
     "beat the dummys highcard "},
    {"SecondHandLowestOverTheHighcard",
     "N:QJ3.K65.432.A743 72.QJ98.AQT9.KT5 AKT9865.A2.K86.9 4.T743.J75.QJ862", "S",
     "1S P 4S P P P", "H3 H5 HJ HA D6", "W", "D7",
     "We are on the defense, in position 2. The dummy is yet to play and my hand does not have "
     "the card 1 point below the highest card out in Diamonds so we want to play the lowest "
     "card we have over the high card played on this trick. "},
    // Declarer ruffed the first diamond; East is out of diamonds too.
    {"SecondHandVoidDeclarerShowedOut",
     "N:QJ3.A65.KQ32.743 72.QJ987.4.AKT52 AKT9865.K2..QJ96 4.T43.AJT98765.8", "S",
     "1S P 4S P P P", "DA D2 D4 S5 H2 H3 HA H7 DK", "E", "C2",
     "We are on the defense, in position 2. We are out of the suit that was lead. The trump is "
     "not no trump. The dummy is out of this suit, but is not out of trump. "},
    {"SecondHandVoidPartnerMayWin",
     "N:QJ3.K65.Q32.A743 72.QJ9.AT98.KT52 AKT986.A2..QJ986 54.T8743.KJ7654.", "S",
     "1S P 4S P P P", "H3 H5 HJ HA C6", "W", "D4",
     "We are on the defense, in position 2. We are out of the suit that was lead. The trump is "
     "not no trump. We think our partner still has some of the suit that was lead, and the "
     "highest out is higher than the highcard rank, and this trick has not been trumped, so "
     "let`s see if our partner has the high card. "},
    {"ThirdHandCannotBeatTheHighcard",
     "N:QJ3.A62.J74.AT62 72.Q83.AT632.K95 AKT9865.K.K9.Q84 4.JT9754.Q85.J73", "S",
     "1S P 4S P P P", "H5 HA", "E", "H3",
     "We are on the defense, in position 3. We have to follow suit and we can not beat the "
     "highcard go low. "},
    {"ThirdHandPartnersFaceCardHolds",
     "N:QJ3.762.J73.AT62 72.A853.AT62.K95 AKT9865..K95.Q84 4.KQJT94.Q84.J73", "S",
     "1S P 4S P P P", "HK H2", "E", "H3",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. With ethier the highest card in this suit or a face card. "},
    // Declarer ruffed the first heart; West leads the suit again.
    {"ThirdHandDeclarerShowedOut",
     "N:QJ3.K842.543.AT7 72.AQ73.J.K96432 AKT9865..KQ2.Q85 4.JT965.AT9876.J", "S",
     "1S P 4S P P P", "H5 H2 H3 S5 D2 DA D3 DJ H6 H4", "E", "H7",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. But not with ethier the highest card in this suit or a face card our "
     "highest is higher than the highest out though. The dummy has already played and the "
     "declarer is out of this suit. "},
    {"ThirdHandFinesseAgainstTheKing",
     "N:QJ3.762.J74.AT62 72.AQ83.AT63.K95 AKT9865.K.K9.Q84 4.JT954.Q852.J73", "S",
     "1S P 4S P P P", "H5 H2", "E", "HQ",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. But not with ethier the highest card in this suit or a face card our "
     "highest is higher than the highest out though. The dummy has already played and our "
     "second highest is greater than the high card and it is just under the highest out. We "
     "have seen less than 12 of these and we think the declarer has some. Our second highest "
     "card is better than his winner. "},
    {"ThirdHandQueenNoBetterThanPartnersTen",
     "N:QJ3.762.J74.AT62 72.AQJ3.AT63.K95 AKT9865.K.K9.Q84 4.T9854.Q852.J73", "S",
     "1S P 4S P P P", "HT H2", "E", "H3",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. But not with ethier the highest card in this suit or a face card our "
     "highest is higher than the highest out though. The dummy has already played and our "
     "second highest is greater than the high card and it is just under the highest out. We "
     "have seen less than 12 of these and we think the declarer has some. Our second highest "
     "card is really no better than his winner. "},
    {"ThirdHandAceWhenTheSecondCardIsLow",
     "N:QJ3.764.J74.AT62 72.A832.AT63.K95 AKT9865.K.K9.Q84 4.QJT95.Q852.J73", "S",
     "1S P 4S P P P", "H5 H4", "E", "HA",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. But not with ethier the highest card in this suit or a face card our "
     "highest is higher than the highest out though. The dummy has already played and our "
     "highest card under the highest out is not high enough to try to take this trick and we "
     "think the declarer still has some. "},
    // East won the first trick and leads hearts; the dummy plays last.
    {"ThirdHandOverTheDummyCheaply",
     "N:QJ3.962.Q93.AT63 72.K85.AJ86.K952 AKT9865.Q73.4.Q8 4.AJT4.KT752.J74", "S",
     "1S P 4S P P P", "D2 D3 DA D4 H5 H3", "W", "HT",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. But not with ethier the highest card in this suit or a face card our "
     "highest is higher than the highest out though. we don`t need to use our highest card "},
    {"ThirdHandNeedsTheAce",
     "N:QJ3.762.Q93.AT63 72.KT5.AJ86.K952 AKT9865.Q93.4.Q8 4.AJ84.KT752.J74", "S",
     "1S P 4S P P P", "D2 D3 DA D4 HT H3", "W", "HA",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. But not with ethier the highest card in this suit or a face card our "
     "highest is higher than the highest out though. we need to use our highest card "},
    {"ThirdHandKingAdjacentToQueen",
     "N:QJ3.762.J74.AT62 72.KQ4.AT632.K95 AKT9865.A.K9.Q84 4.JT9853.Q85.J73", "S",
     "1S P 4S P P P", "H5 H2", "E", "HK",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. but not with ethier the highest card in this suit or a face card our "
     "highest is not higher than the highest out ethier our highest and second highest are "
     "adjacent "},
    {"ThirdHandSecondCardNotAdjacent",
     "N:QJ3.762.J74.AT62 72.KJ4.AT632.K95 AKT9865.A.K9.Q84 4.QT9853.Q85.J73", "S",
     "1S P 4S P P P", "H5 H2", "E", "HJ",
     "We are on the defense, in position 3. We have to follow suit and our partner is taking "
     "this trick so far. but not with ethier the highest card in this suit or a face card our "
     "highest is not higher than the highest out ethier our highest and second highest are not "
     "adjacent play our second highest "},
    {"ThirdHandCoversDummysJack",
     "N:QJ3.J62.J74.AT62 72.KQ3.AT632.K95 AKT9865.A.K9.Q84 4.T98754.Q85.J73", "S",
     "1S P 4S P P P", "H5 HJ", "E", "HQ",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. Cover an honor with an honor. "},
    {"ThirdHandLowUnderTheDummysRuff",
     "N:QJ3..J86432.AT62 72.8763.AT75.K95 AKT9865.AK.K.Q84 4.QJT9542.Q9.J73", "S",
     "1S P 4S P P P", "H5 S3", "E", "H7",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. This trick has been trumped, it is theirs. "},
    {"ThirdHandOverTheDummysKing",
     "N:QJ3.K72.Q93.AT63 72.Q84.AJ86.K952 AKT9865.J96.4.Q8 4.AT53.KT752.J74", "S",
     "1S P 4S P P P", "D2 D3 DA D4 H4 H9", "W", "HA",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. The dummy still has to play and he can go higher then the high card on this "
     "trick but we can go higher then he can. "},
    {"ThirdHandForcesTheDummysAce",
     "N:QJ3.A72.Q93.AT63 72.Q84.AJ86.K952 AKT9865.J96.4.Q8 4.KT53.KT752.J74", "S",
     "1S P 4S P P P", "D2 D3 DA D4 H4 H9", "W", "HT",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. The dummy still has to play and he can go higher then the high card on this "
     "trick and we can not go over him, so force him up with our lowest card over the card "
     "taking this trick. "},
    {"ThirdHandDummyCannotGoHigher",
     "N:QJ3.762.Q93.AT63 72.KJ4.AJ86.K952 AKT9865.AT9.4.Q8 4.Q853.KT752.J74", "S",
     "1S P 4S P P P", "D2 D3 DA D4 H4 H9", "W", "HQ",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. The dummy still has to play but he can not go higher, then the highest card "
     "played so far. "},
    // The queen and jack are in the dummy, so the ten wins as well as the king.
    {"ThirdHandTakesItLowOverTheDummysHonours",
     "N:QJ3.QJ9.J74.AT62 72.KT4.AT632.K95 AKT9865.A.K9.Q84 4.876532.Q85.J73", "S",
     "1S P 4S P P P", "H3 H9", "E", "HT",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. declarer to play we can take this with more than one card the dummy has any "
     "cards between our lowest card and our highest card we could take this trick with that "
     "have not been played so take it low "},
    {"ThirdHandOnlyWinnerTakenLow",
     "N:QJ3.987.J85.AT62 72.T42.AT742.K95 AKT9865.AK.K.Q84 4.QJ653.Q963.J73", "S",
     "1S P 4S P P P", "H3 H9", "E", "HT",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to "
     "them so far. declarer to play the dummy has any cards between our lowest card and our "
     "highest card we could take this trick with that have not been played so take it low "},
    {"ThirdHandVoidPartnersAceHolds",
     "N:AJ85.52.J73.AT62 KT7432..AT62.K95 Q96.9876.K95.Q84 .AKQJT43.Q84.J73", "S",
     "1N P 3N P P P", "HA H2", "E", "D2",
     "We are on the defense, in position 3. We are out and our partner is taking this trick, "
     "the dummy still has to play and he can not take it. "},
    {"ThirdHandVoidNoTrumpPartnersKingMayLose",
     "N:AT75.52.J73.AT62 K96432..AT62.K95 Q8.A9876.K95.Q84 J.KQJT43.Q84.J73", "S",
     "1N P 3N P P P", "HK H2", "E", "D2",
     "We are on the defense, in position 3. We are out and our partner is taking this trick, "
     "but will probably lose it, the trump is no trump, oh well. "},
    {"ThirdHandVoidRuffsPartnersKingLow",
     "N:QJ3.52.QT86.AT62 72..AJ975432.K95 AKT9865.A9.K.Q84 4.KQJT87643..J73", "S",
     "1S P 4S P P P", "HK H2", "E", "S2",
     "We are on the defense, in position 3. We are out and our partner is taking this trick, "
     "but will probably lose it, the trump is not no trump we better take it with trump if we "
     "can. This trick has not been trumped, We don`t think the player to our left is out of "
     "Hearts so trump it low. "},
    {"ThirdHandVoidDeclarerStillToPlay",
     "N:QJ3.52.QT86.AT62 72..AJ975432.K95 AKT9865.K9.K.Q84 4.AQJT87643..J73", "S",
     "1S P 4S P P P", "HA H2", "E", "D2",
     "We are on the defense, in position 3. We are out and our partner is taking this trick "
     "and we think the last player still has some Hearts the declarer is yet to play, or the "
     "dummy is not out or the dummy has no trump "},
    // East leads the heart ace; the dummy, still to play, has no heart.
    {"ThirdHandVoidOverruffsTheDummyInAdvance",
     "N:532..QT863.Q9642 7.AKQJT765432.A. AKJT986.98.4.AJ8 Q4..KJ9752.KT753", "S",
     "1S P 4S P P P", "D2 D3 DA D4 HA H8", "W", "SQ",
     "We are on the defense, in position 3. We are out and our partner is taking this trick "
     "and we think the last player still has some Hearts the dummy is yet to play and he is "
     "out and he has trump but we can go over his highest trump. "},
    {"ThirdHandVoidCannotGoOverTheDummy",
     "N:QJ3..QT863.Q9642 2.AKQJT765432.A. AKT9865.98.4.AJ8 74..KJ9752.KT753", "S",
     "1S P 4S P P P", "D2 D3 DA D4 HA H8", "W", "C3",
     "We are on the defense, in position 3. We are out and our partner is taking this trick "
     "and we think the last player still has some Hearts the dummy is yet to play and he is "
     "out and he has trump and we can not go over his highest trump. "},
};

INSTANTIATE_TEST_SUITE_P(ByPosition, DefenceTest, ::testing::ValuesIn(kSecondAndThirdHand),
                         [](const auto& p) { return std::string(p.param.name); });

// Third hand out of the suit led while the opponents win it: the ruff depends on what the
// player on the left can still do.
const PlayCase kRuffs[] = {
    // Declarer ruffed the first heart; the dummy's king now wins the second unless East ruffs.
    {"RuffHighWhenDeclarerIsOut",
     "N:QJ3.KQ8742.K953. 72.3.Q84.AJ85432 AKT9865..J72.KT7 4.AJT965.AT6.Q96", "S",
     "1S P 4S P P P", "H5 H2 H3 S5 D2 DA D3 D4 H6 HK", "E", "S7",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has not been trumped, we know the player to our left is out of Hearts "
     "but we don`t think he is out of trump so take it high. "},
    // The dummy showed out of diamonds on the first trick.
    {"RuffUnderTheDummysTopTrump",
     "N:QJ3.K953..KJ9752 87.AQ8.QT8653.43 AK965.J4.KJ9742. T42.T762.A.AQT86", "S",
     "1S P 4S P P P", "DA C2 D3 D4 H2 H3 HA H4 D5 DK", "W", "ST",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has not been trumped, we know the player to our left is out of "
     "Diamonds the player to our left is the dummy and his highest trump is higher than our "
     "highest trump, the dummy has muliple trump, so play our highest under his highest. "},
    {"RuffLowUnderTheDummysOnlyTrump",
     "N:Q.K953..KJ976532 J87.AQ8.QT8653.4 AK965.J4.KJ9742. T432.T762.A.AQT8", "S",
     "1S P 4S P P P", "DA C2 D3 D4 H2 H3 HA H4 D5 DK", "W", "S2",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has not been trumped, we know the player to our left is out of "
     "Diamonds the player to our left is the dummy and his highest trump is higher than our "
     "highest trump, the dummy only one trump, so play our lowest. "},
    {"RuffHighOverTheDummysTrumps",
     "N:J3.K953..KJ97532 87.AQJ8.QT8653.4 AKT965.4.KJ9742. Q42.T762.A.AQT86", "S",
     "1S P 4S P P P", "DA C2 D3 D4 H2 H3 HA H4 D5 DK", "W", "SQ",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has not been trumped, we know the player to our left is out of "
     "Diamonds so take it high. "},
    // The dummy has shown out of diamonds and of trumps.
    {"RuffLowWhenTheDummyHasNoTrump",
     "N:.KT9753..KJ97532 J873.AQ8.QT8653. AKQ965.4.KJ9742. T42.J62.A.AQT864", "S",
     "1S P 4S P P P", "DA C2 D3 D4 S2 C3 S3 SA H4 H2 H3 HA D5 DK", "W", "S4",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has not been trumped, we know the player to our left is out of "
     "Diamonds and we also know the player to our left is out of trump, so go low trump. "},
};

INSTANTIATE_TEST_SUITE_P(Ruffs, DefenceTest, ::testing::ValuesIn(kRuffs),
                         [](const auto& p) { return std::string(p.param.name); });

// Fourth hand: partner's trick is left alone, otherwise win as cheaply as possible or ruff.
constexpr const char* kFourth =
    "N:QJ3.K65.Q32.A743 72.QJ98.AT98.KT5 AKT9865.A2.764.9 4.T743.KJ5.QJ862";
// East holds no diamond, and the dummy none either in the second deal.
constexpr const char* kFourthEastVoid =
    "N:QJ3.K65.Q32.A743 742.QJT98..KQJT8 AKT9865.A2.764.9 .743.AKJT985.652";
constexpr const char* kFourthBothVoid =
    "N:QJ3.K6543..A7432 742.QJT98..KQJT8 AKT9865.A2.764.9 .7.AKQJT98532.65";
// 3NT by South; East holds no club.
constexpr const char* kFourthNoTrump =
    "N:AJ5.K65.Q32.A743 7632.JT98.AT987. KQ4.AQ2.KJ4.QJ92 T98.743.65.KT865";

const PlayCase kFourthHand[] = {
    {"FourthHandLowUnderPartnersKing", kFourth, "S", "1S P 4S P P P", "H3 H5 HJ HA D7 DK D2",
     "E", "D8",
     "We are on the defense, in position 4 and our partner is taking this trick. "},
    {"FourthHandWinsCheaplyInASideSuit", kFourth, "S", "1S P 4S P P P", "H3 H5 HJ HA D7 D5 D3",
     "E", "D8",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are not "
     "out and we can take this trick."},
    {"FourthHandWinsCheaplyInTrumps", kFourth, "S", "1S P 4S P P P", "H3 H5 HJ HA S5 S4 S3",
     "E", "S7",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are not "
     "out and we can take this and this suit is trump. "},
    {"FourthHandCannotWin", kFourth, "S", "1S P 4S P P P", "H3 H5 HJ HA H2 H4 HK", "E", "H8",
     "We are on the defense, in position 4 and our partner is not taking this trick. We can not "
     "take this trick, so go low. "},
    {"FourthHandVoidRuffsLow", kFourthEastVoid, "S", "1S P 4S P P P", "H3 H5 H8 HA D4 D5 DQ",
     "E", "S2",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are out "
     "of the suit lead. This trick has not been trumped, We are the last to play, so trump it "
     "low. "},
    // The dummy ruffed the diamond: East overruffs with the cheapest trump that beats it.
    {"FourthHandOverruffsTheDummy", kFourthBothVoid, "S", "1S P 4S P P P",
     "C5 CA C8 C9 H3 H8 HA H7 D4 D2 S3", "E", "S4",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are out "
     "of the suit lead. This trick has alredy been trumped, but we can over trump it. "},
    // Clubs were West's lead, so East throws from hearts, the weaker suit.
    {"FourthHandCannotOverruffDiscards", kFourthBothVoid, "S", "1S P 4S P P P",
     "C5 CA C8 C9 H3 H8 HA H7 D4 D2 SQ", "E", "H9",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are out "
     "of the suit lead. This trick has alredy been trumped, and we can not go over it, so "
     "sluff. "},
    // Partner's ace wins and the dummy threw a heart: East discards, he does not ruff.
    {"FourthHandVoidPartnerWinningNeverRuffs", kFourthBothVoid, "S", "1S P 4S P P P",
     "C5 CA C8 C9 H3 H8 HA H7 D4 DA H4", "E", "H9",
     "We are on the defense, in position 4 and our partner is taking this trick. we are out "},
    {"FourthHandVoidPartnerWinningNoTrump", kFourthNoTrump, "S", "1N P 3N P P P",
     "H3 H5 H8 HQ C2 CK C3", "E", "D7",
     "We are on the defense, in position 4 and our partner is taking this trick. we are out "},
    {"FourthHandVoidNoTrumpDiscards", kFourthNoTrump, "S", "1N P 3N P P P",
     "H3 H5 H8 HQ C2 C5 CA", "E", "D7",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are out "
     "of the suit lead. "},
};

INSTANTIATE_TEST_SUITE_P(FourthHand, DefenceTest, ::testing::ValuesIn(kFourthHand),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrel::test
