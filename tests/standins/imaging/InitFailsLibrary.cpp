// A library with every IPT_ export whose initialisation fails: the binding
// must free it and report the library unavailable.
#include "imaging/IptRecords.h"

extern "C" {
int32_t IPT_Initialize(int32_t) { return IPT_NOT_INITIALIZED; }
int32_t IPT_Uninitialize(void) { return IPT_OK; }
int32_t IPT_CreateImageFromFile(IptImage*, const char*) { return IPT_UNSUPPORTED; }
int32_t IPT_CreateImageFromMemory(IptImage*, const IptImageDescription*) { return IPT_UNSUPPORTED; }
int32_t IPT_FreeImage(IptImage) { return IPT_UNSUPPORTED; }
int32_t IPT_SaveImageToFile(IptImage, const char*) { return IPT_UNSUPPORTED; }
int32_t IPT_SaveImageToMemory(IptImage, IptMemoryOutput*) { return IPT_UNSUPPORTED; }
int32_t IPT_RemoveBorder(IptImage, const IptBorderRemoval*) { return IPT_UNSUPPORTED; }
int32_t IPT_Binarize(IptImage, const IptBinarization*) { return IPT_UNSUPPORTED; }
int32_t IPT_Rotate(IptImage, const IptRotation*) { return IPT_UNSUPPORTED; }
int32_t IPT_GetProperties(IptImage, IptProperties*) { return IPT_UNSUPPORTED; }
int32_t IPT_Copy(IptImage*, IptImage) { return IPT_UNSUPPORTED; }
int32_t IPT_DropColor(IptImage, const IptColorDropout*) { return IPT_UNSUPPORTED; }
int32_t IPT_DetectOrientation(IptImage, IptOrientation*) { return IPT_UNSUPPORTED; }
}
