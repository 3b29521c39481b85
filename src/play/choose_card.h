// The card dispatcher: every card after the lead of a trick, and the routing of later leads.
#pragma once

namespace kestrel {

void ChooseCard();
void ChooseLead();

// A legal card for the seat: follows suit when able. Used where no rule has chosen a card.
int StandInCard(int seat);

}  // namespace kestrel
