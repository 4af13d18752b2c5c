#include "common/driver/OpenResult.h"

namespace tx {

int MapOpenResult(int code)
{
    switch (code) {
    case 14:
        return OPEN_NO_DEVICE;
    case 256:
        return OPEN_NOT_FOUND;
    case OPEN_OK:
    case OPEN_NOT_FOUND:
    case OPEN_NO_DEVICE:
    case OPEN_DRIVER_MISSING:
    case OPEN_CODE_15:
    case OPEN_RECONNECT:
        return code;
    default:
        return OPEN_OTHER_FAILURE;
    }
}

}  // namespace tx
