// Ruffing and discarding when a seat cannot follow suit.
#pragma once

namespace kestrel {

// The trump to ruff with, or a discard when ruffing is impossible or unwise.
int ChooseRuff(int seat);
// The card to throw away; a defender's first discard signals its suit to partner.
int ChooseDiscard(int seat);

// The user played another card than the one proposed: the discard signal follows the card
// actually played (a first discard signals its suit; a card that is no discard signals nothing).
void SignalOfPlayedCard(int player, int proposal, int card);

}  // namespace kestrel
