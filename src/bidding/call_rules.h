// Small helpers shared by the opening, response and rebid rules: the decision cell of the seat
// to act, bids that are only made when legal, and the suit classes.
#pragma once

#include "bidding/auction.h"
#include "core/cards.h"
#include "core/state.h"

namespace kestrel::rules {

// The decision being made for the seat in this round (-1 while undecided).
inline int& Cell(int x) { return G.Calls[x][G.BidRound]; }
inline bool Undecided(int x) { return Cell(x) == NoCall; }
// Undecided, or decided to pass: the rules that may still find a bid.
inline bool UndecidedOrPassing(int x) { return Cell(x) <= Pass; }

inline bool IsSuit(int strain) { return strain >= Clubs && strain <= Spades; }
inline bool IsMajor(int strain) { return strain == Hearts || strain == Spades; }
inline bool IsMinor(int strain) { return strain == Clubs || strain == Diamonds; }

// The cheapest level of the strain now (1 while nothing has been bid).
inline int Cheapest(int strain) {
    int k = MinimumLevel(strain);
    return k < 1 ? 1 : k;
}

// Writes the bid when it can be made: a real strain at a level from the cheapest to 7.
// Returns whether it was written.
inline bool SetBid(int x, int strain, int level) {
    if (strain < Clubs || strain > NoTrump || level < 1 || level > 7) return false;
    int call = MakeBid(level, strain);
    if (!IsLegalCall(x, call)) return false;
    Cell(x) = call;
    return true;
}

// Writes a Double or Redouble when the auction allows it.
inline bool SetDouble(int x, int call) {
    if (!IsLegalCall(x, call)) return false;
    Cell(x) = call;
    return true;
}

// The seat's last call and its strain.
inline int LastStrain(int x) { return CallStrain(LastCall(x)); }

// The partnership's known points: the seat's points and partner's shown minimum.
inline int KnownPoints(int x) {
    return G.SeatInfo[x].Points + G.SeatInfo[PartnerOf(x)].ShownMinPoints;
}

// The opener's points for the opening table: an Ace short or four Aces, and a big hand whose
// strength leans on distribution counted down.
inline int AdjustedPoints(int x) {
    const SeatInfoRec& me = G.SeatInfo[x];
    int a = me.Points;
    if (me.Aces == 0) a -= 1;
    if (me.Aces == 4) a += 1;
    if (a >= 19 && a <= 21 && me.HighCardPoints + 3 < a) a -= 3;
    return a;
}

}  // namespace kestrel::rules

namespace kestrel {

// The opening table by adjusted points and biddable suits, for the first round (round 1) and
// for the opener's second bid (round 2).
void OpeningPointRules(int x, int round);
// The opener's calls after his opening, up to the recorded decision.
void OpenerLaterRounds(int x);
// The responder's calls once he has answered.
void ResponderLaterRounds(int x);
// The No Trump opener's answer to partner's Clubs.
void AnswerStayman(int x);

}  // namespace kestrel
