// Who this source is: the identity MSG_GET writes, and the profile section an
// application's settings are kept under.
#pragma once

#include "twain/Twain.h"

// Writes the source's identity into the record. Version.Info holds "3.5.0.0"
// in bytes 0 to 7 and the identity signature in bytes 18 to 33; bytes 8 to 17
// keep what the caller had there.
void WriteSourceIdentity(TW_IDENTITY* identity);

// The section for an application: the letters of its ProductName (at most 33
// characters, up to the first zero), upper case, at most 15; "UNTITLED" when
// two or fewer letters remain. `out` holds at least 16 bytes.
void MakeSectionName(const TW_IDENTITY& application, char* out);
