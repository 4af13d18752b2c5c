// The library's table of live images and its initialisation count. Handles
// given to callers are checked against the table, so a stale or made-up
// handle is refused with a result code instead of being followed.
#pragma once

#include "core/Image.h"

#include <memory>

namespace vzdll {

// IPT_Initialize and IPT_Uninitialize count; the last uninitialisation frees
// every image still held.
void AddInitialization();
bool RemoveInitialization();  // false when not initialised
bool IsInitialized();

// Takes ownership; returns the handle.
void* Register(std::unique_ptr<vz::Image> image);
// The image behind a handle, or null when the handle is not one of ours.
vz::Image* Find(void* handle);
// Frees the image; false when the handle is not one of ours.
bool Release(void* handle);

}  // namespace vzdll
