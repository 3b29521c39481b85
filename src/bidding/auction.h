// The auction record, its queries, and the bidding loop.
#pragma once

namespace kestrel {

void GetBid();
// Asks the decision procedure of the seat to act's role for its call.
void DecideCallForSeatToAct();
void Bid2Screen(int player);

int LastCall(int seat);
int FirstCall(int seat);
int LastCallRound(int seat);
int MinimumLevel(int strain);
// The right-hand opponent has called (bid, doubled or redoubled), or partner passed.
bool IsFreeBidder(int seat);
// The right-hand opponent's call in the round (the round before for the dealer) is above Pass.
bool RhoCalledBefore(int seat, int round);
// The seat's call of the round skipped at least one level of its strain.
bool IsJumpBid(int seat, int round);
// False when the seat's second suit was a reverse (low suit first, then a higher one above it).
bool BidsHighThenLow(int seat);
// The seat to act when its current 4 Clubs or 4 No Trump asks for Aces, else 0.
int AskingForAces();

// Whether the seat may make the call now (bids above the contract, doubles of the opponents'
// undoubled contract, redoubles of one's own doubled contract, and Pass).
bool IsLegalCall(int seat, int call);

// The roles the bidding box gives the user (or a recorded call) from the call actually made.
void AssignCallerRoles(int player, int call);
void TakeBackCallerRoles(int player);

}  // namespace kestrel
