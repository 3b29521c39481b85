// The meaning of each call: the point range the caller has shown (ShownMinPoints and
// ShownMaxPoints) and the What text (AuctionWhatText for the computer's calls, HumanWhatText
// for the user's).
#pragma once

namespace kestrel {

// Describes Calls(seat to act, BidRound) for the seat to act; does nothing outside the auction.
void DescribeCall();

}  // namespace kestrel
