// The auction record, its queries, and the bidding loop.
#pragma once

namespace kestrel {

void GetBid();
void Bid2Screen(int player);

int LastCall(int seat);
int FirstCall(int seat);
int LastCallRound(int seat);
int MinimumLevel(int strain);
int AskingForAces();

// Whether the seat may make the call now (bids above the contract, doubles of the opponents'
// undoubled contract, redoubles of one's own doubled contract, and Pass).
bool IsLegalCall(int seat, int call);

// The roles the bidding box gives the user (or a recorded call) from the call actually made.
void AssignCallerRoles(int player, int call);
void TakeBackCallerRoles(int player);

}  // namespace kestrel
