// Whether the image-processing library can be used in this process: asked
// once (a probe that loads and unloads the library), then remembered. The
// settings, the capabilities and the page store all ask this one function.
// Tests may install an answer of their own.
#pragma once

using ImagingQueryFn = bool (*)();

bool ImagingAvailable();

// Installs the function that answers ImagingAvailable(); null restores the
// probe's answer. Returns the previous function (null for the probe).
ImagingQueryFn SetImagingQuery(ImagingQueryFn query);
