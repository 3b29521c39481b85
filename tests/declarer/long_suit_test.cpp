// The Long Suit Establishment plan: trumps first, then the long suits.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "declarer/long_suit.h"

namespace kestrel::test {
namespace {

class LongSuitTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(LongSuitTest, LeadsAsExpected) { ExpectDecision(GetParam()); }

constexpr const char* kFourSpades =
    "S:KJ75.K86.Q2.Q865 A9.3.AKJ9853.JT4 Q643.AJT972..AK7 T82.Q54.T764.932";
constexpr const char* kFourHearts =
    "W:KQJ86.Q9.T6.Q952 73.AT.A98754.AK3 T2.K64.J32.JT876 A954.J87532.KQ.4";

const PlayCase kCases[] = {
    // Dummy holds two hearts with at most one entry to declarer: unblock the doubleton.
    {"DoubletonLimitedEntries", kFourSpades, "S", "P 1D X P 1S 2D 3S P 4S P P P",
     "H3 H7 HQ HK S5 S9 SQ S2 S3 S8 SK SA CT C7 C3 CQ SJ D3 S4 ST H8 C4 H2 H5 C8 CJ CA C9 CK C2 C5 "
     "D5 H9 H4 H6 D8 HA D4 D2 D9",
     "N", "HJ",
     "Long Suit Est.\r\nHearts Go high because he has none of these and we have a winner. we have "
     "exactly 2 and limited entries into our partner`s hand, unblock suit "},
    // A suit never led: the unblocking lead, with the never-led prefix.
    {"NeverLedSuitUnblocked", kFourHearts, "W", "P 1D P 1S P 3D P 3H P 3N P 4H P P P",
     "DT D4 D3 DQ HJ HQ HA H4 HT HK H2 H9 D2 DK D6 D5 H8 S6 S3 H6 SA S8 S7 S2", "S", "C4",
     "Long Suit Est.\r\nUnblock Clubs  by going high because we have fewer than our partner. Clubs "
     "has never been lead and it  is our suit to establish, and we found no finesse, so unblock "
     "suit. "},
    // No trump in our hand to lead: cash a safe winner first.
    {"NoTrumpsCashSafeWinner", kFourHearts, "W", "P 1D P 1S P 3D P 3H P 3N P 4H P P P",
     "DT D4 D3 DQ HJ HQ HA H4 HT HK H2 H9 D2 DK D6 D5 H8 S6 S3 H6", "S", "SA",
     "Long Suit Est.\r\nSpades is not trump, and we have the highest  and we don`t think they can "
     "trump "},
    // Partner's suit with no finesse, unblock or way back: our highest card of it.
    {"PartnersSuitOurHighest", kFourSpades, "S", "P 1D X P 1S 2D 3S P 4S P P P",
     "H3 H7 HQ HK S5 S9 SQ S2 S3 S8 SK SA CT C7 C3 CQ SJ D3 S4 ST H8 C4 H2 H5", "S", "C8",
     "Long Suit Est.\r\nClubs partner`s highest in not greater than the highest out or he can not "
     "finesse back to us, and we could not finesse or unblock this suit, "},
    // Partner's only entry is a trump: no trump lead, the side-suit finesse instead.
    {"PartnersOnlyEntryInTrump",
     "W:AQ843.A.AQT.9854 T765.J972.92.AQT K92.Q4.J84.KJ732 J.KT8653.K7653.6", "W",
     "1C P 2C P 3C P P P",
     "D9 DJ DK DA C4 CT CK C6 C3 H3 C9 CQ CA C2 D3 C5 H2 H4 HK HA SA S5 S2 SJ DQ D2 D4 D6 DT S6 D8 "
     "D7 SQ S7 SK H5 HQ H6 S3 H7",
     "E", "S9",
     "Long Suit Est.\r\nTrump is not no trump, our partner`s only entry is in trump.  Spades is not "
     "trump, and we can finesse to our partner "},
    // The trump routine leads a trump; partner has no entry at all.
    {"TrumpLeadPartnerNoEntries",
     "S:AQT965.AK97.T76. J.2.A9852.AJT753 K743.JT53.KQJ3.8 82.Q864.4.KQ9642", "S",
     "1H 2C 3H P 4H P P X P P P",
     "SJ SK S8 S5 H3 H4 HA H2",
     "S", "HK",
     "Long Suit Est.\r\nTrump is not no trump and our partner has no entries."},
    // The trump routine finesses in trumps; partner has a side entry.
    {"TrumpLeadPartnerHasEntry",
     "E:654.T9543.92.KQ3 K932.KQ8.AT74.T8 QJ.AJ76.53.A9654 AT87.2.KQJ86.J72", "E",
     "P 1C P 1S P 2S P 4S P P P",
     "S4 S2 SQ SA",
     "N", "ST",
     "Long Suit Est.\r\nWe have trump and so does the defense. We found a finesse. Trump is not "
     "no trump and our partner has at least one non trump entry. "},
    // Trumps drawn, one way back: low in partner's short suit to his top card.
    {"TrumpsDrawnLowToPartnersWinner",
     "W:T632.QJT54..AQ65 K5.K96.AQ9832.T3 AQ987.A3.J.KJ974 J4.872.KT7654.82", "W",
     "1C X XX P 1H 2D P P 2H P 3C P 5C P P P",
     "CT CJ C2 C5 C4 C8 CA C3",
     "W", "H4",
     "Long Suit Est.\r\n"},
    // Trumps drawn, one way back: our top card of the suit whose short hand is partner.
    {"TrumpsDrawnOurTopCard",
     "W:T9.42.7.AKQJT754 K74.KJ85.KT983.6 AQ8532.Q7.52.832 J6.AT963.AQJ64.9", "W",
     "1C P 1S X 5C P P P",
     "C6 C8 C9 CT ST SK SA S6",
     "E", "SQ",
     "Long Suit Est.\r\n"},
    // Our only way back is a trump: the long-suit rules for partner's suit come first.
    {"OnlyTrumpEntryBackWorkOnPartnersSuit",
     "E:962.AKQ97.T9.AQ6 875.854.KQ75.J84 AQT3.T3.AJ82.T32 KJ4.J62.643.K975", "E",
     "1H P 1S P 3H P 4D P 4S P P P",
     "D6 DT DQ DA",
     "W", "C2",
     "Long Suit Est.\r\nClubs found finesse "},
    // The trump routine turns the plan into Cross Ruff: the Cross Ruff lead follows at once.
    {"TrumpRoutineSwitchesToCrossRuff",
     "E:42.Q864.AJT92.62 AKQ.9752.875.K87 JT96.AKJT3.K3.93 8753..Q64.AQJT54", "E",
     "P P 1H 2C P 3C P P 3H P P P",
     "CA C2 C7 C3 CJ C6 C8 C9 CQ S2 CK H3 HT D4 H4 H7",
     "W", "DK",
     "Cross Ruff.\r\nDiamonds  is our bestsuit because we can lead to our partner`s winner "
     "Unblock Diamonds  by going high because we have fewer than our partner. "},
    // No long-suit lead, and the ruffs take every trick left: Cross Ruff plays.
    {"NoLeadCrossRuffTakesTheRest",
     "S:AQ.AK.KT53.AT954 84.JT72.8642.876 T72.Q43.AQ97.KQ2 KJ9653.9865.J.J3", "S",
     "1C P 1D P 5D P P P",
     "H9 HA H2 H3 D3 D2 DA DJ D7 S3 D5 D8 D4 DQ H5 DT CK C3 C4 C7 S2 S5 SA S8 HK H7 H4 H8 C5 C6 "
     "CQ CJ HQ H6 SQ HT C2 S6 CA C8 CT HJ S7 S9 C9 S4 ST SJ",
     "S", "DK",
     "Cross Ruff.\r\nThey only have one trump it is lower then our highest and we cannot afford "
     "to lose one more trick. "},
};

INSTANTIATE_TEST_SUITE_P(Positions, LongSuitTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

class LongSuitRulesTest : public PlayTest {};

constexpr const char* kFourSpadesAuction = "P 1D X P 1S 2D 3S P 4S P P P";

// Clubs qualify for partner's hand (North holds the ace and king) until they are led; from then
// on only the rules that take led suits as well look at them.
TEST_F(LongSuitRulesTest, NeverLedFlagSkipsSuitsAlreadyLed) {
    LeadAt(kFourSpades, kFourSpadesAuction, "H3 H7 HQ HK", South);
    EXPECT_EQ(CardCode(LongSuitRules(0, North, -1)), "CQ");
    EXPECT_EQ(G.WhyText,
              "Clubs has never been lead and it partner`s highest in not greater than the highest "
              "out or he can not finesse back to us, and we could not finesse or unblock this "
              "suit, ");

    const char* clubsLed = "H3 H7 HQ HK S5 S9 SQ S2 S3 S8 SK SA CT C7 C3 CQ";
    LeadAt(kFourSpades, kFourSpadesAuction, clubsLed, South);
    EXPECT_EQ(LongSuitRules(0, North, -1), 0);
    EXPECT_EQ(LongSuitRules(0, South, -1), 0);
    EXPECT_EQ(G.WhyText, "");
    EXPECT_EQ(CardCode(LongSuitRules(0, North, 0)), "C8");
    EXPECT_EQ(G.WhyText,
              "Clubs partner`s highest in not greater than the highest out or he can not finesse "
              "back to us, and we could not finesse or unblock this suit, ");
}

// The last step's switch to Cross Ruff lasts for the rest of the hand.
TEST_F(LongSuitRulesTest, NoLeadSwitchesThePlanToCrossRuff) {
    const PlayCase& c = kCases[std::size(kCases) - 1];
    ASSERT_STREQ(c.name, "NoLeadCrossRuffTakesTheRest");
    Decision d = Decide(c.deal, c.dealer, c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.DeclarerPlan, 2);
}

}  // namespace
}  // namespace kestrel::test
