// Whether the image-processing library can be used in this process. The
// settings ask this one function; the page store answers it and caches the
// answer for the process. Tests may install an answer of their own.
#pragma once

using ImagingQueryFn = bool (*)();

bool ImagingAvailable();

// Installs the function that answers ImagingAvailable(); null restores the
// page store's answer. Returns the previous function (null for the page store).
ImagingQueryFn SetImagingQuery(ImagingQueryFn query);
