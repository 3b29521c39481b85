#include "play/high_cards_out.h"

#include "core/flow.h"
#include "core/state.h"
#include "play/choose_card.h"

namespace kestrel {

// Stand-in until the High Cards and Out rules are built: plays the legal stand-in card; the
// rules will set their own heading.
void PlayHighCardsAndOut() {
    G.WhyText.clear();
    PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat));
}

}  // namespace kestrel
