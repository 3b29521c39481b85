// The defenders' card when following to a trick led by someone else.
#pragma once

namespace kestrel {

// Second hand low, cover an honour, third hand high, win cheaply in fourth seat, or ruff or
// discard when out of the suit. Returns the card; the caller plays it.
int DefendByPosition();

}  // namespace kestrel
