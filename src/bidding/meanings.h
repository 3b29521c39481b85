// The meaning of each call: the point range shown and the What text.
#pragma once

namespace kestrel {

void DescribeCall();

}  // namespace kestrel
