#pragma once
// The benchmarks' Host: answers everything at once and shows nothing.

#include "platform/Host.h"

namespace orv::bench {

using QuietHost = MutedHost;

}  // namespace orv::bench
