#include "settings/ImagingQuery.h"

namespace {
bool NotAvailable() { return false; }
ImagingQueryFn g_imagingQuery = &NotAvailable;
} // namespace

bool ImagingAvailable() { return g_imagingQuery(); }

ImagingQueryFn SetImagingQuery(ImagingQueryFn query)
{
    ImagingQueryFn previous = g_imagingQuery;
    g_imagingQuery = query ? query : &NotAvailable;
    return previous;
}
