// CInformationPage: the fourth page of the sheet. The scanner's picture, its
// serial number, the versions of the data source and of the driver library
// in the system folder, and the legal notice. Filled once, changes nothing.
#pragma once

#include <string>

#include "ui/BitmapStatic.h"
#include "ui/PropertyPageBase.h"

// The serial number as the page shows it: "N/A" when unread or shorter than
// four characters.
std::string SerialNumberText(bool read, const char* serial);
// The serial number read from the driver (property 225), as shown.
std::string ReadSerialNumberText();

class CInformationPage : public CPropertyPageBase {
public:
    CInformationPage() = default;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInit();
    void PlacePicture();

    CBitmapStatic m_picture;
};
