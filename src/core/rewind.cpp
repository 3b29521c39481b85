#include "core/rewind.h"

#include "declarer/plan.h"

#include "core/cards.h"
#include "core/host.h"
#include "core/state.h"

namespace kestrel {

namespace {

// One card goes back to its owner: the end of his hand, and what the play had learnt from it.
void TakeBackCard(int owner, int card, int trick) {
    Host& host = GetHost();
    const int s = CardSuit(card), r = CardRank(card);
    // Back to the end of the owner's hand.
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[owner][i] == 0) {
            G.Hand[owner][i] = card;
            break;
        }
    // Not played any more.
    G.CardPlayed[card] = 0;
    G.PlayedCard[owner][trick] = 0;
    // The suit is as long as before, and the owner is no longer known to be void in it.
    G.SuitInfo[owner][s].Length += 1;
    G.SuitInfo[owner][s].KnownVoid = 0;
    // The owner's first discard, when it was this card, is forgotten with its trick.
    if (G.Play.DiscardSignalSuit[owner] == s && G.Play.DiscardSignalTrick[owner] + 1 == trick) {
        G.Play.DiscardSignalSuit[owner] = 0;
        G.Play.DiscardSignalTrick[owner] = 0;
    }
    // The tricks-played window forgets it.
    if (G.CardsPlayedShown) host.CardsPlayed().ResetTableEntry(owner, trick - 1);
    // A defender's card is unseen again by everybody but its owner (and the dummy's seat).
    if (owner != G.Dummy && owner != G.Declarer)
        for (int viewer = 1; viewer <= 4; ++viewer)
            if (viewer != owner && viewer != G.Dummy) G.Seen[viewer][s][r] = 0;
}

// The suit of the defenders' last lead, looked up again in the tricks still standing.
void RecomputeLastDefenceLead() {
    G.Play.LastDefenceLeadSuit = 0;
    for (int t = 1; t <= G.TricksPlayed; ++t) {
        const int leader = G.TrickLeader[t];
        if (leader != 0 && leader != G.Declarer && leader != G.Dummy)
            G.Play.LastDefenceLeadSuit = CardSuit(G.PlayedCard[leader][t]);
    }
}

}  // namespace

void RewindPlay() {
    Host& host = GetHost();
    // 1. In the first trick: the same deal again, same dealer, auction included.
    if (G.TricksPlayed == 0) {
        G.KeepDealer = -1;
        G.ReplayHand = -1;
        G.RewindDeal = -1;
        G.AwaitingUser = 0;
        host.Table().LowerRaisedCards();
        G.PlayInterrupt = -1;
        return;
    }
    // 2. The cards of the current, incomplete trick go back.
    const int current = G.TricksPlayed + 1;
    for (int seat = 1; seat <= 4; ++seat) {
        if (G.TrickCard[seat] != 0) TakeBackCard(seat, G.TrickCard[seat], current);
        G.TrickCard[seat] = 0;
    }
    host.Table().HideTrickCards();
    // 3. The cards of the last complete trick go back.
    const int last = G.TricksPlayed;
    for (int seat = 1; seat <= 4; ++seat)
        if (G.PlayedCard[seat][last] != 0) TakeBackCard(seat, G.PlayedCard[seat][last], last);
    // 4. Its winner loses the trick.
    const int winner = G.TrickWinner[last];
    if (winner != 0) {
        const int side = SideOf(winner);
        G.TricksWon[side] -= 1;
        host.Table().ShowTrickTaken(side, G.TricksWon[side]);
    }
    G.TrickLeader[last] = 0;
    G.TrickWinner[last] = 0;
    G.TricksPlayed -= 1;
    // 5. The declarer's plan as it stood after the trick that now ends the play so far.
    if (G.TricksPlayed > 0 && G.PlanOfTrick[G.TricksPlayed] != 0)
        G.DeclarerPlan = G.PlanOfTrick[G.TricksPlayed];
    RestorePlanAfterTakeBack();
    // 6. No trick in progress.
    G.TrickRuffed = 0;
    G.WinningCard = 0;
    G.SuitLed = 0;
    RecomputeLastDefenceLead();
    // 7. Who leads now: the opening leader again, or the winner of the trick before.
    if (G.TricksPlayed == 0) {
        G.Leader = NextPlayer(G.Declarer);
        G.PlayInterrupt = 2;
    } else {
        G.Leader = G.TrickWinner[G.TricksPlayed];
        G.PlayInterrupt = 1;
    }
    // 8. The declarer's losers are counted again (call site: CountLosers comes with the
    //    declarer's No Trump play), the hands are put in order and shown again.
    G.CurrentSeat = G.Declarer;
    G.CurrentSeat = G.Leader;
    SortHands();
    for (int seat = 1; seat <= 4; ++seat) host.Table().RefreshRow(seat);
    G.AwaitingUser = 0;
    G.HumanCard = 0;
}

}  // namespace kestrel
