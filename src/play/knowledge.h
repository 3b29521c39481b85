// What each seat knows of the unseen cards during the play.
#pragma once

namespace kestrel {

// Marks KnownVoid for every seat and suit that can now be inferred from what has been seen.
void InferVoidsFromSeen();

}  // namespace kestrel
