// The common frame of every IPT_ export: refuses calls before
// initialisation, unknown handles and records of the wrong size, and turns
// exceptions into result codes so that none crosses the library boundary.
#pragma once

#include "ImageHandles.h"
#include "core/Image.h"
#include "imaging/IptRecords.h"

#include <new>

namespace vzdll {

inline int32_t ToResult(vz::Status s) {
    switch (s) {
    case vz::Status::Ok: return IPT_OK;
    case vz::Status::OutOfMemory: return IPT_OUT_OF_MEMORY;
    case vz::Status::FileError: return IPT_FILE_ERROR;
    case vz::Status::Unsupported: return IPT_UNSUPPORTED;
    default: return IPT_BAD_PARAMETER;
    }
}

// A record is usable when present and declaring its own size.
template <typename Record>
bool RecordOk(const Record* r) {
    return r && r->size == static_cast<int64_t>(sizeof(Record));
}

// Runs `body` (returning int32_t) with exceptions mapped to result codes.
template <typename Body>
int32_t Guarded(Body body) {
    try {
        if (!IsInitialized()) return IPT_NOT_INITIALIZED;
        return body();
    } catch (const std::bad_alloc&) {
        return IPT_OUT_OF_MEMORY;
    } catch (...) {
        return IPT_BAD_PARAMETER;
    }
}

// Runs `body(image)` on the image behind `handle` with `record` checked.
template <typename Record, typename Body>
int32_t OnImage(IptImage handle, Record* record, Body body) {
    return Guarded([&]() -> int32_t {
        vz::Image* image = Find(handle);
        if (!image) return IPT_BAD_IMAGE;
        if (!RecordOk(record)) return IPT_BAD_PARAMETER;
        return body(*image);
    });
}

}  // namespace vzdll
