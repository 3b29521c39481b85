// Taking back cards in the play, driven headless.
#include "core/rewind.h"

#include "core/flow.h"
#include "test_util.h"

namespace kestrel::test {

namespace {

// A host that plays the user's part and takes back the play once, at the user's turn in
// the given trick (counted from 0 tricks completed).
class RewindingHost : public HeadlessHost {
public:
    explicit RewindingHost(int atTricksPlayed) : at_(atTricksPlayed) {}
    void KeepAlive() override {
        if (!done && G.AwaitingUser && G.PlayInProgress && G.TricksPlayed == at_) {
            done = true;
            for (int s = 1; s <= 4; ++s) {
                lastTrick[s] = G.TricksPlayed > 0 ? G.PlayedCard[s][G.TricksPlayed] : 0;
                current[s] = G.TrickCard[s];
            }
            winnerBefore = G.TricksPlayed > 1 ? G.TrickWinner[G.TricksPlayed - 1] : 0;
            wonBefore = G.TricksWon[1] + G.TricksWon[2];
            for (int c = 1; c <= 52; ++c) owners[c] = G.CardOwner[c];
            RewindPlay();
            tricksAfter = G.TricksPlayed;
            leaderAfter = G.Leader;
            interruptAfter = G.PlayInterrupt;
            wonAfter = G.TricksWon[1] + G.TricksWon[2];
            for (int s = 1; s <= 4; ++s) {
                heldAfter[s] = 0;
                for (int i = 1; i <= 13; ++i) heldAfter[s] += G.Hand[s][i] != 0;
            }
            for (int s = 1; s <= 4; ++s) {
                if (lastTrick[s]) takenBackHeld &= G.CardPlayed[lastTrick[s]] == 0;
                if (current[s]) takenBackHeld &= G.CardPlayed[current[s]] == 0;
            }
            return;
        }
        HeadlessHost::KeepAlive();
    }
    bool done = false;
    int lastTrick[5] = {}, current[5] = {}, heldAfter[5] = {}, owners[53] = {};
    int winnerBefore = 0, wonBefore = 0, wonAfter = 0, tricksAfter = 0, leaderAfter = 0,
        interruptAfter = 0;
    bool takenBackHeld = true;

private:
    int at_;
};

class RewindTest : public EngineTest {
protected:
    void Start(RewindingHost& h) {
        SetHost(h);
        G.OneLevelMode = 2;
        G.HandNumber = 1234;
        G.ReplayHand = -1;
        G.KeepDealer = -1;
        G.Dealer = 4;
        h.SetContinuesToNextDeal(false);
    }
};

TEST_F(RewindTest, InTrickFiveTakesBackTrickFourAndResumesWithItsLead) {
    RewindingHost h(4);
    Start(h);
    MenuDeal_Click();
    ASSERT_TRUE(h.done);
    EXPECT_EQ(h.tricksAfter, 3);
    EXPECT_EQ(h.wonAfter, h.wonBefore - 1);
    EXPECT_EQ(h.leaderAfter, h.winnerBefore);
    EXPECT_EQ(h.interruptAfter, 1);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(h.heldAfter[s], 10) << "seat " << s;
    EXPECT_TRUE(h.takenBackHeld);
    // The play went on to the end after the rewind.
    EXPECT_EQ(G.TricksWon[1] + G.TricksWon[2], 13);
    EXPECT_EQ(G.TricksPlayed, 13);
}

TEST_F(RewindTest, InTheSecondTrickRestartsFromTheOpeningLead) {
    RewindingHost h(1);
    Start(h);
    MenuDeal_Click();
    ASSERT_TRUE(h.done);
    EXPECT_EQ(h.tricksAfter, 0);
    EXPECT_EQ(h.interruptAfter, 2);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(h.heldAfter[s], 13);
    EXPECT_EQ(G.TricksWon[1] + G.TricksWon[2], 13);
}

TEST_F(RewindTest, InTheFirstTrickDealsTheSameCardsAgain) {
    RewindingHost h(0);
    Start(h);
    h.SetContinuesToNextDeal(true);
    MenuDeal_Click();
    ASSERT_TRUE(h.done);
    EXPECT_EQ(h.interruptAfter, -1);
    for (int c = 1; c <= 52; ++c) EXPECT_EQ(G.CardOwner[c], h.owners[c]) << c;
    EXPECT_EQ(G.Dealer, 4);
    EXPECT_EQ(G.TricksWon[1] + G.TricksWon[2], 13);
    // The Same Dealer option is in force again after the replayed deal.
    EXPECT_EQ(G.KeepDealer, 0);
}

}  // namespace

}  // namespace kestrel::test
