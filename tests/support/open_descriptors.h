// Counting the descriptors this process holds, to show that a step left none open behind it.
#pragma once

namespace tavik::testing {

// Open descriptors of this process.
int openDescriptorCount();

} // namespace tavik::testing
