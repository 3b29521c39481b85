// Declarer's and dummy's card when following to a trick someone else led.
#pragma once

namespace kestrel {

// The card for CurrentSeat (declarer or dummy) in second, third or fourth position.
int DeclarerFollow();

}  // namespace kestrel
