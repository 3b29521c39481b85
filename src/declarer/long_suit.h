// The Long Suit Establishment plan: draw trumps, then run the long suit.
#pragma once

namespace kestrel {

// Plays the declaring side's lead while the plan is Long Suit Establishment.
void PlayLongSuit();
// The trump step of the plan: a card, 0, or -1 when the trump routine switched to Cross Ruff.
int LongSuitTrumps();
// The long-suit rules over the side suits (mode -1: singletons only; flag -1: unled suits only).
int LongSuitRules(int mode, int hand, int flag);

}  // namespace kestrel
