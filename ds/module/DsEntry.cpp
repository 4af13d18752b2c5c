#include <windows.h>
#include "twain/Twain.h"
extern "C" TW_UINT16 TW_CALLINGSTYLE DS_Entry(TW_IDENTITY*, TW_UINT32, TW_UINT16, TW_UINT16, TW_MEMREF) { return TWRC_FAILURE; }
