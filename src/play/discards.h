// Ruffing and discarding when a seat cannot follow suit.
#pragma once

namespace kestrel {

// The trump to ruff with, or a discard when ruffing is impossible or unwise.
int ChooseRuff(int seat);
// The card to throw away; a defender's first discard signals its suit to partner.
int ChooseDiscard(int seat);

}  // namespace kestrel
