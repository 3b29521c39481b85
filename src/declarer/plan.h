// The declarer's plan, chosen after the opening lead, and the leads of the declaring side.
#pragma once

#include <string>

#include "declarer/clear_losers.h"

namespace kestrel {

// Plans: 0 none, 1 Long Suit Establishment, 2 Cross Ruff, 3 High Cards and Out, 4 End Game.
void ChooseDeclarerPlan();
void LeadForDeclarer();
// Plays a lead chosen by a plan; a card the seat cannot lead gives way to the legal stand-in.
void PlayDeclarerLead(int seat, int card);
// After tricks are taken back: the plan flags that depend on the tricks that are gone.
void RestorePlanAfterTakeBack();
// The plan's name for summaries.
std::string PlanName(int plan);

}  // namespace kestrel
