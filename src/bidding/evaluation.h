// Hand evaluation: points, quick tricks, biddable suits, fits.
#pragma once

namespace kestrel {

void EvaluateHands();

}  // namespace kestrel
