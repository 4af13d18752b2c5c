// Which TWAIN states each operation of the source accepts. One table for all
// operations; each operation asks it before doing anything.
#pragma once

#include <cstdint>

enum class Op {
    CapabilityQuery,    // capability MSG_GET, GETCURRENT, GETDEFAULT, QUERYSUPPORT
    CapabilityChange,   // capability MSG_SET, RESET, RESETALL
    CustomData,         // DAT_CUSTOMDSDATA MSG_GET, MSG_SET
    EntryPoint,         // DAT_ENTRYPOINT MSG_SET
    Status,             // DAT_STATUS MSG_GET
    IdentityGet,        // DAT_IDENTITY MSG_GET
    OpenDs,             // DAT_IDENTITY MSG_OPENDS: 3 -> 4
    CloseDs,            // DAT_IDENTITY MSG_CLOSEDS: any -> 3 (does nothing in 3)
    ProcessEvent,       // DAT_EVENT MSG_PROCESSEVENT
    EnableDs,           // DAT_USERINTERFACE MSG_ENABLEDS, ENABLEDSUIONLY: 4 -> 5 (or 6)
    DisableDs,          // DAT_USERINTERFACE MSG_DISABLEDS: -> 4
    PendingGet,         // DAT_PENDINGXFERS MSG_GET, DAT_XFERGROUP MSG_GET
    EndXfer,            // DAT_PENDINGXFERS MSG_ENDXFER: -> 6 or 5
    PendingReset,       // DAT_PENDINGXFERS MSG_RESET: -> 5
    SetupQuery,         // SETUPMEMXFER GET, SETUPFILEXFER GET/GETDEFAULT/SET, IMAGELAYOUT GET/GETDEFAULT
    SetupChange,        // SETUPFILEXFER RESET, IMAGELAYOUT SET/RESET
    ImageInfo,          // DAT_IMAGEINFO MSG_GET
    MemoryXfer,         // DAT_IMAGEMEMXFER MSG_GET: -> 7 after the first strip
    WholeImageXfer,     // DAT_IMAGENATIVEXFER, DAT_IMAGEFILEXFER MSG_GET: 6 -> 7
};

struct StateRule {
    Op op;
    int16_t lowest;   // lowest accepted state
    int16_t highest;  // highest accepted state
};

// The rule of one operation.
const StateRule& RuleFor(Op op);

// True when `state` is accepted by the operation.
bool StateAllows(Op op, int16_t state);

// Checks the session's current state for the operation; on refusal records
// TWCC_SEQERROR and returns false.
bool RequireState(Op op);
