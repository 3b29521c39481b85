#include "play/leads.h"

#include "core/flow.h"
#include "core/state.h"
#include "play/choose_card.h"

namespace kestrel {

// Stand-ins until the lead rules are built.
void OpeningLead() {
    G.WhyText.clear();
    PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat));
}

void DefensiveLead() { PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat)); }

}  // namespace kestrel
