#include "bidding/meanings.h"

namespace kestrel {

// The meanings of calls come with their own rules; until then a call shows nothing.
void DescribeCall() {}

}  // namespace kestrel
