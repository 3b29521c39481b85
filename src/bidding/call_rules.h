// Small helpers that every bidding rule shares: the decision cell of the seat to act, bids that
// are only made when legal, the cheapest level of a strain, the suit classes and a few questions
// about the auction.
#pragma once

#include <string>

#include "bidding/auction.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

// The decision being made for the seat in this round (-1 while undecided).
inline int& Cell(int x) { return G.Calls[x][G.BidRound]; }
inline bool Undecided(int x) { return Cell(x) == NoCall; }
// Undecided, or decided to pass: the rules that may still find a bid.
inline bool UndecidedOrPassing(int x) { return Cell(x) <= Pass; }

inline bool IsSuitStrain(int strain) { return strain >= Clubs && strain <= Spades; }
inline bool IsMajor(int strain) { return strain == Hearts || strain == Spades; }
inline bool IsMinor(int strain) { return strain == Clubs || strain == Diamonds; }

// The cheapest level of the strain now (1 while nothing has been bid).
inline int Cheapest(int strain) {
    int k = MinimumLevel(strain);
    return k < 1 ? 1 : k;
}

// The strain at the cheapest level it can be bid now.
inline int BidAtMinimum(int strain) { return MakeBid(Cheapest(strain), strain); }

// The bid outranks the contract, so it may be made now.
inline bool BidIsLegalNow(int call) { return call > 10 && IsLegalCall(0, call); }

// Writes the bid when it can be made: a real strain at a level from the cheapest to 7.
// Returns whether it was written.
inline bool SetBid(int x, int strain, int level) {
    if (strain < Clubs || strain > NoTrump || level < 1 || level > 7) return false;
    int call = MakeBid(level, strain);
    if (!BidIsLegalNow(call)) return false;
    Cell(x) = call;
    return true;
}

// Writes a Double or Redouble when the auction allows it.
inline bool SetDouble(int x, int call) {
    if (!IsLegalCall(x, call)) return false;
    Cell(x) = call;
    return true;
}

// A game contract: No Trump at level 3 or more, a major at 4 or more, a minor at 5 or more.
inline bool IsGameBid(int call) {
    if (call <= 10) return false;
    int s = CallStrain(call), l = CallLevel(call);
    return (s == NoTrump && l >= 3) || (IsMajor(s) && l >= 4) || l >= 5;
}

// The seat's last call and its strain.
inline int LastStrain(int x) { return CallStrain(LastCall(x)); }

// How many different suits the seat has bid.
inline int SuitsBidCount(int seat) {
    int n = 0;
    for (int s = Clubs; s <= Spades; ++s)
        if (G.SuitInfo[seat][s].TimesBid > 0) ++n;
    return n;
}

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

// A count of quick-trick halves as tricks: 4 -> " 2", 5 -> " 2.5", 1 -> " 0.5".
inline std::string HalvesAsTricks(int halves) {
    if (halves % 2 == 0) return Str(halves / 2);
    if (halves < 0) return "-" + std::to_string(-halves / 2) + ".5";
    return " " + std::to_string(halves / 2) + ".5";
}

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
