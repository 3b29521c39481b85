// The declarer's shared lead tools: the trump routine, finesses, entries, unblocking, the best
// suit to lead. Every tool answers for the seat on lead (CurrentSeat) and its partner, appends
// its sentences to the Why text and never plays a card itself.
#pragma once

namespace kestrel {

// A trump to lead; 0 for none; -1 when it switched the plan to Cross Ruff.
int TrumpPlay();
// Our highest or lowest card of the suit to start a finesse, or 0.
int FindFinesse(int suit, int gap);
// Whether partner, on lead, could finesse towards our hand in the suit.
bool CanFinesseTo(int suit, int gap);
// A trump lead towards a finesse, or 0.
int LeadToFinesseRules();
// The suit to lead when no rule has found a card, or 0.
int BestSuit();
// A card of the suit that unblocks it; mode -1 always answers (our lowest by default).
int Unblock(int suit, int mode);
// Entries from the seat into its partner's hand; withTrumps -1 counts trump winners too.
int EntryCount(int seat, int withTrumps);
// Tricks the declaring side can take, at most the tricks left.
int TrickEstimate();
// Switches Long Suit Establishment to Cross Ruff when ruffing promises more than cashing.
bool SwitchToCrossRuff();

// Small shared terms of the declarer's rules.
// Either defender has shown out of the suit.
bool DefenderShownOut(int suit);
// Cards of the seat's suit above the highest out.
int TopCount(int seat, int suit);

}  // namespace kestrel
