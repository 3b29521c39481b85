// Clearing losers before drawing trumps in a game contract, and the No Trump lead routine.
#pragma once

namespace kestrel {

// A lead that clears a loser, or 0; does not play it.
int ClearLosersLead();
// Chooses and plays the declaring side's lead in No Trump.
void PlayNoTrump();
// Fills the Losers of declarer's and dummy's side suits.
void CountLosers();
// The sure winners of each hand in No Trump: the cash flags and counts, MyWinners, PartnerWinners.
void CountSureWinners();

}  // namespace kestrel
