// The card dispatcher: every card after the lead of a trick, and the routing of later leads.
#pragma once

namespace kestrel {

void ChooseCard();
void ChooseLead();

// A legal card for the seat: follows suit when able. Used where no rule has chosen a card.
int StandInCard(int seat);

// Whether the seat may play the card now: it holds it and follows suit when able.
bool IsLegalPlay(int seat, int card);

}  // namespace kestrel
