// Routing of TWAIN triplets to the source's operations.
#pragma once

#include "session/Operations.h"

// The operation serving (DG, DAT, MSG), or null when the triplet is not served.
// The data group is compared exactly, not masked.
Operation FindOperation(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg);

// What DS_Entry does: routes the call, or fails it with TWCC_BADPROTOCOL.
TW_UINT16 Dispatch(TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
