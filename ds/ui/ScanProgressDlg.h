// The modeless progress dialog of a scan (template 330): a progress bar and a
// growing thumbnail of the page. Feeding it rows pumps the thread's messages,
// which keeps the application alive while the device is read.
#pragma once

#include <windows.h>

#include <cstdint>

class CScanProgressDlg {
public:
    // Creates and shows the dialog over `parent` at once; null on failure.
    static CScanProgressDlg* Create(HWND parent, int bitsPerPixel, int width, int height);

    // Pumps messages, updates the bar and the thumbnail with `count` rows
    // (padded to 4 bytes for their depth); false when the user cancelled.
    bool AddRows(const uint8_t* rows, int count);

    // Destroys the window; the object deletes itself with it.
    void Destroy();

    HWND Window() const;

    // (The dialog's own members follow; the public calls above are what the
    // scanner source relies on.)
};
