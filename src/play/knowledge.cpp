#include "play/knowledge.h"

namespace kestrel {

// Void inference comes with the play knowledge rules.
void InferVoidsFromSeen() {}

}  // namespace kestrel
