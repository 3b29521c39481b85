// The High Cards and Out plan: cash the winners, then give up the lead.
#pragma once

namespace kestrel {

void PlayHighCardsAndOut();

}  // namespace kestrel
