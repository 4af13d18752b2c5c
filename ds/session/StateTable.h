// Which TWAIN states each operation of the source accepts, and where it
// leaves the session. One table for all operations: each operation asks it
// before doing anything and moves the state only through it.
#pragma once

#include <cstdint>

enum class Op {
    CapabilityQuery,    // capability MSG_GET, GETCURRENT, GETDEFAULT, QUERYSUPPORT
    CapabilityChange,   // capability MSG_SET, RESET, RESETALL
    CustomData,         // DAT_CUSTOMDSDATA MSG_GET, MSG_SET
    EntryPoint,         // DAT_ENTRYPOINT MSG_SET
    Status,             // DAT_STATUS MSG_GET
    IdentityGet,        // DAT_IDENTITY MSG_GET
    OpenDs,             // DAT_IDENTITY MSG_OPENDS
    CloseDs,            // DAT_IDENTITY MSG_CLOSEDS (does nothing in 3)
    ProcessEvent,       // DAT_EVENT MSG_PROCESSEVENT
    EnableDs,           // DAT_USERINTERFACE MSG_ENABLEDS, ENABLEDSUIONLY
    StartAcquisition,   // the acquisition starts: enabling without UI, the sheet's Scan
    DisableDs,          // DAT_USERINTERFACE MSG_DISABLEDS
    PendingGet,         // DAT_PENDINGXFERS MSG_GET, DAT_XFERGROUP MSG_GET
    EndXfer,            // DAT_PENDINGXFERS MSG_ENDXFER
    PendingReset,       // DAT_PENDINGXFERS MSG_RESET
    SetupQuery,         // SETUPMEMXFER GET, SETUPFILEXFER GET/GETDEFAULT/SET, IMAGELAYOUT GET/GETDEFAULT
    SetupChange,        // SETUPFILEXFER RESET, IMAGELAYOUT SET/RESET
    ImageInfo,          // DAT_IMAGEINFO MSG_GET
    MemoryXfer,         // DAT_IMAGEMEMXFER MSG_GET
    WholeImageXfer,     // DAT_IMAGENATIVEXFER, DAT_IMAGEFILEXFER MSG_GET
};

// The two ways an operation can end that move the state differently.
enum class Outcome {
    Done,       // the operation did what it is for
    Otherwise,  // its other ending, named in the table (kStays when none)
};

// A target of kStays leaves the state as it is.
constexpr int16_t kStays = 0;

struct StateRule {
    Op op;
    int16_t lowest;     // lowest accepted state
    int16_t highest;    // highest accepted state
    int16_t movesTo;    // state after Outcome::Done
    int16_t otherwise;  // state after Outcome::Otherwise
};

// The rule of one operation.
const StateRule& RuleFor(Op op);

// True when `state` is accepted by the operation.
bool StateAllows(Op op, int16_t state);

// The state an operation ending with `outcome` leaves behind, starting from
// `current`.
int16_t StateAfter(Op op, Outcome outcome, int16_t current);

// Checks the session's current state for the operation; on refusal records
// TWCC_SEQERROR and returns false.
bool RequireState(Op op);

// Moves the session's state as the table says for the operation's outcome.
void MoveState(Op op, Outcome outcome = Outcome::Done);
