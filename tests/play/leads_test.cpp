// The opening lead by priority and the defenders' later leads.
#include "play/leads.h"

#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

constexpr const char* kHand5 =
    "S:KJ65.AQT98.8.AQ5 QT.KJ54.AK53.K82 A9432.62.T97.943 87.73.QJ642.JT76";
constexpr const char* kHand5To9 =
    "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9 C6 S5 H5 D3 DT DJ H9 CA C2 "
    "C3 C7 HQ HK H6 H7";
// 4S by South: East holds no spade.
constexpr const char* kPartnerVoidInTrumps =
    "N:654.765.AKQ2.432 .QJT98.8765.KQJ9 AKQ32.AK2.43.T65 JT987.43.JT9.A87";
// 4S by South: West holds the singleton club ace and no top card in any other suit.
constexpr const char* kNoTopCards =
    "N:64.765.AK7.KQJ92 T98.KJ98.QJT.876 AKQJ.AT4.98.T543 7532.Q32.65432.A";
constexpr const char* kThroughDeclarer =
    "N:64.765.AK7.KQJ92 7532.Q32.65432.A AKQJ.AT4.98.T543 T98.KJ98.QJT.876";
constexpr const char* kNoTrump =
    "N:J84.AJ7.AJ62.Q94 T73.KT5.KT5.AJ73 962.Q93.Q84.KT62 AKQ5.8642.973.85";

class LeadTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(LeadTest, LeadsTheRuleCardWithItsReasons) { ExpectDecision(GetParam()); }

const PlayCase kOpeningLeads[] = {
    {"PartnersOvercallSuit", "N:AJ74.AJ73.95.AJ5 KT63.KT6.A83.K94 Q852.Q94.T62.Q82 9.852.KQJ74.T763",
     "S", "1S P P 2H P P 2S P P P", "", "W", "H8", "Partner our partner`s first bid suit. "},
    {"SuitTheOffenseNeverBid", "N:AJ63.T62.Q84.K95 KT52.85.AT63.Q84 Q74.Q73.K95.AJ72 98.AKJ94.J72.T63",
     "S", "1S 2H P P 2S P P P", "", "W", "DJ",
     "The Offense never bid this suit and our highest is less than the Queen."},
    {"TheyStoleTheContract", "N:AJ52.Q96.AT6.AJ5 KT4.AJ84.Q95.K94 Q73.KT73.J83.Q82 986.52.K742.T763",
     "E", "1D 1S P 2S P P P", "", "W", "DK",
     "They stole the contract, since our partner bid this suit let`s lead it. "},
    // West: no four-card suit holds four points and none has five cards.
    {"NoTrumpWithoutABiddableSuit",
     "N:Q73.JT9.AT65.AK4 T96.875.842.QJ76 AK4.AK2.QJ3.T932 J852.Q643.K97.85", "S",
     "1N P 3N P P P", "", "W", "H3",
     "No Trump is trump, we had no biddable suits, so 4th down for our longest &strongest"},
    {"LowerSingletonOfTwo", "N:AJ63.KT63.KT73.K KT52.Q952.Q962.9 Q74.AJ84.AJ85.A7 98.7.4.QJT865432",
     "S", "1S P 4S P P P", "", "W", "D4",
     "Diamonds has only one card it is not higher than the Jack. "},
    {"KingFromAceKing", kHand5, "S", "1H P P P", "", "W", "DK",
     "We have has both the Ace and King of Diamonds "},
    {"DummysLeastBidSuit", "N:AJ62.Q72.J84.Q95 KT5.AT6.AT73.J83 Q83.K94.K95.AT62 974.J853.Q62.K74",
     "N", "1C P 1S P 2C P 2D P 2H P 4S P P P", "", "W", "H3",
     "The Dummy bid Hearts the least number of times. "},
    // Dummy bid clubs and hearts once each: the suit bid last counts.
    {"DummysSuitGoLow", "N:AJ62.Q72.J84.Q95 KT5.AT6.AT73.J83 Q83.K94.K95.AT62 974.J853.Q62.K74",
     "N", "1C P 1S P 2H P 4S P P P", "", "W", "H3", "The Dummy bid Hearts , so go low. "},
    {"DummysSuitFromADoubleton",
     "N:AJ62.Q72.J84.Q95 KT5.AT653.AT7.J8 Q83.K94.K95.AT62 974.J8.Q632.K743", "N",
     "1C P 1S P 2H P 4S P P P", "", "W", "HJ", "The Dummy bid Hearts and you have 2"},
    // West: no biddable suit, no singleton, no ace-king; the ace of trumps.
    {"TopOfNothingWithHighTrump",
     "N:QJ3.654.A732.AQ7 72.QJT98.T98.KT5 KT9865.A3.KJ.962 A4.K72.Q654.J843", "S",
     "1S P 4S P P P", "", "W", "CJ",
     "Top of nothing, because we have trump higher than an 8. So don`t lead trump. "},
    // West: best suit king-topped (no card from it), the other long suit below the ten, a void
    // in diamonds and the eight of trumps on top.
    {"TopOfNothingWithAVoid", "N:AJ63.T6.AJ852.Q9 KT5.AJ8.KT74.AJ8 Q94.Q74.Q963.KT5 872.K9532..76432",
     "S", "1S P 4S P P P", "", "W", "C7",
     "Top of nothing, because we have a void. So don`t lead trump. "},
    {"TopOfNothingWithoutTrumps", "N:AJ852.T62.Q92.Q9 KT74.A85.AJ7.AJ8 Q963.K74.KT3.KT4 .QJ93.8654.76532",
     "S", "1S P 4S P P P", "", "W", "C7",
     "Top of nothing, because we have no trump. So don`t lead trump. "},
    {"SmallestTrump", "N:AKQJ.AKQ.AKQ.AKQ 94.94.852.765432 T876.JT87.JT97.J 532.6532.643.T98", "N",
     "1C P 1H P 4H P P P", "", "W", "H2", "Smallest trump, force out dummys trump"},
};

INSTANTIATE_TEST_SUITE_P(Opening, LeadTest, ::testing::ValuesIn(kOpeningLeads),
                         [](const auto& p) { return std::string(p.param.name); });

const PlayCase kDefensiveLeads[] = {
    {"BackToOurSuitWithTheTop", kHand5, "S", "1H P P P", "DK D7 D2 D8", "W", "DA",
     "The last defensive lead was Diamonds. The the dummy still has some of these. We should go "
     "high with this because we have the highest in this suit. "},
    {"BackToOurSuitSecondHighest", kHand5, "S", "1H P P P",
     "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9 C6 S5 H5", "W", "D3",
     "The last defensive lead was Diamonds. The the dummy still has some of these. We should go "
     "second highest with this because we do not have the highest in this suit. "},
    {"BackToOurSuitDummyOutOfTrumps", kHand5, "S", "1H P P P", kHand5To9, "W", "D5",
     "The last defensive lead was Diamonds. The dummy is out of trump and this suit. "},
    {"PartnersFirstDiscard", kHand5, "S", "1H P P P",
     "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9 C6 S5 H5 D3 DT DJ H9 CA C2 "
     "C3 C7 HQ HK H6 H7 D5 S3 D6 HT CQ CK C4 CT",
     "W", "C8", "we have some of our partner`s first sluffed suit "},
    {"LastTrickLeadsTheLastCard", kHand5, "S", "1H P P P",
     "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9 C6 S5 H5 D3 DT DJ H9 CA C2 "
     "C3 C7 HQ HK H6 H7 D5 S3 D6 HT CQ CK C4 CT C8 C9 CJ C5",
     "E", "DQ", "Lead our last card. "},
    {"NoTrumpFirstSuitThroughTheDummy", kNoTrump, "S", "1N P 3N P P P", "S5 S4 ST S9", "E", "S3",
     "Trump is no trump, player on our right is the dummy, so lead the lowest over the dummy "
     "highest card if possible, else go low in the first lead suit "},
    {"NoTrumpCashTheFirstSuit", kNoTrump, "S", "1N P 3N P P P", "S5 S4 S3 S2", "W", "SA",
     "Trump is no trump, we have some of the first lead suit, and our second highest is higher "
     "than the highest out, play our highest "},
    // East has shown out of trumps; West leads trumps, second high under the king.
    {"DrawTrumpsForPartnerSecondHigh", kPartnerVoidInTrumps, "S", "1S P 4S P P P",
     "H4 H5 HT HA SA S7 S4 D5 C5 CA C2 C9", "W", "ST",
     "Trump is not no trump and our partner is out of trump but neither the dummy or the declarer "
     "is out of trump our highest is not higher than the highest out, so second high "},
    {"DrawTrumpsForPartnerHigh", kPartnerVoidInTrumps, "S", "1S P 4S P P P",
     "H4 H5 HT HA SA S7 S4 D5 SK S8 S5 D6 SQ S9 S6 D7 C5 CA C2 C9", "W", "SJ",
     "Trump is not no trump and our partner is out of trump but neither the dummy or the declarer "
     "is out of trump our highest is higher than the highest out, so go high "},
    // West cashed a singleton club ace and led a singleton heart; diamonds were led by declarer.
    {"SuitLedBeforeHighestUnderTheHighOut",
     "N:64.J76.76.KQJ932 5.KQ98.QJT.87654 AKQJT.AT432.98.T 98732.5.AK5432.A", "S",
     "1S P 4S P P P", "CA C2 C4 CT H5 H6 H8 HA D8 DK D6 DT", "W", "DA",
     "This suit has already been lead, we know the dummy is not out and we don`t think the "
     "declarer is out our second highest card is not higher than the highest out so lead our "
     "highest "},
    {"SuitLedBeforeSecondHighestOverTheHighOut",
     "N:64.J76.76.KQJ932 5.KQ98.JT9.87654 AKQJT.AT432.83.T 98732.5.AKQ542.A", "S",
     "1S P 4S P P P", "CA C2 C4 CT H5 H6 H8 HA D8 DQ D6 D9", "W", "DK",
     "This suit has already been lead, we know the dummy is not out and we don`t think the "
     "declarer is out our second highest card is higher than the highest out there is still at "
     "least 1  Diamonds so lead our second highest "},
    // West cashed a singleton club ace and holds the top of a suit nobody has led.
    {"TopCardSideSuitSecondHighest",
     "N:654.J76.765.KQJ9 T98.KQ98.QJT.876 AKQJ.AT.98.T5432 732.5432.AK432.A", "S",
     "1S P 4S P P P", "CA C9 C6 C2", "W", "DK",
     "This suit has not already been lead and our second highest card is higher than the highest "
     "out if the dummy is on our right and has some or is out of trump of if the dummy is on our "
     "left and we believe our partner might be able to over trump the dummy this suit is not "
     "trump, we have not seen all of these so play our second highest "},
    {"TopCardOnlyTheHighest",
     "N:654.J76.765.KQJ9 T98.KQ98.KJT.876 AKQJ.AT.98.T5432 732.5432.AQ432.A", "S",
     "1S P 4S P P P", "CA C9 C6 C2", "W", "DA",
     "This suit has not already been lead and our second highest card is not higher than the "
     "highest out. "},
    {"TopTrumpsSecondHighest",
     "N:654.J76.AK7.KQJ9 T98.KQ98.QJT.876 QJ32.AT.98.T5432 AK7.5432.65432.A", "S",
     "1S P 4S P P P", "CA C9 C6 C2", "W", "SK",
     "This suit has not already been lead and our second highest card is higher than the highest "
     "out this suit is trump and we beleive both offense players have some, we have not seen all "
     "of these so play our second highest "},
    // No top card anywhere: lead through the dummy, partner's suit first.
    {"ThroughTheDummyPartnersSuit", kNoTopCards, "S", "1S P 2S 3H 4S P P P", "CA C2 C6 C3", "W",
     "HQ",
     "We are leading through the dummy for Club to spade our partner bidHearts the dummy does not "
     "have one higher or lower than our highest cardthen go high "},
    {"ThroughTheDummysHighSuit", kNoTopCards, "S", "1S P 4S P P P", "CA C2 C6 C3", "W", "D5",
     "We are leading through the dummy Diamonds is not trump it is the suit in which the dummy "
     "has the highest card, so play second highest "},
    // The same cards for East, who won the first trick: the dummy is on the right.
    {"ThroughTheDeclarerToDummysLowSuit", kThroughDeclarer, "S", "1S P 4S P P P", "C8 C2 CA C3",
     "E", "HQ",
     "We are leading through the declarer Hearts is not trump it is the suit in which the dummy "
     "has the lowest card, and the highest out > our highest by 1, so play highest "},
    {"ThroughTheDeclarerPartnersSuitThenLowSuit", kThroughDeclarer, "S", "1S 2H 4S P P P",
     "C8 C2 CA C3", "E", "HQ",
     "We are leading through the declarer for Club to spade our partner bidHearts the dummy does "
     "not have one lower than our highest cardthen go high Hearts is not trump it is the suit in "
     "which the dummy has the lowest card, and the highest out > our highest by 1, so play "
     "highest "},
    // King-high hearts: nothing between it and the ace, so no lead up to the dummy's low suit.
    {"SmallTrumpWhenDummyIsShort",
     "N:64.765.AK7.KQJ92 7532.K32.65432.A AKQJ.AT4.98.T543 T98.QJ98.QJT.876", "S",
     "1S P 4S P P P", "C8 C2 CA C3", "E", "S2",
     "We are leading through the declarer leading to and through rules failed, trump is not no "
     "trump dummy has less than 3 trump, go low "},
    // East holds twelve hearts below the dummy's singleton ace after cashing the club ace.
    {"OnlySuitLeftGoesLow",
     "N:432.A.AKQJ.KQJ92 .KQJT98765432..A AKQJT9..T987.T87 8765..65432.6543", "S",
     "1S P 4S P P P", "C3 C2 CA C7", "E", "H2",
     "We are leading through the declarer leading to and through rules failed, this is the only "
     "suit left, go low "},
    // West has cashed the heart ace; the dummy (three trumps) and declarer are void in hearts.
    {"SuitNobodyElseHolds",
     "N:AKQ..AKQJT.AKQJT 543.2.765432.432 JT9876..98.98765 2.AKQJT9876543..", "S",
     "1S P 4S P P P", "HA DT H2 C5", "W", "H3",
     "We are leading through the dummy leading to and through rules failed, nobody else has any "
     "of these "},
    {"LittleOneOfTwoEqualCards",
     "N:AKQ..AKQJT.AKQJT 54.32.765432.432 JT9876..98.98765 32.AKQJT987654..", "S",
     "1S P 4S P P P", "HA DT H2 C5", "W", "S2",
     "We are leading through the dummy leading to and through rules failed, suit Club to spade, "
     "the high out > our highest I think if our two highest cards are the same then play the "
     "little one "},
    {"TotalDesperationDiscards",
     "N:AKQ..AKQJT.AKQJT 53.32.765432.432 JT9876..98.98765 42.AKQJT987654..", "S",
     "1S P 4S P P P", "HA DT H2 C5", "W", "H4",
     "We are leading through the dummy leading to and through rules failed, TOTAL DESPERATION "
     "GONE TO SLUFF !!!! We only have one non trump suit, play it low. "},
    // West cashed the spade ace; the dummy keeps only the queen.
    {"NoTrumpLowestOverDummysSingleHonour",
     "N:Q3.Q852.J73.AT62 J92.J74.AT62.K95 T86.AT63.K95.Q84 AK754.K9.Q84.J73", "S",
     "1N P 3N P P P", "SA S3 S2 S6", "W", "SK",
     "Trump is no trump, the dummy has only 1 of the suit lead on the first trick, so lead the "
     "lowest over the dummy card if possible, else go low "},
    // Twelve spades seen: the ace is led although the queen is out.
    {"NoTrumpTopOfTheFirstSuitAfterSeeingMost",
     "N:QJT98.A.T43.AT62 2.KT753.K965.K95 K7.Q9642.Q82.Q84 A6543.J8.AJ7.J73", "S",
     "1N P 3N P P P", "S3 S8 S2 SK D2 DA D3 D5", "W", "SA",
     "Trump is no trump, we have some of the first lead suit, and our second highest is not "
     "higher than the highest out, but we have seen at least 10, play our highest "},
    {"NoTrumpDummyOnTheLeftLowFromThree",
     "N:QJ63.AT.T43.AT62 92.K963.K965.K95 AT7.Q852.Q82.Q84 K854.J74.AJ7.J73", "S",
     "1N P 3N P P P", "S4 S3 S9 SA D2 DA D3 D5", "W", "S5",
     "Trump is no trump, player on our left is the dummy, we have more than 2 of the first "
     "lead suit, go low "},
    {"NoTrumpDummyOnTheLeftHighFromTwo",
     "N:QJ63.AT.T43.AT62 982.K96.K965.K95 AT7.Q853.Q82.Q84 K54.J742.AJ7.J73", "S",
     "1N P 3N P P P", "S4 S3 S8 SA D2 DA D3 D5", "W", "SK",
     "Trump is no trump, player on our left is the dummy, we have less than 3 of the first "
     "lead suit, go high"},
    // East, out of spades, won the diamond ace.
    {"NoTrumpVoidLeadsUpToTheDummysLowSuit",
     "N:QJ6.953.KQ3.KJT6 .Q742.AJ854.Q932 AK7.AJ8.T72.8754 T985432.KT6.96.A", "S",
     "1N P 3N P P P", "S2 S6 C2 S7 D2 D6 D3 DA", "E", "HQ",
     "Trump is no trump, we are out of the suit lead on the first trick we leading through the "
     "declarer, to the dummys low suit, go high "},
    // Nothing between the heart ace and East's king: the longest suit instead.
    {"NoTrumpVoidFourthDownFromTheLongest",
     "N:QJ6.953.KQ3.KJT6 .K742.AJ854.Q932 AK7.AJ8.T72.8754 T985432.QT6.96.A", "S",
     "1N P 3N P P P", "S2 S6 C2 S7 D2 D6 D3 DA", "E", "D4",
     "Trump is no trump, we are out of the suit lead on the first trick cant lead through the "
     "dummys high suit or to his low suit, so we lead our longest suit, the fourth down "},
    // Against 6N one more trick sets the contract.
    {"NoTrumpVoidCashesTheSettingTrick",
     "N:QJ6.953.KQ3.KJT6 .Q742.AJ854.AQ93 AK7.AJ8.T72.8754 T985432.KT6.96.2", "S",
     "1N P 6N P P P", "S2 S6 H2 S7 D2 D6 D3 DA", "E", "CA",
     "Trump is no trump, we are out of the suit lead on the first trick tricks played > 7 or "
     "any winning trick sets them lead our winner "},
    // West led a singleton spade and won the diamond ace.
    {"NoTrumpVoidThroughTheDummysHighSuit",
     "N:QJ6.K53.Q43.JT62 T9853.J96.KT7.94 AK74.AT82.J82.A5 2.Q74.A965.KQ873", "S",
     "1N P 3N P P P", "S2 S6 S3 SA D2 DA D3 D7", "W", "H7",
     "Trump is no trump, we are out of the suit lead on the first trick we leading through the "
     "dummy, to the dummys high suit, go second high "},
    // The dummy and East both showed out of hearts; the dummy plays before East.
    {"BackToOurSuitPartnerCanOverruffTheDummy",
     "N:QJ3..K8765.A8765 9872..AQJT9.KQJ2 AKT6.765432.4.T9 54.AKQJT98.32.43", "S",
     "1S P 4S P P P", "HA C5 D9 H2", "W", "HK",
     "The last defensive lead was Hearts. Our partmer has not shown out of trump yet, but he "
     "is out of this and plays after the dummy who can trump. We should go high with this "
     "because we have the highest in this suit. "},
    // East holds the club ace-king; the dummy, on his right, has no club.
    {"TopClubsSkippedWhenTheDummyOnTheRightRuffs",
     "N:QJ3.K653.765432. 72.J984.A.AK7654 AKT986.AQ2.KQ.QJ 54.T7.JT98.T9832", "S",
     "1S P 4S P P P", "DJ D2 DA DK", "E", "HJ",
     "We are leading through the declarer Hearts is not trump it is the suit in which the "
     "dummy has the lowest card, and the highest out > our highest by 1, so play highest "},
    // East has not shown out of clubs, so he cannot overruff the dummy.
    {"TopClubsSkippedWhenTheDummyOnTheLeftRuffs",
     "N:QJ3.K653.765432. 72.JT984.A.T9832 AKT986.Q72.KQ.QJ 54.A.JT98.AK7654", "S",
     "1S P 4S P P P", "HA H3 H4 H2", "W", "DT",
     "We are leading through the dummy Diamonds is not trump it is the suit in which the dummy "
     "has the highest card, so play second highest "},
    // The dummy showed out of trumps on the first trick.
    {"TopTrumpsSkippedWhenTheDummyIsOut",
     "N:.K653.76532.AK76 732.JT984.AT.542 JT9864.Q72.KQ.QJ AKQ5.A.J984.T983", "S",
     "1S P 4S P P P", "SA C6 S2 S4 HA H3 H4 H2", "W", "C9",
     "We are leading through the dummy Clubs is not trump it is the suit in which the dummy "
     "has the highest card, so play second highest "},
    // East bid diamonds and hearts: each appends its sentence, the hearts give the card.
    {"ThroughTheDummyTwoPartnerSuits",
     "N:64.765.AK8.KQJ92 T98.KJ98.QJT.876 AKQJ.AT4.97.T543 7532.Q32.65432.A", "S",
     "1S P 2S 3D 3S P P 4H 4S P P P", "CA C2 C6 C3", "W", "HQ",
     "We are leading through the dummy for Club to spade our partner bidDiamonds the dummy "
     "does not have one higher or lower than our highest cardthen go high for Club to spade "
     "our partner bidHearts the dummy does not have one higher or lower than our highest "
     "cardthen go high "},
    // The dummy on East's right; West bid diamonds and hearts. Each appends its sentence and
    // the hearts give the card; nothing lies between the king and the ace, so it stands.
    {"ThroughTheDeclarerTwoPartnerSuits",
     "N:64.765.AK7.KQJ92 7532.K32.65432.A AKQJ.AT4.98.T543 T98.QJ98.QJT.876", "S",
     "1S 2D 2S P 3S 4H 4S P P P", "C8 C2 CA C3", "E", "HK",
     "We are leading through the declarer for Club to spade our partner bidDiamonds the dummy "
     "does not have one lower than our highest cardthen go high for Club to spade our partner "
     "bidHearts the dummy does not have one lower than our highest cardthen go high "},
    // The same, but the dummy's clubs are its lowest suit and the king lies between the ace and
    // East's queen: the club queen replaces the heart chosen for partner.
    {"ThroughTheDeclarerLowSuitReplacesPartnersSuit",
     "N:9654.K65.AK7.982 A.Q32.6543.Q7654 KQJT873.AT4.98.A 2.J987.QJT2.KJT3", "S",
     "1S 2D 2S P 3S 4H 4S P P P", "S2 S4 SA S3", "E", "CQ",
     "We are leading through the declarer for Club to spade our partner bidDiamonds the dummy "
     "does not have one lower than our highest cardthen go high for Club to spade our partner "
     "bidHearts the dummy does not have one lower than our highest cardthen go high Clubs is not "
     "trump it is the suit in which the dummy has the lowest card, and the highest out > our "
     "highest by 1, so play highest "},
};

INSTANTIATE_TEST_SUITE_P(Defensive, LeadTest, ::testing::ValuesIn(kDefensiveLeads),
                         [](const auto& p) { return std::string(p.param.name); });

// Opening leads that rest on the leader's ranked suits: the position is replayed up to the lead,
// the suits are set, and the lead is chosen again.
class RankedSuitLeadTest : public PlayTest {
protected:
    void LeadWith(const std::string& west, const std::string& auction, int best, int second) {
        std::string deal = "W:" + west + " " + rest_;
        Decision d = Decide(deal, "S", auction, "");
        ASSERT_EQ(d.status, 0) << d.error;
        Reattach();
        G.SeatInfo[West].MainSuit = best;
        G.SeatInfo[West].SecondSuit = second;
        OpeningLead();
        lead = CardCode(G.TrickCard[West]);
    }
    std::string rest_;
    std::string lead;
};

TEST_F(RankedSuitLeadTest, NoTrumpKingFromAceKingQueen) {
    rest_ = "J84.AJ7.AJ62.Q94 T73.KT5.KT5.AJ73 962.Q93.Q84.KT62";
    LeadWith("AKQ5.8642.973.85", "1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "SK");
    EXPECT_EQ(G.WhyText,
              "No Trump is trump, we have at least 3 Spades  above the ten  our top two are "
              "adjacent  the King and the Ace, play the King. ");
    EXPECT_EQ(G.Play.LastDefenceLeadSuit, Spades);
}

TEST_F(RankedSuitLeadTest, NoTrumpQueenFromKingQueen) {
    rest_ = "A96.AJ7.AJ62.Q94 J84.KT5.KT5.AJ73 T73.Q93.Q84.KT62";
    LeadWith("KQ52.8642.973.85", "1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "SQ");
    EXPECT_EQ(G.WhyText, "No Trump is trump, we have at least 3 Spades and the King and Queen ");
}

TEST_F(RankedSuitLeadTest, NoTrumpDeclarersSuitGivesWayToTheSecond) {
    rest_ = "A96.K95.KT62.Q94 J84.Q83.Q85.AJ73 T73.T6.AJ74.KT62";
    LeadWith("KQ52.AJ742.93.85", "1H P 1S P 2N P 3N P P P", Hearts, Spades);
    EXPECT_EQ(lead, "SQ");
    EXPECT_EQ(G.WhyText, "No Trump is trump, Declarer bid Hearts we have at least 3 Spades and the "
                         "King and Queen ");
}

TEST_F(RankedSuitLeadTest, NoTrumpAceQueenFiveCardsFourthHighest) {
    rest_ = "K94.KT6.AJ74.KT6 J72.Q95.KT62.Q93 T6.AJ83.Q85.AJ72";
    LeadWith("AQ853.742.93.854", "1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "S5");
    EXPECT_EQ(G.WhyText, "No Trump is trump, we have at least 3 Spades and the Ace and the King or "
                         "Queen and this suit is shorter than 6");
}

TEST_F(RankedSuitLeadTest, NoTrumpAceQueenSixCardsTheAce) {
    rest_ = "K92.Q95.AJ74.KT6 J7.AJ83.KT62.Q93 T4.KT62.Q85.AJ72";
    LeadWith("AQ8653.74.93.854", "1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "SA");
    EXPECT_EQ(G.WhyText, "No Trump is trump, we have at least 3 Spades and the Ace and the King or "
                         "Queen and this suit is longer than 5");
}

TEST_F(RankedSuitLeadTest, NoTrumpFourthDownFromAnUnbidSuit) {
    rest_ = "A94.KT6.AJ74.KT6 K82.Q95.KT62.Q93 T6.AJ83.Q85.AJ72";
    LeadWith("QJ753.742.93.854", "1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "S5");
    EXPECT_EQ(G.WhyText,
              "No Trump is trump, we have at least 3 Spades so 4th down from longest strongest");
}

// The dummy bid our best suit: top of the suit with the lowest top card instead.
TEST_F(RankedSuitLeadTest, NoTrumpTopOfNothingWhenTheyBidOurSuit) {
    rest_ = "A94.AT6.AJ74.KT6 K83.Q95.KT62.Q93 T62.J83.Q85.AJ72";
    LeadWith("QJ75.K742.93.854", "1C P 1S P 1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "C8");
    EXPECT_EQ(G.WhyText, "No Trump is trump, we have at least 3 Spades Top of nothing. ");
}

TEST_F(RankedSuitLeadTest, BestSuitFourthHighest) {
    rest_ = "AJ63.AK6.AJ52.A9 KT5.T9.K984.T532 Q742.743.Q6.QJ76";
    LeadWith("98.QJ852.T73.K84", "1S P 4S P P P", Hearts, 0);
    EXPECT_EQ(lead, "H5");
    EXPECT_EQ(G.WhyText,
              "Your best suit is Hearts and you do not have 2 of the top 3, so 4th down from the "
              "longest strongest");
}

TEST_F(RankedSuitLeadTest, BestSuitQueenFromKingQueen) {
    rest_ = "AJ63.AJ6.AJ52.A9 KT5.T9.K984.T532 Q742.743.Q6.QJ76";
    LeadWith("98.KQ852.T73.K84", "1S P 4S P P P", Hearts, 0);
    EXPECT_EQ(lead, "HQ");
    EXPECT_EQ(G.WhyText,
              "Your best suit is Hearts and your highest is the King and you also have the Queen");
}

TEST_F(RankedSuitLeadTest, SecondSuitFourthHighest) {
    rest_ = "AJ63.J73.K95.A96 KT52.T62.Q84.K85 Q74.K94.AJ62.T73";
    LeadWith("98.AQ85.T73.QJ42", "1S P 4S P P P", Hearts, Clubs);
    EXPECT_EQ(lead, "C2");
    EXPECT_EQ(G.WhyText,
              "Your second best suit is Clubs and you do not have the Ace and the King or Queen, so "
              "4th down from the second longest strongest");
}

TEST_F(RankedSuitLeadTest, LastResortFourthFromTheLongest) {
    rest_ = "J84.AJ7.AJ62.Q94 AT73.KT5.KT5.AJ7 KQ5.Q94.Q83.T632";
    LeadWith("962.8632.974.K85", "1N P 3N P P P", Spades, 0);
    EXPECT_EQ(lead, "H2");
    EXPECT_EQ(G.WhyText, "Your best suit is Hearts so 4th down from the second longest strongest");
}

}  // namespace
}  // namespace kestrel::test
