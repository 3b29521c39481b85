// Clearing losers in a game contract and the No Trump lead routine.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

class ClearLosersTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(ClearLosersTest, LeadsAsExpected) { ExpectDecision(GetParam()); }

// South KQJ of spades against West's ace; six sure tricks after the heart ace.
constexpr const char* kKnockOutDeal =
    "S:KQJ.A32.A32.A432 A76.QJT9.QJT9.QJ 5432.K54.K54.K65 T98.876.876.T987";

const PlayCase kCases[] = {
    // 3NT with too few sure tricks: the king knocks out the defenders' ace.
    {"KnockOutTheAce", kKnockOutDeal, "S", "1N P 3N P P P", "HQ H4 H6 HA", "S", "SK",
     "We need to lose our losers early. "},
    // 1NT at trick 4: the sure tricks reach the contract; dummy unblocks the suit both hold.
    {"CashWhenSureTricksReach", kKnockOutDeal, "S", "1N P P P",
     "HQ H4 H6 HA SK SA S2 S8 HJ HK H7 H2", "N", "CK",
     "Unblock Clubs  by going high because we have fewer than our partner. "},
    // 1NT: both hands have diamond losers under partner's top cards: lose one early, low.
    {"LoseLosersEarlyUnderPartner",
     "E:AQ5.A32.Q32.A972 762.KQJ.AK74.Q65 JT94.8654.T985.K K83.T97.J6.JT843", "E", "1N P P P",
     "D4 D5 DJ DQ", "E", "D2", "We need to lose our losers early. "},
    // 4S, trumps still out: a winner in the suit partner is void in clears a loser.
    {"ClearLoserIntoPartnersVoid",
     "W:AK7653.AT9..T843 8.K3.KQ852.KQ652 JT4.Q7642.AJ963. Q92.J85.T74.AJ97", "W",
     "1S X XX 2C P 3C 3S P 4S P P P",
     "CK S4 C7 C3 SJ SQ SA S8 HA H3 H2 H5 H9 HK H4 H8 CQ ST C9 C4", "E", "DA",
     "Clearing Losers\r\n"},
    // 3N by North, hand 107.
    {"NoTrumpFinesseInLongSuit", "N:T965.93.KQ9.KT63 K3.654.J85432.Q9 AQJ2.KT8.AT6.AJ5 874.AQJ72.7.8742", "N", "P P 1C P 1N P 2N P 3N P P P",
     "D4 D6 D7 D9 H3 H4 HK HA C2 C3 CQ CA H8 HQ H9 H6 C4 C6 C9 CJ DT H2 DK D2",
     "N", "ST",
     "Long Suit Est. \r\ncan finesse in our longsuit"},
    // 2N by North, hand 77.
    {"NoTrumpTransportToPartner", "S:AQT95.54.7652.A3 74.AT2.QJ84.KQ64 82.Q98.AK9.JT875 KJ63.KJ763.T3.92", "S", "1S P 2C P 2S P 2N P P P",
     "H6 H4 HA H8 HT HQ HK H5 HJ C3 H2 H9 H7 D2 C4 D9 H3 D5 S4 S2 C2 CA C6 C5",
     "S", "D6",
     "Long Suit Est. \r\nWe are out of the long suit. We found transportation to our "
     "partner. "},
    // 3N by North, hand 9.
    {"NoTrumpLongSuitNoFinesse", "S:AKT52.AQ7.9876.A J73.T9864.JT.J32 Q6.J532.A43.K654 984.K.KQ52.QT987", "S", "1C P 2C P 3S P 3N P P P",
     "DQ D6 DT DA D3 D5 D9 DJ CJ C4 C7 CA D8 S3 D4 DK D2 D7 C3 C5",
     "S", "S2",
     "Long Suit Est. \r\ncan not finesse in our longsuit, so play our highestUnblock "
     "Spades  by going low because we have more than our partner and our partner has more "
     "than 1 or it is good. "},
    // Partner holds one club and we the top clubs: cash ours, he discards next time.
    {"SluffNextTimeOurWinner",
     "E:4.J932.QT6.J6543 7653.A65.K975.T8 KQ82.T7.A42.Q972 AJT9.KQ84.J83.AK", "E",
     "P P P 1S P 2S P 4S P P X P P P",
     "C4 C8 CQ CK",
     "N", "CA",
     "Clearing Losers\r\nClubs  is not trump, and our partner has only 1, we think they both "
     "still have some, and we will be able to sluff next time.Since we have highest unplayed "
     "card in this suit, let`s play it. "},
    // Partner's single club is the top one: low to it.
    {"SluffNextTimeLowToPartner",
     "E:4.984.K532.98653 AK5.KT5.T98.KQ72 Q6.AJ76.QJ76.JT4 JT98732.Q32.A4.A", "E",
     "P 1C P 2S P 4N P 5H P 6S P P P",
     "S4 SA S6 S2",
     "S", "C2",
     "Clearing Losers\r\nClubs  is not trump, and our partner has only 1, we think they both "
     "still have some, and we will be able to sluff next time.Since our partner has the highest "
     "unplayed card in this suit, let`s play low. "},
    // A trick to spare: our single diamond, below partner's ten, is given up now.
    {"GiveUpOurSingleLoser",
     "E:AJT986.K7.K4.A92 5.A8642.73.KT543 Q4.T3.JT65.QJ876 K732.QJ95.AQ982.", "E",
     "1S P 1N X 2S 3H P P 3S P 4S X P P P",
     "D7 DJ DQ DK",
     "E", "D4",
     "Clearing Losers\r\n"},
    // A trick to spare: low in the suit where partner's single card equals our top.
    {"GiveUpLowToPartnersSingleton",
     "E:3.Q543.J6.KJ9865 965.KT8.KQT85.72 JT.A962.A743.AT3 AKQ8742.J7.92.Q4", "E",
     "P P 1H X 2H P 3H 3S 4H X P P P",
     "D9 DJ DQ DA",
     "W", "D3",
     "Clearing Losers\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Positions, ClearLosersTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Cashing out turns the plan into End Game for the rest of the hand.
TEST_F(ClearLosersTest, CashingOutSwitchesToEndGame) {
    Decision d = Decide(kKnockOutDeal, "S", "1N P P P", "HQ H4 H6 HA SK SA S2 S8 HJ HK H7 H2");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.DeclarerPlan, 4);
    EXPECT_EQ(G.Plan.NoFinesseThisTrick, -1);
}

// While the sure tricks fall short the plan stays as chosen.
TEST_F(ClearLosersTest, KnockingOutKeepsThePlan) {
    Decision d = Decide(kKnockOutDeal, "S", "1N P 3N P P P", "HQ H4 H6 HA");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_NE(G.DeclarerPlan, 4);
    // Sure winners: the heart king with dummy, two diamonds and two clubs.
    EXPECT_EQ(G.Plan.MyWinners + G.Plan.PartnerWinners, 5);
}

}  // namespace
}  // namespace kestrel::test
