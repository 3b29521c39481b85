// The End Game plan: the declaring side's leads once the other plans have run out of leads.
#pragma once

namespace kestrel {

void PlayEndGame();
// Sets MyWinners: the winners that can be cashed in the hand of CurrentSeat.
void CountWinners();

}  // namespace kestrel
