// Shorthand the declaring side's rules share: the hand on lead, its partner, a hand's length
// and top rank in a suit, and whether a suit is a side suit (not trumps).
#pragma once

#include "core/cards.h"
#include "core/state.h"

namespace kestrel::shorthand {

inline int Me() { return G.CurrentSeat; }
inline int Partner() { return PartnerOf(G.CurrentSeat); }
inline int Len(int seat, int suit) { return CountInSuit(seat, suit); }
inline int Top(int seat, int suit) { return HighestRankOf(seat, suit); }
// In No Trump the trump value is 5, so every suit is a side suit.
inline bool SideSuit(int suit) { return suit != G.TrumpSuit; }

}  // namespace kestrel::shorthand
