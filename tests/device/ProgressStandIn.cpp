#include "ProgressStandIn.h"

#include "ui/ScanProgressDlg.h"

int ProgressStandIn::created = 0;
int ProgressStandIn::destroyed = 0;
int ProgressStandIn::bitsPerPixel = 0;
int ProgressStandIn::width = 0;
int ProgressStandIn::height = 0;
int ProgressStandIn::rows = 0;
bool ProgressStandIn::cancel = false;

void ProgressStandIn::Reset()
{
    created = destroyed = bitsPerPixel = width = height = rows = 0;
    cancel = false;
}

#if defined(TX_PROGRESS_STANDIN)

bool ProgressStandIn::Active() { return true; }

CScanProgressDlg* CScanProgressDlg::Create(HWND, int bitsPerPixel, int width, int height)
{
    ++ProgressStandIn::created;
    ProgressStandIn::bitsPerPixel = bitsPerPixel;
    ProgressStandIn::width = width;
    ProgressStandIn::height = height;
    return new CScanProgressDlg();
}

bool CScanProgressDlg::AddRows(const uint8_t*, int count)
{
    ProgressStandIn::rows += count;
    return !ProgressStandIn::cancel;
}

void CScanProgressDlg::Destroy()
{
    ++ProgressStandIn::destroyed;
    delete this;
}

HWND CScanProgressDlg::Window() const { return nullptr; }

#else

bool ProgressStandIn::Active() { return false; }

#endif
