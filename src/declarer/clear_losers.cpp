#include "declarer/clear_losers.h"

#include "core/flow.h"
#include "core/state.h"
#include "play/choose_card.h"

namespace kestrel {

// Stand-in until the clearing-losers rules are built: no lead is proposed, so the plan in
// force chooses.
int ClearLosersLead() { return 0; }

// Stand-in until the No Trump lead rules are built: plays the legal stand-in card with an
// empty Why text.
void PlayNoTrump() {
    G.WhyText.clear();
    PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat));
}

// Stand-in until the loser count is built: the Losers stay as they are.
void CountLosers() {}

}  // namespace kestrel
