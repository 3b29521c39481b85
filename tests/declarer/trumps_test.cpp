// The declarer's lead tools on replayed positions: the finesse finder, the drop, unblocking.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
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

}  // namespace
}  // namespace kestrel::test
