// The declarer's lead tools on replayed positions: the finesse finder, the drop, unblocking.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "declarer/clear_losers.h"
#include "declarer/trumps.h"
#include "play/knowledge.h"

namespace kestrel::test {
namespace {

using TrumpsTest = PlayTest;

// 4S by South. South: 9872 of trumps, North: ace and queen; king, jack and ten are out.
constexpr const char* kFinesse =
    "N:AQ.AK32.AK32.432 T543.87.987.8765 9872.654.654.AKQ KJ6.QJT9.QJT.JT9";

TEST_F(TrumpsTest, FinesseTowardsAceQueenLeadsLowFromNineEightSevenTwo) {
    LeadAt(kFinesse, "1S P 4S P P P", "CJ C2 C5 CA", South);
    EXPECT_EQ(CardCode(FindFinesse(Spades, 1)), "S2");
    // From the ace-queen itself there is no finesse lead, but South can finesse towards it.
    G.CurrentSeat = G.Leader = North;
    EXPECT_EQ(FindFinesse(Spades, 1), 0);
    EXPECT_TRUE(CanFinesseTo(Spades, 1));
}

// 4S by South: after one round of trumps only the queen and jack are out. South holds A K 2,
// North 9 5 4 3.
constexpr const char* kDrop =
    "N:98543.543.654.AK J7.876.T987.8765 AKT2.AK2.A32.432 Q6.QJT9.KQJ.QJT9";

TEST_F(TrumpsTest, TwoTrumpsOutPlaysForTheDropWithTheAce) {
    LeadAt(kDrop, "1S P 4S P P P", "DK D4 D7 DA ST S6 S8 S7", South);
    ASSERT_EQ(OutstandingCount(Spades), 2);
    EXPECT_EQ(CardCode(TrumpPlay()), "SA");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. We want to play for the drop and we have "
              "more high trump then our partner. ");
}

TEST_F(TrumpsTest, UnblockFromTheShorterHandGoesHigh) {
    LeadAt(kDrop, "1S P 4S P P P", "DK D4 D7 DA ST S6 S8 S7", North);
    // North holds A K of clubs opposite South's three: the ace goes first, whatever the mode.
    EXPECT_EQ(CardCode(Unblock(Clubs, 0)), "CA");
    EXPECT_EQ(G.WhyText, "Unblock Clubs  by going high because we have fewer than our partner. ");
    G.WhyText.clear();
    EXPECT_EQ(CardCode(Unblock(Clubs, -1)), "CA");
}

// 3S by South. North: AKQ..5432.765432, South: 98765.AKQ2.A6.AK; five trumps out.
constexpr const char* kRuff =
    "N:AKQ..5432.765432 T32..QJT987.JT98 98765.AKQ2.A6.AK J4.JT9876543.K.Q";

// Long Suit Establishment with the defenders holding as many trumps as South: once a defender
// is known short of trumps, the cross-ruff count (3 top trumps and 2 club winners) switches the
// plan to Cross Ruff, and the trump routine hands the lead over.
TEST_F(TrumpsTest, LongSuitSwitchesToCrossRuffWhenADefenderIsShortOfTrumps) {
    LeadAt(kRuff, "1S P 3S P P P", "DK D2 D7 DA", South);
    G.DeclarerPlan = 1;
    G.Plan.TrumpFinesseHand = 0;
    // Nobody known short: the trumps are drawn as usual.
    EXPECT_GT(TrumpPlay(), 0);
    EXPECT_EQ(G.DeclarerPlan, 1);
    G.WhyText.clear();
    G.SuitInfo[East][Spades].KnownVoid = -1;
    EXPECT_EQ(TrumpPlay(), -1);
    EXPECT_EQ(G.DeclarerPlan, 2);
}

// 7S by South after a heart to the ace. South: AJ432 of trumps, North: Q765; K T 9 8 out.
constexpr const char* kGrand = "N:Q765.543.5432.32 98.762.876.87654 AJ432.AKQ.AKQ.AK KT.JT98.JT9.QJT9";

// 4S by South. Only the queen of trumps out; North 6 5 4 3 2 with a singleton ace of hearts,
// South A K J T 9 8 7. Two club tricks played.
constexpr const char* kLastTrump = "N:65432.A.Q432.432 .765432.765.8765 AKJT987.KQ.AK.AK Q.JT98.JT98.QJT9";
constexpr const char* kLastTrumpPlay = "CQ C2 C5 CA CK C9 C3 C6";

TEST_F(TrumpsTest, ManyTrumpsOutAndTouchingMastersCashTheAce) {
    // South A K T 2 against Q J 7 6 out, North's nine the best it has.
    LeadAt(kDrop, "1S P 4S P P P", "DK D4 D7 DA", South);
    G.DeclarerPlan = 3;
    EXPECT_EQ(CardCode(TrumpPlay()), "SA");
    EXPECT_EQ(G.WhyText,
              "They have 4 or more trump and our second highest trump is higher than the highest "
              "out, our partner`s high trump is not higher than high out, so go high. ");
}

TEST_F(TrumpsTest, ManyTrumpsOutWithAllTricksInSightCashesTheAce) {
    // Six spades: one trick to spare, so the ace is led (no finesse lead from the ace).
    LeadAt(kGrand, "1S P 6S P P P", "HJ H3 H2 HA", South);
    G.DeclarerPlan = 3;
    ASSERT_GE(TrickEstimate(), CardsLeft());
    EXPECT_EQ(CardCode(TrumpPlay()), "SA");
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(TrumpsTest, GrandSlamLeavesTheKingBetweenOurTopTrumpsAlone) {
    // Seven spades: no trick to spare, the king alone above North's queen and between the tops;
    // the many-trumps rule decides and leads nothing.
    LeadAt(kGrand, "1S P 7S P P P", "HJ H3 H2 HA", South);
    G.DeclarerPlan = 3;
    EXPECT_EQ(TrumpPlay(), 0);
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(TrumpsTest, TrumpFinesseTowardsAceQueen) {
    LeadAt(kFinesse, "1S P 4S P P P", "CJ C2 C5 CA", South);
    G.DeclarerPlan = 3;
    EXPECT_EQ(CardCode(TrumpPlay()), "S2");
    EXPECT_EQ(G.WhyText, "We have trump and so does the defense. We found a finesse. ");
}

// 4S by South. After a heart to dummy's ace and a spade to South's ten: South A 2, North
// K Q 5 4, J 9 7 out.
constexpr const char* kDropLow = "N:KQ543.A32.K32.32 76.8765.765.9876 AT2.KQ4.AQ4.AK54 J98.JT9.JT98.QJT";
constexpr const char* kDropLowPlay = "HJ HA H5 H4 S3 S6 ST S8";

TEST_F(TrumpsTest, DropWithPartnersMastersLeadsLow) {
    LeadAt(kDropLow, "1S P 4S P P P", kDropLowPlay, South);
    G.DeclarerPlan = 3;
    EXPECT_EQ(CardCode(TrumpPlay()), "S2");
    EXPECT_EQ(G.WhyText, "We have trump and so does the defense. We want to play for the drop. ");
}

TEST_F(TrumpsTest, LongerHandUnderPartnersMasterLeadsLow) {
    LeadAt(kDropLow, "1S P 4S P P P", kDropLowPlay, North);
    G.DeclarerPlan = 3;
    EXPECT_EQ(CardCode(TrumpPlay()), "S4");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. We have at least 2 trump, and our partner`s "
              "high trump is good, and our trump suit is long. ");
}

TEST_F(TrumpsTest, CrossRuffLeavesTheLastTrumpWhileBothHandsHaveTrumps) {
    LeadAt(kLastTrump, "1S P 4S P P P", kLastTrumpPlay, North);
    ASSERT_EQ(G.DeclarerPlan, 2);
    EXPECT_EQ(TrumpPlay(), 0);
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(TrumpsTest, CrossRuffKeepsPartnersQueenBehindTheKing) {
    // Six spades: the king alone between South's ace and North's queen, one trick to spare.
    LeadAt(kGrand, "1S P 6S P P P", "HJ H3 H2 HA", South);
    G.DeclarerPlan = 2;
    EXPECT_EQ(TrumpPlay(), 0);
    EXPECT_EQ(G.WhyText, "");
}

// 4S by South after the club ace. West's bare ace is the one trump out, above North's K Q
// and South's jack: North's king sits just under it.
constexpr const char* kBareAceOut =
    "N:KQ5432.432.432.4 .8765.8765.87653 JT9876.AK.AK.AK2 A.QJT9.QJT9.QJT9";

TEST_F(TrumpsTest, EndGameLeavesTheLastTrumpWhenItBeatsBothOfOurs) {
    LeadAt(kBareAceOut, "1S P 4S P P P", "CQ C4 C3 CA", South);
    ASSERT_GT(DefenceSpareTricks(), 0);
    // Another plan leads low towards the king.
    G.DeclarerPlan = 3;
    EXPECT_EQ(CardCode(TrumpPlay()), "S6");
    EXPECT_EQ(G.WhyText, "We have trump and so does the defense. We found a finesse. ");
    // The end game, with a trick to spare, leaves the ace out there.
    G.WhyText.clear();
    G.DeclarerPlan = 4;
    EXPECT_EQ(TrumpPlay(), 0);
    EXPECT_EQ(G.WhyText, "");
}

TEST_F(TrumpsTest, LongSuitLeavesTrumpsToTheTrumpFinesseHand) {
    // North would lead its four (see the drop table), but South is the hand to lead trumps.
    LeadAt(kDropLow, "1S P 4S P P P", kDropLowPlay, North);
    G.DeclarerPlan = 1;
    G.Plan.TrumpFinesseHand = South;
    EXPECT_EQ(TrumpPlay(), 0);
    EXPECT_EQ(G.WhyText, "");
    EXPECT_EQ(G.DeclarerPlan, 1);
}

// 4S by South. South Q 9 8 of trumps, North A 5 4 3 2; K J T 7 6 out.
constexpr const char* kQueenNine = "N:A5432.AK2.K32.32 76.7654.765.9876 Q98.QJ3.AQ4.AK54 KJT.T98.JT98.QJT";

TEST_F(TrumpsTest, PartnerCanFinesseToUsWithManyOutLeadsSecondHigh) {
    LeadAt(kQueenNine, "1S P 4S P P P", "HT HA H4 H3", South);
    G.DeclarerPlan = 3;
    EXPECT_EQ(CardCode(TrumpPlay()), "S9");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. Our partner can finesse to us,  They have "
              "more than one or ours is not good, second high. ");
}

// 4S by South. After the ace and a low round of trumps: South K J, North 4, queen and ten out.
constexpr const char* kKingJack = "N:A43.AK32.K32.432 76.876.8765.9876 KJ52.Q54.AQ4.AK5 QT98.JT9.JT9.QJT";

TEST_F(TrumpsTest, PartnerCanFinesseToUsWithTwoOutCashesTheKing) {
    LeadAt(kKingJack, "1S P 4S P P P", "HJ HA H6 H4 SA S6 S2 S8 S3 S7 S5 S9", South);
    G.DeclarerPlan = 3;
    ASSERT_EQ(OutstandingCount(Spades), 2);
    EXPECT_EQ(CardCode(TrumpPlay()), "SK");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. Our partner can finesse to us,  There are "
              "less than 4 trump out And our high trump is greater than highest trump out And both "
              "defender still have trump we think as far as we know. ");
}

// North holds the ten trumps South lacks; South's side suits against North's singleton,
// doubleton and void.
constexpr const char* kUnblock =
    "N:JT98765432.7..86 .6432.76542.9752 AKQ.AQ5.KQ3.AK43 .KJT98.AJT98.QJT";
constexpr const char* kUnblockLow =
    "N:JT98765432.K52.. .876.76542.87652 AKQ.Q43.KJ3.AK43 .AJT9.AQT98.QJT9";

TEST_F(TrumpsTest, UnblockRules) {
    LeadAt(kUnblock, "1S P 4S P P P", "CQ C8 C2 C3", South);
    // North's singleton seven is no winner and the king is out between the ace and queen.
    EXPECT_EQ(CardCode(Unblock(Hearts, 0)), "HA");
    EXPECT_EQ(G.WhyText, "Unblock Hearts  by going high because he has only one its not a winner. ");
    G.WhyText.clear();
    // North void, the ace out, king and queen touching.
    EXPECT_EQ(CardCode(Unblock(Diamonds, 0)), "DQ");
    EXPECT_EQ(G.WhyText,
              "Diamonds go second highest because he has none of these and we don`t have a winner "
              "but our two top cards are adjacent. ");
    G.WhyText.clear();
    // Our ace and king over North's singleton six.
    EXPECT_EQ(CardCode(Unblock(Clubs, 0)), "CA");
    EXPECT_EQ(G.WhyText, "We are good, he is not. ");
}

TEST_F(TrumpsTest, UnblockGoesLow) {
    LeadAt(kUnblockLow, "1S P 4S P P P", "CQ S2 C2 C3", South);
    // North void, the ace and queen out over K J 3: the three.
    EXPECT_EQ(CardCode(Unblock(Diamonds, 0)), "D3");
    EXPECT_EQ(G.WhyText, "Diamonds go low because he has none of these and we don`t have a winner. ");
    G.WhyText.clear();
    // Q 4 3 opposite K 5 2: nothing to unblock; only mode -1 gives a card.
    EXPECT_EQ(Unblock(Hearts, 0), 0);
    EXPECT_EQ(G.WhyText, "");
    EXPECT_EQ(CardCode(Unblock(Hearts, -1)), "H3");
    EXPECT_EQ(G.WhyText,
              "Unblock Hearts  by going low because we have more than our partner and our partner "
              "has more than 1 or it is good. ");
}

// 4S by South. North QJ32 of trumps, South AKT98. kEntries: no voids; kEntriesRuff: South void
// in clubs.
constexpr const char* kEntries = "N:QJ32.AKQ4.765.43 .8765.43.QJT9872 AKT98.32.AKQ2.65 7654.JT9.JT98.AK";
constexpr const char* kEntriesRuff = "N:QJ32.AKQ4.765.43 .876.84.JT987652 AKT98.532.AKQ32. 7654.JT9.JT9.AKQ";

constexpr const char* kNoTrumpEntries =
    "N:Q4.76.AJ765.K654 7653.T9832.98.98 AK2.54.K432.A732 JT98.AKQJ.QT.QJT";

struct EntryRow {
    const char* deal;
    const char* auction;
    const char* play;
    int x, withTrumps, entries;
};

TEST_F(TrumpsTest, EntryCountTable) {
    const EntryRow rows[] = {
        // South to North: the heart tops (two halves each), the trump queen-jack over South's 8.
        {kEntries, "1S P 4S P P P", "CA C3 CQ C5", South, 0, 2},
        {kEntries, "1S P 4S P P P", "CA C3 CQ C5", South, -1, 4},
        // North to South: A K Q of diamonds, three rounds; the trump ace-king.
        {kEntries, "1S P 4S P P P", "CA C3 CQ C5", North, 0, 3},
        {kEntries, "1S P 4S P P P", "CA C3 CQ C5", North, -1, 5},
        // North to South: South ruffs clubs (two halves per club) and the diamonds are capped
        // by the five out; the trump entries add nothing beyond the ruffs.
        {kEntriesRuff, "1S P 4S P P P", "HJ HA H8 H2", North, 0, 4},
        {kEntriesRuff, "1S P 4S P P P", "HJ HA H8 H2", North, -1, 4},
        // South to North: king-queen of hearts over South's small ones.
        {kEntriesRuff, "1S P 4S P P P", "HJ HA H8 H2", South, 0, 2},
        {kEntriesRuff, "1S P 4S P P P", "HJ HA H8 H2", South, -1, 4},
        // 3NT, every suit counts. North to South: A K of spades (two rounds), the king of
        // diamonds, the ace of clubs. South to North: the queen of spades, the diamond ace and
        // the club king, one round each.
        {kNoTrumpEntries, "1N P 3N P P P", "HA H6 H2 H4", North, -1, 4},
        {kNoTrumpEntries, "1N P 3N P P P", "HA H6 H2 H4", South, 0, 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.play) + " x=" + std::to_string(r.x) + " trumps=" +
                     std::to_string(r.withTrumps));
        LeadAt(r.deal, r.auction, r.play, South);
        EXPECT_EQ(EntryCount(r.x, r.withTrumps), r.entries);
    }
}

TEST_F(TrumpsTest, TrickEstimateTable) {
    struct Row {
        const char* deal;
        const char* play;
        int seat, tricks;
    } rows[] = {
        // Trumps: seven tops over two, South's five. Hearts and diamonds: three tops each.
        {kEntries, "CA C3 CQ C5", South, 11},
        {kEntries, "CA C3 CQ C5", North, 11},
        // Trumps five; hearts K Q (two); diamonds A K Q (three); clubs none.
        {kEntriesRuff, "HJ HA H8 H2", South, 10},
        // Trumps: only the ace over the king, but A Q J over the ten against at most two in one
        // hand: (4 - 2) + (5 - 2) + 2 - 1 = 6; with 3 + 3 + 2 in the side suits that is 14,
        // cut to the 12 tricks left.
        {kGrand, "HJ H3 H2 HA", South, 12},
        // Trumps K J against Q T: only the king on top, K J over the ten against one in a hand:
        // (1 - 1) + (2 - 1) + 1 - 1 = 1; hearts K Q, diamonds A K Q, clubs A K: 8 of 10 left.
        {kKingJack, "HJ HA H6 H4 SA S6 S2 S8 S3 S7 S5 S9", South, 8},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.play);
        LeadAt(r.deal, "1S P 4S P P P", r.play, r.seat);
        EXPECT_EQ(TrickEstimate(), r.tricks);
    }
}

// The trump routine's choice on a replayed position, under the High Cards and Out plan (no plan
// guard applies), for the hand on lead.
struct TrumpCase {
    const char* name;
    const char* deal;
    const char* play;
    int seat;
    const char* card;  // "" for no card
    const char* why;
};

std::ostream& operator<<(std::ostream& os, const TrumpCase& c) { return os << c.name; }

class TrumpPlayTable : public PlayTest, public ::testing::WithParamInterface<TrumpCase> {};

TEST_P(TrumpPlayTable, LeadsTheRuleTrumpWithItsReasons) {
    const TrumpCase& c = GetParam();
    LeadAt(c.deal, "1S P 4S P P P", c.play, c.seat);
    G.DeclarerPlan = 3;
    int card = TrumpPlay();
    EXPECT_EQ(card > 0 ? CardCode(card) : std::string(), c.card);
    EXPECT_EQ(G.WhyText, c.why);
}

const TrumpCase kTrumpCases[] = {
    // North A K 5 4 over South's 8 7 2, six out: South leads low, and with two left high.
    {"PartnersMastersAndThreeOfOursGoLow",
     "N:AK54.AK2.AK2.432 963.7654.7654.65 872.QJ3.QJ3.AKQJ QJT.T98.T98.T987", "CT C2 C5 CA",
     South, "S2",
     "We have trump and so does the defense. One of us has 2 or more trump, and our partner`s "
     "high trump is good but ours is not.  We have other than 2 trump, go low. "},
    {"PartnersMastersAndTwoOfOursGoHigh",
     "N:AK54.AK2.AK2.432 963.7654.7654.65 872.QJ3.QJ3.AKQJ QJT.T98.T98.T987",
     "CT C2 C5 CA S2 SQ SA S3", South, "S8",
     "We have trump and so does the defense. One of us has 2 or more trump, and our partner`s "
     "high trump is good but ours is not.  We have 2 trump, go high. "},
    // Neither hand has a master. North's nine is no equal of South's king (the ten is out).
    {"TwoOutOneOfThemTheAceLeadsNothing",
     "N:9876543.AK.K32.2 T.76542.8765.643 KQJ2.QJ3.AQ4.AK5 A.T98.JT9.QJT987", "HT HA H7 H3",
     South, "",
     "We have trump and so does the defense. One of us has 2 or more trump and they have more "
     "than one. Our partner still has some There are 2 trump left out one of them is the "
     "highest, so we need to lead trump from the other direction. "},
    // North's ten is as good as South's king: third down.
    {"PartnerHoldsTheEqualCardThirdDown",
     "N:T876543.AK.K32.2 9.76542.8765.643 KQJ2.QJ3.AQ4.AK5 A.T98.JT9.QJT987", "HT HA H7 H3",
     South, "SJ",
     "We have trump and so does the defense. One of us has 2 or more trump and they have more "
     "than one. Our partner still has some Our partner highest card is no different than ours, "
     "and its not a winner, play third down "},
    {"ThreeOutLeadsOurHighestUnderTheAce",
     "N:876543.AK4.K32.2 T.7652.8765.7643 KQJ2.QJ3.AQ4.AK5 A9.T98.JT9.QJT98", "HT HA H2 H3",
     South, "SK",
     "We have trump and so does the defense. One of us has 2 or more trump and they have more "
     "than one. Our partner still has some Our partner does not have a card with the same "
     "winning potentail as we do. Play our highest under the highest out. "},
    {"PartnerWithoutTrumpsLeadsOurHighestUnderTheAce",
     "N:.KQ32.K5432.5432 T.7654.9876.9876 KQJ98765432.A.A. A.JT98.QJT.AKQJT", "CA C2 C6 S2",
     South, "SK",
     "We have trump and so does the defense. One of us has 2 or more trump and they have more "
     "than one. Our partner has no trump, play our highest. "},
    // South A 4 3 against Q J with East shown out, North 8 7: no drop with a defender short.
    {"OurMasterOnlyCashesIt",
     "N:8765.432.432.654 .8765.8765.AT987 AK432.AKQ.AKQ.32 QJT9.JT9.JT9.KQJ",
     "CK C4 C7 C2 CQ C5 C8 C3 HJ H2 H5 HA SK S9 S5 C9 S2 ST S6 CT", South, "SA",
     "We have trump and so does the defense. One of us has 2 or more trump, and our high trump "
     "is good but our partner`s is not. "},
    // The same trumps, but North holds the side winners and cannot reach South.
    {"NoWayBackToUsCashesTheAce",
     "N:8765.AKQ.AKQ2.65 .8765.8765.AT987 AK432.432.43.432 QJT9.JT9.JT9.KQJ",
     "CK C5 C7 C2 CQ C6 C8 C3 HJ HA H5 H2 S5 C9 SK S9 S2 ST S6 CT", South, "SA",
     "We have trump and so does the defense. We have limited entries into our hand and more into "
     "our partner`s let`s take this one. "},
    // South A K and eight more against Q J, North the singleton ten.
    {"DropWithOurMastersOppositeASingleton",
     "N:T.KQ3.K5432.5432 J.76542.9876.876 AK98765432.A.A.A Q.JT98.QJT.KQJT9", "CK C2 C6 CA",
     South, "SA", "We have trump and so does the defense. We want to play for the drop. "},
    // Only the queen out: South A K J T 9 8 7, North 6 5 4 3 2.
    {"PartnerCanFinesseToUsLastTrumpOut",
     "N:65432.KQ3.Q43.43 .76542.7652.8762 AKJT987.A.AK.AK5 Q.JT98.JT98.QJT9", "CQ C3 C2 CA",
     South, "SA",
     "We have trump and so does the defense. Our partner can finesse to us,  They only have one "
     "and ours is good "},
    // South K Q 4, North A J 6 2, ten and seven out; South is short in diamonds.
    {"GoodTrumpsBothSidesShortHandCashesTheKing",
     "N:AJ652.543.AK2.54 87.9876.7654.876 KQ43.AK2.3.AKQ32 T9.QJT.QJT98.JT9",
     "CJ C4 C6 CA S3 S9 S5 S8", South, "SK",
     "We have trump and so does the defense. One of us has 2 or more trump, we have good trump "
     "and he has more than 1 trump. "},
    // East shows out of trumps on the first round. South K Q J, North A 6 5 4, nine trumps at
    // the start: South leads its third highest.
    {"GoodTrumpsBothSidesEightAtTheStartThirdHighest",
     "N:A6543.542.542.54 .9876.9876.98762 KQJ2.AK3.AK3.AK3 T987.QJT.QJT.QJT",
     "CQ C4 C2 CA S2 S7 S3 C6", South, "SJ",
     "We have trump and so does the defense. One of us has 2 or more trump, we have good trump "
     "and he has more than 1 trump. We had 8 or more trump between us at the start and our "
     "partner has a good trump. "},
    // Seven trumps at the start, East out of them: South K Q leads the queen.
    {"GoodTrumpsBothSidesSecondHighest",
     "N:A543.542.542.654 .9876.T9876.T987 KQ2.AK3.AK3.AK32 JT9876.QJT.QJ.QJ",
     "CQ C4 C7 CA S2 S6 S3 C8", South, "SQ",
     "We have trump and so does the defense. One of us has 2 or more trump, we have good trump "
     "and he has more than 1 trump. We at least 2 trump, play second highest one. "},
    // Six trumps at the start: South's king is its only trump.
    {"GoodTrumpsBothSidesOnlyTrump",
     "N:A543.542.654.654 .9876.T987.JT987 K2.AK3.AK32.AK32 QJT9876.QJT.QJ.Q",
     "CQ C4 C7 CA S2 S6 S3 C8", South, "SK",
     "We have trump and so does the defense. One of us has 2 or more trump, we have good trump "
     "and he has more than 1 trump. play are only trump. "},
};

INSTANTIATE_TEST_SUITE_P(Positions, TrumpPlayTable, ::testing::ValuesIn(kTrumpCases),
                         [](const auto& p) { return std::string(p.param.name); });

// 4S by South, dummy North: A Q 3 of trumps over South's 8 6 5 4 2, K J T 9 7 out.
constexpr const char* kDummyAceQueen =
    "N:AQ3.432.KQJ2.432 97.876.7654.9876 86542.AK5.A3.AK5 KJT.QJT9.T98.QJT";

TEST_F(TrumpsTest, DummyLeadsToDeclarersWinnerSoHeCanLeadTrumpsBack) {
    LeadAt(kDummyAceQueen, "1S P 4S P P P", "DT D2 D4 DA", North);
    G.Plan.RuffsInDummy = G.Plan.RuffsInDeclarer = 0;
    // No trump lead from the ace-queen, but declarer can finesse towards it.
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "H2");
    EXPECT_EQ(G.WhyText,
              "Dummy to play, leading low to his high, so he can lead trump back suit was not trump ");
}

TEST_F(TrumpsTest, DummysSingletonWinnerGoesBeforeItsLowTrump) {
    // Dummy K Q 5 4 over South's A 2 with J 9 7 out: the trump routine leads the four, but
    // dummy's singleton ace of diamonds is cashed first.
    LeadAt("N:KQ543.A32.A.5432 76.8765.9876.876 AT2.KQ4.K5432.AK J98.JT9.QJT.QJT9",
           "1S P 4S P P P", "HJ HA H5 H4 S3 S6 ST S8", North);
    G.Plan.RuffsInDummy = G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "DA");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. We have at least 2 trump, and our partner`s "
              "high trump is good, and our trump suit is long. suit was not trump ");
}

TEST_F(TrumpsTest, FewTrumpsOutAgainstManyOfOursAreDrawn) {
    // South A K, North seven small, Q J T 9 out: no low trump to spare in South's hand, but
    // four out against nine of ours.
    LeadAt("N:8765432.54.54.54 T9.763.9876.8763 AK.AKQ2.AK32.AK2 QJ.JT98.QJT.QJT9",
           "1S P 4S P P P", "CQ C4 C3 CA", South);
    G.Plan.RuffsInDummy = G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "SA");
    EXPECT_EQ(G.WhyText,
              "They have 4 or more trump and our second highest trump is higher than the highest "
              "out, our partner`s high trump is not higher than high out, so go high. Only because "
              "trump out is less than one half rounded up of the trump we have, and we have extra "
              "trump in both hands. ");
}

TEST_F(TrumpsTest, LastTrumpOutIsDrawnWhenDummyHasNoEntry) {
    // Only the queen out; dummy's five trumps are all kept for ruffs, so the routine itself
    // finds nothing and the last trump is drawn. Dummy has no way in but its trumps.
    LeadAt("N:65432.KQ3.Q43.43 .76542.7652.8762 AKJT987.A.AK.AK5 Q.JT98.JT98.QJT9",
           "1S P 4S P P P", "CQ C3 C2 CA", South);
    G.Plan.RuffsInDummy = 5;
    G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "SA");
    EXPECT_EQ(G.WhyText,
              "Since trump out is less than one half rounded up of the trump we have, and we have "
              "extra trump in both hands. Lets get that last one. Partner has no entries and "
              "partner`s highest trump > Second Highest out Trump and partner has at least 2 Trump "
              ", We want to try to take this ");
}

TEST_F(TrumpsTest, TrumpFinesseLeadBelowPartnersTopLeadsTheThirdFromBottom) {
    // South J 3 2 towards North's K Q 6, the ace out: the routine leads the two towards the
    // king-queen. North has no way in but its trumps and none of those wins, so South leads
    // its third from bottom.
    LeadAt("N:KQ6.5432.5432.43 754.876.9876.765 J32.AKQ.AKQ.AKQ2 AT98.JT9.JT.JT98",
           "1S P 4S P P P", "CJ C3 C5 CA", South);
    G.Plan.RuffsInDummy = G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "SJ");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. We found a finesse. Partner has no entries "
              "and partner`s highest trump > Second Highest out Trump and partner has at least 2 "
              "Trump lead is < partner`s highest trump , We cant take this so lead the third from "
              "bottom ");
}

TEST_F(TrumpsTest, TwoTrumpsOutAfterElevenAtTheStartAreNotLeftOut) {
    // South K Q J 2, North seven small, ace and ten out; dummy's trumps all kept for ruffs and
    // no finesse lead: the texts, but neither hand has a trump to draw them with.
    LeadAt("N:9876543.AK.K32.2 T.76542.8765.643 KQJ2.QJ3.AQ4.AK5 A.T98.JT9.QJT987",
           "1S P 4S P P P", "HT HA H7 H3", South);
    G.Plan.RuffsInDummy = 7;
    G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(LeadToFinesseRules(), 0);
    EXPECT_EQ(G.WhyText,
              "Since trump out is less than one half rounded up of the trump we have, and we have "
              "extra trump in both hands. We had to many at the start to leave any out. ");
}

TEST_F(TrumpsTest, DeclarerLeadsTowardsDummysMasterTrumpWithoutSpareTrumps) {
    // South 9 8 7 2, North A Q, seven out; dummy's queen is kept for its ruff, so the trump
    // routine is asked because dummy's ace is good.
    LeadAt(kFinesse, "1S P 4S P P P", "CJ C2 C5 CA", South);
    G.Plan.RuffsInDummy = 1;
    G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "S2");
    EXPECT_EQ(G.WhyText, "We have trump and so does the defense. We found a finesse. ");
}

TEST_F(TrumpsTest, LastTrumpOutIsDrawnTowardsPartnersAce) {
    // Under the Cross Ruff plan the trump routine leaves a single trump alone while both hands
    // hold trumps; with so many trumps of ours the last one is drawn all the same, low from
    // dummy towards declarer's ace.
    LeadAt(kLastTrump, "1S P 4S P P P", kLastTrumpPlay, North);
    ASSERT_EQ(G.DeclarerPlan, 2);
    G.Plan.RuffsInDummy = G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "S2");
    EXPECT_EQ(G.WhyText,
              "Since trump out is less than one half rounded up of the trump we have, and we have "
              "extra trump in both hands. Lets get that last one. ");
}

TEST_F(TrumpsTest, LastTrumpOutWithMoreTrumpsThanTricksIsDrawnFirst) {
    // Under High Cards and Out the routine leads dummy's lowest trump and dummy's singleton ace
    // of hearts would go first, but with eleven tricks left and twelve trumps between the hands
    // the last trump is drawn, low towards South's ace.
    LeadAt(kLastTrump, "1S P 4S P P P", kLastTrumpPlay, North);
    G.DeclarerPlan = 3;
    G.Plan.RuffsInDummy = G.Plan.RuffsInDeclarer = 0;
    EXPECT_EQ(CardCode(LeadToFinesseRules()), "S2");
    EXPECT_EQ(G.WhyText,
              "We have trump and so does the defense. One of us has 2 or more trump, and our "
              "partner`s high trump is good but ours is not.  We have other than 2 trump, go low. "
              "suit was not trump ");
}

TEST_F(TrumpsTest, BestSuitWithoutTrumpsOppositeLeadsToPartnersWinner) {
    // North has no trumps; its king of diamonds is above every diamond out (South holds the ace).
    LeadAt("N:.KQ32.K5432.5432 T.7654.9876.9876 KQJ98765432.A.A. A.JT98.QJT.AKQJT",
           "1S P 4S P P P", "CA C2 C6 S2", South);
    CountLosers();
    EXPECT_EQ(BestSuit(), Diamonds);
    EXPECT_EQ(G.WhyText, "Diamonds  is our bestsuit because we can lead our partner`s winner ");
}

TEST_F(TrumpsTest, BestSuitLeadsToAFinesse) {
    // North A Q 3 2 of hearts over South's 6 5 4, the king out.
    LeadAt("N:AK32.AQ32.K32.32 76.87.765.T98765 QJ54.654.AQ4.AK4 T98.KJT9.JT98.QJ",
           "1S P 4S P P P", "CQ C2 C5 CA", South);
    CountLosers();
    EXPECT_EQ(BestSuit(), Hearts);
    EXPECT_EQ(G.WhyText, "Hearts  is our bestsuit because we can lead to a finesse ");
}

TEST_F(TrumpsTest, BestSuitInCrossRuffLeadsIntoPartnersVoid) {
    // Six spades, cross ruff with one trick to spare: dummy is void in hearts. With trumps a
    // worry and South the short trump hand, the void is no best suit by the first rule.
    LeadAt(kRuff, "1S P 6S P P P", "DK D2 D7 DA", South);
    G.DeclarerPlan = 2;
    G.Plan.TrumpWorry = -1;
    G.Plan.ShortTrumpHand = South;
    CountLosers();
    EXPECT_EQ(BestSuit(), Hearts);
    EXPECT_EQ(G.WhyText, "Hearts  is our bestsuit because we can lead our partner`s void ");
}

TEST_F(TrumpsTest, BestSuitLeadsToPartnersWinner) {
    LeadAt(kDummyAceQueen, "1S P 4S P P P", "DT D2 D4 DA", South);
    CountLosers();
    EXPECT_EQ(BestSuit(), Diamonds);
    EXPECT_EQ(G.WhyText, "Diamonds  is our bestsuit because we can lead to our partner`s winner ");
}

// South A K 4 3 2 of trumps, A K Q of hearts and diamonds; North holds nothing but small cards.
constexpr const char* kNoWinners = "N:8765.432.432.654 .8765.8765.AT987 AK432.AKQ.AKQ.32 QJT9.JT9.JT9.KQJ";

TEST_F(TrumpsTest, BestSuitIsPartnersShortestSuit) {
    LeadAt(kNoWinners, "1S P 4S P P P", "CK C4 C7 C2", South);
    CountLosers();
    EXPECT_EQ(BestSuit(), Clubs);
    EXPECT_EQ(G.WhyText, "Clubs  is our bestsuit because it is our partner`s shortest suit. ");
}

TEST_F(TrumpsTest, BestSuitWithTrumpsAWorryAvoidsFinessesComingBack) {
    // North could finesse back towards South's hearts and diamonds, not its single club.
    LeadAt(kNoWinners, "1S P 4S P P P", "CK C4 C7 C2", South);
    G.Plan.TrumpWorry = -1;
    G.Plan.ShortTrumpHand = South;
    CountLosers();
    EXPECT_EQ(BestSuit(), Clubs);
    EXPECT_EQ(G.WhyText,
              "Clubs  is our bestsuit because it is not trump and we have no finesses goming back. ");
}

TEST_F(TrumpsTest, BestSuitWhereBothHandsHaveLosers) {
    // South K Q 5 4 of hearts under the ace, North 3 2.
    LeadAt("N:8765.32.432.6542 .9876.8765.AT987 AK432.KQ54.AKQ.3 QJT9.AJT.JT9.KQJ",
           "1S P 4S P P P", "CK C2 C7 C3", South);
    CountLosers();
    EXPECT_GT(G.SuitInfo[South][Hearts].Losers, 1);
    EXPECT_EQ(G.SuitInfo[North][Hearts].Losers, 1);
    EXPECT_EQ(BestSuit(), Hearts);
    EXPECT_EQ(G.WhyText, "Hearts  is our bestsuit because we both have a losers in this suit. ");
}

TEST_F(TrumpsTest, BestSuitWithFinessesBackEverywhereTakesTheStrongerSuit) {
    // South ruffed the club lead; North could finesse back towards the A K Q of hearts and of
    // diamonds alike: the stronger, diamonds on a tie (equal ranks), is the best suit.
    LeadAt("N:KQ5432.543.543.4 6.762.762.876532 AJT98.AKQJ.AKQJ. 7.T98.T98.AKQJT9",
           "1S P 4S P P P", "CA C4 C2 S8", South);
    G.Plan.TrumpWorry = -1;
    G.Plan.ShortTrumpHand = South;
    CountLosers();
    EXPECT_EQ(BestSuit(), Diamonds);
    EXPECT_EQ(G.WhyText, "Diamonds  is our bestsuit because it is not trump. ");
}

}  // namespace
}  // namespace kestrel::test
