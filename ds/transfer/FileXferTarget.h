// The target of file transfers: a file name (at most 255 characters) and a
// format, TWFF_BMP or TWFF_TIFF, the format being kept in the settings'
// FileFormat field. Both return to "TWAIN.BMP" and TWFF_BMP at every open.
#pragma once

constexpr char kDefaultXferFileName[] = "TWAIN.BMP";

const char* FileXferName();
void SetFileXferName(const char* name);

// Name "TWAIN.BMP" and the settings' FileFormat TWFF_BMP.
void ResetFileXferTarget();
