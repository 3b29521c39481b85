#include "declarer/plan.h"

#include "core/flow.h"
#include "core/state.h"
#include "play/choose_card.h"

namespace kestrel {

// Stand-ins until the declarer's plans are built.
void ChooseDeclarerPlan() {}

void LeadForDeclarer() { PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat)); }

// Stand-in until the loser count of the declarer's plans is built: the Losers stay as they are.
void CountLosers() {}

}  // namespace kestrel
