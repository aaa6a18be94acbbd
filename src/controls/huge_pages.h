#pragma once
// Large buffers (a whole file, a column of a million cells) are faulted in a
// page at a time; asking for transparent huge pages makes that 512 times
// fewer faults, which is most of the time of an open on a virtual machine.
#include <cstddef>

namespace velmora {

// Advises the kernel to back the 2 MB blocks inside [data, data + bytes) with
// huge pages. Call it before the memory is first written; it changes nothing
// but speed, and does nothing for small buffers or where unsupported.
void adviseHugePages(const void* data, std::size_t bytes);

}  // namespace velmora
