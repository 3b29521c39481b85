// The declarer's plan, chosen after the opening lead, and the leads of the declaring side.
#pragma once

namespace kestrel {

void ChooseDeclarerPlan();
void LeadForDeclarer();
// Fills the Losers of declarer's and dummy's side suits.
void CountLosers();

}  // namespace kestrel
