// The opening lead and every later lead of a defender.
#pragma once

namespace kestrel {

void OpeningLead();
void DefensiveLead();

}  // namespace kestrel
