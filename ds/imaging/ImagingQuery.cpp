#include "imaging/ImagingQuery.h"

#include "imaging/ProcessedSource.h"

namespace {

enum ImagingState { kImagingUnknown, kImagingLoads, kImagingMissing };
ImagingState g_probed = kImagingUnknown;
ImagingQueryFn g_imagingQuery = nullptr; // null: the probe answers

bool ProbedAnswer()
{
    if (g_probed == kImagingUnknown)
        // The probe loads and unloads: nothing stays loaded for the rest of
        // the process (or until module unload, under the loader lock).
        g_probed = CProcessedSource::LibraryLoads() ? kImagingLoads : kImagingMissing;
    return g_probed == kImagingLoads;
}

} // namespace

bool ImagingAvailable() { return g_imagingQuery ? g_imagingQuery() : ProbedAnswer(); }

ImagingQueryFn SetImagingQuery(ImagingQueryFn query)
{
    ImagingQueryFn previous = g_imagingQuery;
    g_imagingQuery = query;
    return previous;
}
