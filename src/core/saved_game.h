// The replay of a game saved in the settings file: the user's recorded decisions take the
// place of the engine's while the hand is dealt and played again.
#pragma once

namespace kestrel {

// Replaces a call of the user's seat by the next recorded one while a replay runs.
void ApplySavedGameCall(int player, int& call);
// Replaces a card of the user's seats by the next recorded one while a replay runs.
void ApplySavedGameCard(int player, int& card);
// The dummy is laid out: the user takes over from the record.
void ApplySavedGameDummyShown();

}  // namespace kestrel
