// Manager memory functions that count what they make and free, and can refuse
// one allocation, for handing to the source through DAT_ENTRYPOINT.
#pragma once

#include "twain/Twain.h"

namespace counting {

// Forgets the counts; with refuseAt > 0 the refuseAt-th allocation from now
// gives nothing.
void Reset(int refuseAt = 0);
// Refuses the next allocation (and only it).
void RefuseNext();
int Allocations(); // blocks made
int Frees();       // blocks freed through Free
int Live();        // made and not freed
bool Owns(TW_HANDLE handle);
// Frees a block as the application does with the manager's free function.
void Free(TW_HANDLE handle);

TW_ENTRYPOINT EntryPoints();

} // namespace counting
