// What each seat knows of the cards, and the queries over it, from both sides of the table.
#include "play/knowledge.h"

#include "core/errors.h"
#include "core/rewind.h"
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

// 4H by South, North dummy. North and South hold all thirteen clubs; dummy has the spade ace
// and West the king.
constexpr const char* kDeal =
    "N:A32.872.4.765432 9876.Q43.T98765. 54.AJ95..AKQJT98 KQJT.KT6.AKQJ32.";

class KnowledgeTest : public PlayTest {
protected:
    // Replays the position; the queries are then asked from the seat given.
    void At(const std::string& play, const std::string& auction = "4H P P P") {
        Decision d = Decide(kDeal, "S", auction, play);
        ASSERT_EQ(d.status, 0) << d.error;
        Reattach();
    }
};

struct Query {
    const char* name;
    const char* play;
    int seat;
    int (*ask)();
    int expected;
};

class KnowledgeQueryTest : public KnowledgeTest, public ::testing::WithParamInterface<Query> {};

TEST_P(KnowledgeQueryTest, AnswersFromTheSeatAsked) {
    const Query& q = GetParam();
    At(q.play);
    G.CurrentSeat = q.seat;
    EXPECT_EQ(q.ask(), q.expected);
}

const Query kQueries[] = {
    // A defender counts dummy's cards as out: the ace in dummy over his own king.
    {"DefenderHighestOutCountsDummy", "DA", West, [] { return HighestOut(Spades); }, Ace},
    // Declarer counts nothing the partnership holds.
    {"DeclarerHighestOutNoneWhenAllOurs", "DA", South, [] { return HighestOut(Clubs); }, 0},
    {"DefenderSeesDummysClubsAsOut", "DA", West, [] { return HighestOut(Clubs); }, Ace},
    {"DeclarerSecondHighestOut", "DA", South, [] { return SecondHighestOut(Spades); }, Queen},
    {"AdjacentRanksHaveNothingBetween", "DA", South,
     [] { return CountOutBetween(Hearts, King, Ace); }, 0},
    {"KingOutBetweenAceAndQueen", "DA", South, [] { return CountOutBetween(Hearts, Ace, Queen); },
     1},
    {"KingPlayedLeavesNothingBetween", "DA D4 D5 C8 HK", South,
     [] { return CountOutBetween(Hearts, Ace, Queen); }, 0},
    {"DefenderCountsDummysCardsBetween", "DA", West,
     [] { return CountOutBetween(Clubs, 1, 7); }, 5},
    {"OutstandingAsDeclarerSeesIt", "DA D4 D5 C8 HK", East,
     [] { return OutstandingCount(Hearts); }, 5},
    {"FiveOutNoVoidLongestIsThree", "DA D4 D5 C8 HK", South,
     [] { return MaxOpponentLength(Hearts); }, 3},
    {"NthHighestOursCountsBothHands", "DA", North, [] { return NthHighestOurs(Hearts, 2); }, Jack},
    {"HolderOfNthHighestOurs", "DA", North, [] { return HolderOfNthHighestOurs(Hearts, 3); },
     South},
    {"OurCardsAboveForDeclarer", "DA", South, [] { return OurCardsAbove(Hearts, 7); }, 3},
    {"OurCardsAboveZeroForDefender", "DA", West, [] { return OurCardsAbove(Hearts, 7); }, 0},
    {"OpponentCardsAbove", "DA", South, [] { return OpponentCardsAbove(Spades, 9); }, 3},
    {"StrongerSuitByRankSum", "DA", South, [] { return StrongerSuit(Hearts, Clubs); }, Clubs},
    {"ChooseLowCardForDeclarerIsLowest", "DA", North, [] { return ChooseLowCard(Clubs); },
     MakeCard(Clubs, 1)},
    {"OpeningLeadSuit", "DA D4 D5 C8 HK", South, [] { return OpeningLeadSuit(); }, Diamonds},
    {"CardsLeftAfterOneTrick", "DA D4 D5 C8 HK", South, [] { return CardsLeft(); }, 12},
    {"DefenceSpareTricks", "DA D4 D5 C8 HK", West, [] { return DefenceSpareTricks(); }, 2},
    {"RelativeTricksOwnSide", "DA D4 D5 C8 HK", West, [] { return RelativeTricks(1); }, 1},
    {"RelativeTricksOtherSide", "DA D4 D5 C8 HK", South, [] { return RelativeTricks(2); }, 1},
    // The partner's ranks come from the partner's real hand: North's clubs 7-6-5-4-3-2.
    {"PartnerHighestRank", "DA", South, [] { return PartnerHighestRank(Clubs); }, 6},
    {"PartnerSecondHighestRank", "DA", South, [] { return PartnerSecondHighestRank(Clubs); }, 5},
    {"PartnerSecondLowestRank", "DA", South, [] { return PartnerSecondLowestRank(Clubs); }, 2},
    {"PartnerLowestRank", "DA", South, [] { return PartnerLowestRank(Clubs); }, 1},
    // A defender's partner too, unseen or not: East's hearts Q-4-3.
    {"DefenderPartnerHighestRank", "DA", West, [] { return PartnerHighestRank(Hearts); }, Queen},
    {"DefenderPartnerSecondHighestRank", "DA", West,
     [] { return PartnerSecondHighestRank(Hearts); }, 3},
    {"DefenderPartnerSecondLowestRank", "DA", West,
     [] { return PartnerSecondLowestRank(Hearts); }, 3},
    {"DefenderPartnerLowestRank", "DA", West, [] { return PartnerLowestRank(Hearts); }, 2},
    {"PartnerVoidHasNoRank", "DA", West, [] { return PartnerHighestRank(Clubs); }, 0},
    // Led before means led to a completed trick: not the trick in progress.
    {"SuitLedBeforeCompletedTrick", "DA D4 D5 C8 HK", South,
     [] { return int(SuitLedBefore(Diamonds)); }, 1},
    {"SuitLedBeforeNotTheCurrentTrick", "DA D4 D5 C8 HK", South,
     [] { return int(SuitLedBefore(Hearts)); }, 0},
    {"SuitLedBeforeNothingYet", "DA D4 D5", South, [] { return int(SuitLedBefore(Diamonds)); }, 0},
};

INSTANTIATE_TEST_SUITE_P(Queries, KnowledgeQueryTest, ::testing::ValuesIn(kQueries),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(KnowledgeTest, DummyShownFillsSeenPerSeat) {
    At("DA");
    // Everybody sees the dummy; only declarer and dummy see declarer's hand.
    EXPECT_EQ(G.Seen[West][Clubs][2], 1);
    EXPECT_EQ(G.Seen[North][Hearts][Ace], 1);
    EXPECT_EQ(G.Seen[West][Hearts][Ace], 0);
    EXPECT_EQ(G.Seen[East][Spades][King], 0);
    EXPECT_EQ(G.Seen[West][Spades][King], 1);
    EXPECT_EQ(CountSeen(South, Clubs), 13);
}

TEST_F(KnowledgeTest, VoidsInferredFromWhatTheSeatsHaveSeen) {
    At("DA D4");
    // Declarer has seen all thirteen clubs, so both defenders hold none.
    EXPECT_EQ(G.SuitInfo[West][Clubs].KnownVoid, -1);
    EXPECT_EQ(G.SuitInfo[East][Clubs].KnownVoid, -1);
    EXPECT_EQ(G.SuitInfo[West][Spades].KnownVoid, 0);
    G.CurrentSeat = South;
    EXPECT_EQ(MaxOpponentLength(Clubs), 0);
}

TEST_F(KnowledgeTest, SeatUnableToFollowIsMarkedVoid) {
    At("DA D4 D5");
    EXPECT_EQ(G.SuitInfo[South][Diamonds].KnownVoid, -1);
    EXPECT_EQ(G.SuitInfo[East][Diamonds].KnownVoid, 0);
}

TEST_F(KnowledgeTest, OffenseOnlyQueriesStopForADefender) {
    At("DA");
    G.CurrentSeat = West;
    EXPECT_THROW(NthHighestOurs(Hearts, 1), FatalErrorException);
    EXPECT_THROW(MaxOpponentLength(Hearts), FatalErrorException);
    EXPECT_THROW(HolderOfNthHighestOurs(Hearts, 1), FatalErrorException);
    EXPECT_FALSE(AllTricksOurs());
    EXPECT_FALSE(TouchingInOtherHand(MakeCard(Hearts, Ace)));
    EXPECT_EQ(OpponentCardsAbove(Hearts, 1), 0);
    EXPECT_THROW(RelativeTricks(3), FatalErrorException);
}

TEST_F(KnowledgeTest, NoTrumpHasNoOutstandingTrumps) {
    At("DA", "3N P P P");
    G.CurrentSeat = South;
    EXPECT_TRUE(NoTrumpContract());
    EXPECT_EQ(OutstandingCount(5), 0);
    EXPECT_FALSE(OpponentCanRuff(South, Spades));
}

TEST_F(KnowledgeTest, SafeWinnerAndRuffs) {
    At("DA D4 D5 C8 HK");
    G.CurrentSeat = South;
    // The club ace is the top club, but with trumps still out both defenders can ruff clubs.
    EXPECT_FALSE(SafeWinner(South, Clubs, 0, 0));
    EXPECT_TRUE(OpponentCanRuff(South, Clubs));
    // The spade ace is North's; South's spades are low.
    EXPECT_FALSE(SafeWinner(South, Spades, 0, 0));
    EXPECT_FALSE(OpponentCanRuff(North, Spades));
    // West and East both follow to spades: the ace is safe for North.
    EXPECT_TRUE(SafeWinner(North, Spades, 0, 0));
    EXPECT_FALSE(SafeWinner(North, Spades, -1, 0));  // South still holds spades
}

TEST_F(KnowledgeTest, AllTricksOursNeedsTrumpsDrawnAndSuitsRunning) {
    At("DA D4 D5 C8 HK");
    G.CurrentSeat = South;
    // The queen of trumps and two spade tricks are still theirs.
    EXPECT_FALSE(AllTricksOurs());
}

TEST_F(KnowledgeTest, TouchingCardInTheOtherHand) {
    At("DA D4 D5 C8 HK");
    G.CurrentSeat = South;
    // North's seven of clubs touches South's nine across the eight already played.
    EXPECT_TRUE(TouchingInOtherHand(Card("C9")));
    // Nothing touches South's jack of hearts: the ten and the queen are unseen by North.
    EXPECT_FALSE(TouchingInOtherHand(Card("HJ")));
}

// 4S by South. North and South hold twelve hearts, East the two; West has no heart or spade.
constexpr const char* kTakeBackDeal =
    "N:432.AKQJT98.32.2 98765.2.AKQJT9.4 AKQJT.76543.54.3 ..876.AKQJT98765";

class TakeBackTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        // East wins the diamond lead and leads his heart; West throws a club; North wins.
        Decision d = Decide(kTakeBackDeal, "S", "1S P 4S P P P", "D6 D2 DA D4 H2 H3 C5 HA");
        ASSERT_EQ(d.status, 0) << d.error;
        ASSERT_EQ(d.seat, "N");
        Reattach();
    }
};

TEST_F(TakeBackTest, TakingBackATrickClearsTheVoidOfTheSuitTakenBack) {
    // Declarer saw all thirteen hearts once East's two was played: both defenders void.
    ASSERT_EQ(G.SuitInfo[East][Hearts].KnownVoid, -1);
    ASSERT_EQ(G.SuitInfo[West][Hearts].KnownVoid, -1);
    ASSERT_EQ(G.Play.DiscardSignalSuit[West], Clubs);
    ASSERT_EQ(G.Play.DiscardSignalTrick[West], 1);
    RewindPlay();
    ASSERT_EQ(G.TricksPlayed, 1);
    // East has his heart back; West still holds none.
    EXPECT_EQ(G.SuitInfo[East][Hearts].KnownVoid, 0);
    EXPECT_EQ(G.SuitInfo[West][Hearts].KnownVoid, -1);
    // The trick held West's first discard: the signal goes with it.
    EXPECT_EQ(G.Play.DiscardSignalSuit[West], 0);
    EXPECT_EQ(G.Play.DiscardSignalTrick[West], 0);
}

TEST_F(TakeBackTest, OnlyTheSignalOfTheTrickTakenBackGoes) {
    // Third trick: East throws his first card, a diamond; West his second.
    Decision d =
        Decide(kTakeBackDeal, "S", "1S P 4S P P P", "D6 D2 DA D4 H2 H3 C5 HA HK D9 H4 D8");
    ASSERT_EQ(d.status, 0) << d.error;
    Reattach();
    ASSERT_EQ(G.Play.DiscardSignalSuit[East], Diamonds);
    ASSERT_EQ(G.Play.DiscardSignalTrick[East], 2);
    RewindPlay();
    ASSERT_EQ(G.TricksPlayed, 2);
    EXPECT_EQ(G.Play.DiscardSignalSuit[East], 0);
    EXPECT_EQ(G.Play.DiscardSignalSuit[West], Clubs);
    EXPECT_EQ(G.Play.DiscardSignalTrick[West], 1);
    // East is still out of hearts, and West too.
    EXPECT_EQ(G.SuitInfo[East][Hearts].KnownVoid, -1);
    EXPECT_EQ(G.SuitInfo[West][Hearts].KnownVoid, -1);
}

// A defender's low card signals: East holds S 9-4, H 9-4 (trumps), D 8-5-2.
class ChooseLowCardTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        Decision d = Decide("N:AKQJ.AKQ.AKQ.AKQ 94.94.852.765432 T876.JT87.JT97.J 532.6532.643.T98",
                            "N", "1C P 1H P 4H P P P", "");
        ASSERT_EQ(d.status, 0) << d.error;
        Reattach();
        G.CurrentSeat = East;
    }
    int LowUnder(int winning, int suit) {
        G.WinningCard = winning;
        return ChooseLowCard(suit);
    }
};

TEST_F(ChooseLowCardTest, SignalsByLengthAndKeepsUnderTheWinner) {
    EXPECT_EQ(CardCode(LowUnder(Card("SK"), Spades)), "S9");  // high from a side doubleton
    EXPECT_EQ(CardCode(LowUnder(Card("HK"), Hearts)), "H4");  // low from a trump doubleton
    EXPECT_EQ(CardCode(LowUnder(Card("DK"), Diamonds)), "D5");  // second highest of three
    EXPECT_EQ(CardCode(LowUnder(Card("S7"), Spades)), "S4");  // never over the winning seven
    EXPECT_EQ(CardCode(LowUnder(0, Spades)), "S4");           // nothing played yet: lowest
    EXPECT_EQ(CardCode(LowUnder(Card("C2"), Spades)), "S4");  // a lower suit wins: lowest
    EXPECT_EQ(CardCode(LowUnder(Card("SA"), Diamonds)), "D5");  // a higher suit wins: no change
}

}  // namespace
}  // namespace kestrel::test
