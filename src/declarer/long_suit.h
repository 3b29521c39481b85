// The Long Suit Establishment plan: draw trumps, then run the long suit.
#pragma once

namespace kestrel {

void PlayLongSuit();

}  // namespace kestrel
