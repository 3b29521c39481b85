#include "declarer/long_suit.h"

#include "core/flow.h"
#include "core/state.h"
#include "play/choose_card.h"

namespace kestrel {

// Stand-in until the Long Suit Establishment rules are built: plays the legal stand-in card
// under the heading the plan sets.
void PlayLongSuit() {
    G.WhyText = "Long Suit Est.\r\n";
    PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat));
}

}  // namespace kestrel
