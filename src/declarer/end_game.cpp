#include "declarer/end_game.h"

#include "core/flow.h"
#include "core/state.h"
#include "play/choose_card.h"

namespace kestrel {

// Stand-in until the End Game rules are built: plays the legal stand-in card, appending no
// sentence of its own to the heading the dispatcher set.
void PlayEndGame() { PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat)); }

// Stand-in until the end-game count is built: MyWinners keeps the value of the last count.
void CountWinners() {}

}  // namespace kestrel
