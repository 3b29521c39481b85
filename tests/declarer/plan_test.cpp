// The plan chosen after the opening lead, from the survey of the suits.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

class PlanTest : public PlayTest {};

// 4S by South: clubs 2-3 and diamonds 2-4 with dummy long give declarer two ruffs; no long
// side suit, so the ruffs outweigh the long-suit tricks and the plan is Cross Ruff.
TEST_F(PlanTest, ShortSuitsOppositeDummyGiveCrossRuff) {
    Decision d = Decide("N:QJ3.654.A732.AQ7 72.QJT98.T98.KT5 KT9865.A32.J6.96 A4.K7.KQ54.J8432",
                        "S", "1S P 4S P P P", "D4");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.Plan.RuffsInDeclarer, 2);
    EXPECT_EQ(G.Plan.RuffsInDummy, 0);
    EXPECT_EQ(G.Plan.ChosenPlan, 2);
    EXPECT_EQ(G.Plan.ShortHandOf[Hearts], 0);
    EXPECT_EQ(G.Plan.TrumpsAtStart, 9);
}

}  // namespace
}  // namespace kestrel::test
