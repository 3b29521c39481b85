#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <stdexcept>

#include "bidding/auction.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/flow.h"
#include "test_util.h"

namespace kestrel {
namespace {

using test::Card;

// A host that can force every seat's calls and hook into the waits.
class ScriptHost : public HeadlessHost {
public:
    std::deque<int> forcedCalls;  // every seat's calls, in order, while any are left
    std::function<void()> onKeepAlive;
    std::function<void(int, int&)> onCard;
    int deals = 0;

    bool SubstituteCall(int, int& call) override {
        if (forcedCalls.empty()) return false;
        call = forcedCalls.front();
        forcedCalls.pop_front();
        return true;
    }
    bool SubstituteCard(int seat, int& card) override {
        if (onCard) onCard(seat, card);
        return false;
    }
    void KeepAlive() override {
        if (onKeepAlive) onKeepAlive();
        HeadlessHost::KeepAlive();
    }
    TableView& Table() override { return table_; }

private:
    struct CountingTable : TableView {
        explicit CountingTable(ScriptHost& h) : host(h) {}
        void Deal() override { host.deals++; }
        ScriptHost& host;
    } table_{*this};
};

class FlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAllState();
        SetHost(host);
        G.HandNumber = 500;
        G.Dealer = South;
        G.ReplayHand = -1;
        G.KeepDealer = -1;
    }
    ScriptHost host;
};

// ---------------------------------------------------------------------------
// Tricks

class TrickTest : public test::EngineTest {
protected:
    // Four hands of which only the cards below matter; the play is set up past the lead.
    void SetUp() override {
        test::EngineTest::SetUp();
        test::SetOwners("N:AK2.AK2.AK2.AK32 QJ3.QJ3.QJ3.QJ54 T98.T98.T98.T987 7654.7654.7654.6");
        G.Dealer = North;
        RebuildHandsInCardOrder();
        for (int card = 1; card <= 52; ++card) G.SuitInfo[G.CardOwner[card]][CardSuit(card)].Length++;
        G.HumanSeat = 0;
        G.DummyExposed = -1;
        G.PlayInProgress = -1;
    }
    int Trick(int leader, int trump, const char* a, const char* b, const char* c, const char* d) {
        G.TrumpSuit = trump;
        G.Leader = leader;
        G.CurrentSeat = leader;
        const char* cards[] = {a, b, c, d};
        int seat = leader;
        for (int i = 0; i < 4; ++i, seat = NextPlayer(seat)) PlayCard(seat, Card(cards[i]));
        PickUpTrick();
        return G.TrickWinner[G.TricksPlayed];
    }
};

TEST_F(TrickTest, HighestOfTheSuitLedWinsInNoTrump) {
    EXPECT_EQ(Trick(North, NoTrump, "HA", "H3", "H8", "H4"), North);
    EXPECT_EQ(G.TrickRuffed, 0);
    EXPECT_EQ(Trick(North, NoTrump, "C2", "C5", "C7", "C6"), South);
    // West, out of clubs, discards a card of a higher suit: it does not win.
    EXPECT_EQ(Trick(South, NoTrump, "C9", "S7", "C3", "CJ"), East);
    EXPECT_EQ(G.TrickRuffed, 0);
    EXPECT_EQ(G.TricksWon[1], 2);
    EXPECT_EQ(G.TricksWon[2], 1);
    EXPECT_EQ(G.Leader, East);
    EXPECT_EQ(G.TrickLeader[3], South);
    EXPECT_EQ(G.SuitInfo[West][Clubs].Length, 0);
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(G.TrickCard[seat], 0);
}

TEST_F(TrickTest, RuffAndOverruff) {
    // Only the cards of this trick matter to PlayCard; give each seat the card it plays.
    G.Hand[North][1] = Card("CA");
    G.Hand[East][1] = Card("H2");
    G.Hand[South][1] = Card("H5");
    G.Hand[West][1] = Card("CK");
    // North leads a club, East ruffs, South overruffs, West's higher club comes too late.
    EXPECT_EQ(Trick(North, Hearts, "CA", "H2", "H5", "CK"), South);
    EXPECT_EQ(G.TricksWon[1], 1);
}

TEST_F(TrickTest, RuffWinsOverAHigherCardOfTheSuitLed) {
    G.Hand[West][1] = Card("D3");
    G.Hand[North][1] = Card("DA");
    G.Hand[East][1] = Card("C2");
    G.Hand[South][1] = Card("DK");
    EXPECT_EQ(Trick(West, Clubs, "D3", "DA", "C2", "DK"), East);
    EXPECT_EQ(G.TrickLeader[1], West);
    EXPECT_EQ(G.SuitLed, Diamonds);
}

TEST_F(TrickTest, TrumpLeadSetsTrickRuffedAndADiscardCannotWin) {
    G.TrumpSuit = Spades;
    G.Leader = West;
    G.CurrentSeat = West;
    PlayCard(West, Card("S4"));
    EXPECT_EQ(G.TrickRuffed, -1);
    PlayCard(North, Card("S2"));
    PlayCard(East, Card("S3"));
    PlayCard(South, Card("S8"));
    EXPECT_EQ(G.WinningCard, Card("S8"));
    PickUpTrick();
    EXPECT_EQ(G.TrickWinner[1], South);
    EXPECT_EQ(G.TrickRuffed, 0);
    EXPECT_EQ(G.WinningCard, 0);
}

TEST_F(TrickTest, ThirteenthTrickEndsThePlay) {
    G.TricksPlayed = 13;
    int before = G.Hand[North][1];
    PlayCard(North, before);
    EXPECT_EQ(G.Hand[North][1], before);  // nothing is played after the last trick
    PickUpTrick();
    EXPECT_EQ(G.TricksPlayed, 13);
}

TEST_F(TrickTest, CardNotHeldIsABrokenInvariant) {
    G.TrumpSuit = NoTrump;
    G.Leader = North;
    G.CurrentSeat = North;
    EXPECT_THROW(PlayCard(North, Card("SQ")), FatalErrorException);
}

// ---------------------------------------------------------------------------
// Pauses

TEST_F(FlowTest, ShortPauseDoesNotWaitAndContinueEndsALongOne) {
    int calls = 0;
    host.onKeepAlive = [&] { ++calls; };
    Pause(9);
    EXPECT_EQ(calls, 0);
    Pause(150);
    EXPECT_EQ(calls, 2);  // the simulated clock moves a second per event round
    PauseFor(999);
    EXPECT_EQ(host.continuesPressed, 1);
    EXPECT_EQ(G.WaitingForContinue, 0);
}

TEST_F(FlowTest, ContinueHoldsThePlayAfterATrick) {
    G.PauseAfterTrick = 999;
    G.HumanSeat = 0;
    host.forcedCalls = {41, 0, 0, 0};
    // While the pause waits, no card is played.
    int cardsAtWait = -1;
    host.onKeepAlive = [&] {
        int cards = 0;
        for (int card = 1; card <= 52; ++card) cards += G.CardPlayed[card] != 0;
        if (G.WaitingForContinue && G.PlayInProgress) {
            if (cardsAtWait >= 0) {
                EXPECT_NE(cards, cardsAtWait);  // one wait per trick
            }
            cardsAtWait = cards;
            EXPECT_EQ(cards % 4, 0);
        }
    };
    MenuDeal_Click();
    EXPECT_EQ(G.TricksPlayed, 13);
    EXPECT_EQ(host.continuesPressed, 14);  // after each trick, and the result
}

// ---------------------------------------------------------------------------
// Whole hands

TEST_F(FlowTest, FourPassesDealANewHandWithoutScore) {
    host.SetContinuesToNextDeal(true);
    G.HumanSeat = 0;
    host.forcedCalls = {0, 0, 0, 0, 0, 0, 0, 0};  // two hands passed out, then the engines
    MenuDeal_Click();
    EXPECT_GE(host.deals, 3);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(FlowTest, PassedOutHandEndsWithoutPlay) {
    G.HumanSeat = 0;
    host.forcedCalls = {0, 0, 0, 0};
    MenuDeal_Click();
    EXPECT_EQ(host.deals, 1);
    EXPECT_EQ(G.PassCount, 4);
    EXPECT_EQ(G.TricksPlayed, 0);
    EXPECT_EQ(G.Declarer, 0);
    EXPECT_EQ(host.continuesPressed, 0);  // no result to read
}

struct OneLevelCase {
    const char* name;
    int mode;
    Answer answer;
    bool played;
    bool scored;
};

class OneLevelTest : public FlowTest, public ::testing::WithParamInterface<OneLevelCase> {};

TEST_P(OneLevelTest, OneSpadeByWest) {
    const OneLevelCase& c = GetParam();
    G.OneLevelMode = c.mode;
    host.answers = {c.answer};
    // South passes, West opens one spade, everyone passes.
    host.forcedCalls = {0, 41, 0, 0, 0};
    G.HumanSeat = 1;
    MenuDeal_Click();
    EXPECT_EQ(G.Contract, 41);
    EXPECT_EQ(host.questions.size(), c.mode == 0 ? 1u : 0u);
    if (c.mode == 0) {
        EXPECT_EQ(host.questions[0],
                  "Yes, Score it. \nNo, just play it.\nCancel, lets play a new one.");
    }
    EXPECT_EQ(G.TricksPlayed, c.played ? 13 : 0);
    if (c.scored && !c.played) {
        EXPECT_EQ(G.TricksWon[2], 7);
        EXPECT_EQ(G.TricksWon[1], 6);
        EXPECT_EQ(G.DeclaringSideSum, 6);
        EXPECT_EQ(host.continuesPressed, 1);  // the result is shown and waits
    }
    if (!c.scored) {
        EXPECT_EQ(host.continuesPressed, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, OneLevelTest,
    ::testing::Values(OneLevelCase{"ask_yes_scores", 0, Answer::Yes, false, true},
                      OneLevelCase{"ask_no_plays", 0, Answer::No, true, true},
                      OneLevelCase{"ask_cancel_throws_out", 0, Answer::Cancel, false, false},
                      OneLevelCase{"throw_them_out", 1, Answer::Yes, false, false},
                      OneLevelCase{"play_them", 2, Answer::Yes, true, true},
                      OneLevelCase{"score_them", 3, Answer::No, false, true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FlowTest, OneLevelContractOfNorthSouthIsScoredForThem) {
    G.OneLevelMode = 3;
    host.forcedCalls = {11, 0, 0, 0};
    G.HumanSeat = 1;
    MenuDeal_Click();
    EXPECT_EQ(G.TricksWon[1], 7);
    EXPECT_EQ(G.TricksWon[2], 6);
    EXPECT_EQ(G.DeclaringSideSum, 0);  // reads as North-South
}

TEST_F(FlowTest, UserIllegalCardsAreRefusedAndTheWaitGoesOn) {
    G.HumanSeat = 1;
    G.OneLevelMode = 2;
    // West opens a spade and plays it there; South defends every trick.
    host.forcedCalls = {0, 41, 0, 0, 0};
    int tried = 0;
    host.onKeepAlive = [&] {
        if (!G.AwaitingUser || !G.PlayInProgress || tried > 0) return;
        ++tried;
        // A card South does not hold.
        int notHeld = 0;
        for (int card = 1; card <= 52 && !notHeld; ++card)
            if (G.CardOwner[card] == West) notHeld = card;
        EXPECT_FALSE(UserPlaysCard(South, notHeld));
        // Another seat's row.
        EXPECT_FALSE(UserPlaysCard(West, G.Hand[West][1]));
        // A card of another suit while South can follow.
        if (G.WinningCard != 0 && CountInSuit(South, G.SuitLed) > 0) {
            for (int i = 1; i <= 13; ++i)
                if (G.Hand[South][i] && CardSuit(G.Hand[South][i]) != G.SuitLed) {
                    EXPECT_FALSE(UserPlaysCard(South, G.Hand[South][i]));
                    break;
                }
        }
        EXPECT_EQ(G.AwaitingUser, -1);  // still waiting
    };
    MenuDeal_Click();
    EXPECT_EQ(tried, 1);
    EXPECT_EQ(G.TricksPlayed, 13);
    EXPECT_EQ(cli::CheckDealAndPlay(), "");
}

TEST_F(FlowTest, UserIllegalCallsAreRefused) {
    G.HumanSeat = 1;
    G.Dealer = West;
    host.forcedCalls = {21};  // West opens one diamond; the engines go on
    int tried = 0;
    host.onKeepAlive = [&] {
        if (!G.AwaitingUser || !G.Dealing || tried > 0) return;
        ++tried;
        EXPECT_FALSE(UserMakesCall(11));        // one club is below one diamond
        EXPECT_FALSE(UserMakesCall(Redouble));  // nothing of ours is doubled
        EXPECT_FALSE(UserMakesCall(58));        // no such bid
        EXPECT_EQ(G.AwaitingUser, -1);
    };
    MenuDeal_Click();
    EXPECT_EQ(tried, 1);
    EXPECT_EQ(cli::CheckDealAndPlay(), "");
}

TEST_F(FlowTest, IllegalCodeFromAnEngineEndsTheAuction) {
    G.HumanSeat = 0;
    host.forcedCalls = {0, 8};  // the second call is no call code at all
    MenuDeal_Click();
    EXPECT_EQ(G.PassCount, 4);
    EXPECT_EQ(G.Calls[West][1], Pass);
    EXPECT_EQ(G.Calls[North][1], -1);  // nobody calls after it
    EXPECT_EQ(G.TricksPlayed, 0);
}

TEST_F(FlowTest, DealDuringAHandAbandonsItWithoutNesting) {
    G.HumanSeat = 0;
    int requests = 0;
    host.onKeepAlive = [&] {
        if (G.PlayInProgress && G.TricksPlayed == 3 && requests == 0) {
            ++requests;
            RequestDeal();  // the running hand gives way; no hand starts inside it
            EXPECT_EQ(host.deals, 1);
        }
    };
    MenuDeal_Click();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(host.deals, 2);
    EXPECT_EQ(G.HandRunning, 0);
    EXPECT_EQ(G.DealRequested, 0);
}

TEST_F(FlowTest, AFailureDuringAHandIsReportedAndANewHandStarts) {
    G.HumanSeat = 0;
    int failures = 0;
    host.onCard = [&](int, int&) {
        if (failures == 0) {
            ++failures;
            throw std::runtime_error("broken rule");
        }
    };
    host.SetContinuesToNextDeal(true);
    MenuDeal_Click();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "An error has occured a new hand will start");
    EXPECT_GE(host.deals, 2);
    EXPECT_EQ(G.Dealing, 0);
    EXPECT_EQ(G.PlayInProgress, 0);
}

TEST_F(FlowTest, StoppedPlayAbandonsTheHandWithoutScore) {
    G.HumanSeat = 0;
    host.onKeepAlive = [&] {
        if (G.PlayInProgress && G.TricksPlayed == 2) G.PlayInterrupt = -1;
    };
    host.SetContinuesToNextDeal(false);
    MenuDeal_Click();
    EXPECT_EQ(G.TricksPlayed, 2);
    EXPECT_EQ(G.PlayInterrupt, 0);
    EXPECT_EQ(host.continuesPressed, 0);
}

TEST_F(FlowTest, DeclarerIsTheFirstOfTheSideToNameTheStrain) {
    G.HumanSeat = 0;
    G.Dealer = North;
    // N 1H, E P, S 2C, W P, N 2H, E P, S 4H, W P, N P, E P: North named hearts first.
    host.forcedCalls = {31, 0, 12, 0, 32, 0, 34, 0, 0, 0};
    int leader = 0;
    host.onCard = [&](int seat, int&) {
        if (leader == 0) leader = seat;
    };
    MenuDeal_Click();
    EXPECT_EQ(G.Contract, 34);
    EXPECT_EQ(G.ContractBidder, South);
    EXPECT_EQ(G.Declarer, North);
    EXPECT_EQ(G.Dummy, South);
    EXPECT_EQ(leader, East);
    EXPECT_EQ(G.TrickLeader[1], East);
    EXPECT_EQ(G.DeclaringSideSum, 4);
    EXPECT_EQ(G.TrumpSuit, Hearts);
    EXPECT_EQ(G.SeatInfo[North].OnOffense, -1);
    EXPECT_EQ(G.SeatInfo[South].OnOffense, -1);
    EXPECT_EQ(G.SeatInfo[East].OnOffense, 0);
}

}  // namespace
}  // namespace kestrel
