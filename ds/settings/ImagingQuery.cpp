#include "settings/ImagingQuery.h"

#include "transfer/PageStore.h"

namespace {
ImagingQueryFn g_imagingQuery = nullptr; // null: the page store answers
} // namespace

bool ImagingAvailable() { return g_imagingQuery ? g_imagingQuery() : PageStoreImagingAvailable(); }

ImagingQueryFn SetImagingQuery(ImagingQueryFn query)
{
    ImagingQueryFn previous = g_imagingQuery;
    g_imagingQuery = query;
    return previous;
}
