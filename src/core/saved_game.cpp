#include "core/saved_game.h"

#include "core/state.h"

namespace kestrel {

// The record is written and read with the settings file; until a replay has been started by
// the restore at start-up, ReplaySeat and SavedGame are empty and nothing is replaced.
void ApplySavedGameCall(int player, int& call) { (void)player, (void)call; }
void ApplySavedGameCard(int player, int& card) { (void)player, (void)card; }
void ApplySavedGameDummyShown() {}

}  // namespace kestrel
