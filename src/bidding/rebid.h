// Taking back the user's last call: the auction is cleared and replayed up to the user's
// previous turn, where he makes that call again.
#pragma once

namespace kestrel {

// Thrown out of the user's wait in Bid2Screen when he takes back his last call: the turn he
// was asked for is abandoned unrecorded, and the bidding loop replays the auction.
struct CallTakenBack {};

// The user takes back his last call (the bidding box's "rebid"). Only on his turn and from
// the second round on; returns false, and nothing happens, otherwise.
bool UserTakesBackCall();

// Clears the auction and its inferences and replays it, the computer deciding again for the
// other seats and the user's calls entered for him as he made them, up to his turn in the round before
// the one he was asked for. The bidding loop then asks him again.
void ReplayAuction();

// While the auction is replayed: the user's recorded call for his seat in the current round.
// Returns false outside a replay and for the other seats.
bool ReplayedUserCall(int player, int& call);

}  // namespace kestrel
