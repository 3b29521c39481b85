// Clearing losers in a game contract and the No Trump lead routine.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "declarer/clear_losers.h"

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
                         [](const auto& p) { return std::string(p.param.name); });

// The losers of the two hands by side suit, "C3/3 D1/1": the hand on lead's count, then partner's.
std::string LosersText() {
    int s = G.CurrentSeat, p = PartnerOf(s);
    std::string out;
    for (int suit = Clubs; suit <= Spades; ++suit) {
        if (suit == G.TrumpSuit) continue;
        if (!out.empty()) out += ' ';
        out += std::string(1, "?CDHS"[suit]) + std::to_string(G.SuitInfo[s][suit].Losers) + "/" +
               std::to_string(G.SuitInfo[p][suit].Losers);
    }
    return out;
}

class CountLosersTest : public PlayTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(CountLosersTest, CountsBySuit) {
    const ValueCase& c = GetParam();
    LeadAt(c.deal, c.auction, c.play, c.seat);
    CountLosers();
    EXPECT_EQ(LosersText(), c.expected);
}

// South AKQJ.A32.K32.432, North T9876.54.54.8765: the ace of hearts over a doubleton, the king
// of diamonds under the ace, nothing in clubs.
constexpr const char* kLosersDeal =
    "S:AKQJ.A32.K32.432 54.KQJT9.AQJ.AKQ T9876.54.54.8765 32.876.T9876.JT9";
// South AKQ.A32.K32.5432, North JT98.7654.7654.A: dummy's bare club ace, one spare trump.
constexpr const char* kOneSpareDeal =
    "S:AKQ.A32.K32.5432 765.KQJ.AQJ.KQJT JT98.7654.7654.A 432.T98.T98.9876";

const ValueCase kValueCases[] = {
    // No Trump: hearts, the short hand's low card loses; diamonds, two of the long hand's three
    // plus one each for the king's trick; clubs, every card, three at most.
    {"NoTrumpNoRuffs", kLosersDeal, "1N P 3N P P P", "S5 S6 S2 SJ", South,
     "C3/3 D3/1 H0/1 S0/0"},
    // Spades trumps, one out in each defender's hand: North's three spare trumps ruff two of
    // South's diamonds, so South keeps one loser.
    {"SpareTrumpsRuffInTheShortHand", kLosersDeal, "1S P 4S P P P", "S5 S6 S2 SJ", South,
     "C3/3 D1/1 H0/1"},
    // Dummy's one spare trump ruffs one of South's three club losers under the bare ace. South
    // has no spare trump: dummy's diamond and heart losers stay as counted, never more than
    // the cards he holds.
    {"OneSpareTrumpShortHandWithoutLosers", kOneSpareDeal, "1S P 4S P P P", "HK H4 H8 HA",
     South, "C2/0 D1/4 H2/3"},
};

INSTANTIATE_TEST_SUITE_P(Counts, CountLosersTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& p) { return std::string(p.param.name); });

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
