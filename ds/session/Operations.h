// The operations DS_Entry routes to, one per served triplet (or group of
// messages of one triplet). Each checks the session state itself and returns
// a TWRC_ code, recording the condition of a failure in the status record.
#pragma once

#include "twain/Twain.h"

using Operation = TW_UINT16 (*)(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// Session
TW_UINT16 DsStatusGet(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsEntryPointSet(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsCustomDsData(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// Identity, open and close
TW_UINT16 DsIdentity(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// User interface and events
TW_UINT16 DsUserInterface(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsProcessEvent(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// Capabilities
TW_UINT16 DsCapability(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// Transfer set-up and image information
TW_UINT16 DsPendingXfers(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsSetupMemXfer(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsSetupFileXfer(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsXferGroup(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsImageInfo(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsImageLayout(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// Image transfers
TW_UINT16 DsImageMemXfer(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsImageNativeXfer(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
TW_UINT16 DsImageFileXfer(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);

// Records the bad-input condition for a missing record; returns TWRC_FAILURE.
TW_UINT16 FailNullRecord();
