// Whether the image-processing library can be used in this process. The
// settings ask this one function; the page store answers it (and caches the
// answer) once it is linked in, by installing its query at start-up.
#pragma once

using ImagingQueryFn = bool (*)();

bool ImagingAvailable();

// Installs the function that answers ImagingAvailable(); null restores the
// built-in answer "not available". Returns the previous function.
ImagingQueryFn SetImagingQuery(ImagingQueryFn query);
