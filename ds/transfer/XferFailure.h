// How a transfer that did not complete is answered: a cancel in the progress
// dialog gives TWRC_CANCEL without a message; any other code shows its
// message over the application's window and fails with TWCC_OPERATIONERROR.
// Either way no further page is pending.
#pragma once

#include <cstdint>

#include "twain/Twain.h"

TW_UINT16 AnswerFailedTransfer(int32_t code);
