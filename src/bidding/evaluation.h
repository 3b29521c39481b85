// Hand evaluation: points, quick tricks, biddable suits, fits.
#pragma once

namespace kestrel {

void EvaluateHands();

// The auction from the seat's point of view: NaturalTimesBid of every seat and the counting
// tables OpponentsBidCount, OwnBidCount and PartnerBidCount of the seat.
void InferPartnerLengths(int seat);

}  // namespace kestrel
