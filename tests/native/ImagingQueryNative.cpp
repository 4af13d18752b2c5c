// The imaging-library question for the native builds: there is no library to
// probe on the host, so the answer is "missing" unless a test installs one.
#include "imaging/ImagingQuery.h"

namespace {
ImagingQueryFn g_query = nullptr;
}

bool ImagingAvailable() { return g_query ? g_query() : false; }

ImagingQueryFn SetImagingQuery(ImagingQueryFn query)
{
    ImagingQueryFn previous = g_query;
    g_query = query;
    return previous;
}
