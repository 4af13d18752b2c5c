// The source's own capabilities (custom range of the TWAIN capability ids),
// and a published one that our TWAIN header does not list.
#pragma once

#include "twain/Twain.h"

constexpr TW_UINT16 CUSTCAP_FILTER           = 0xBC00; // descreen filter (without imaging)
constexpr TW_UINT16 CUSTCAP_DETECTEOP        = 0xBC01; // stop at the end of the page
constexpr TW_UINT16 CUSTCAP_EOPSENSITIVITY   = 0xBC02; // end-of-page sensitivity -100..100
constexpr TW_UINT16 CUSTCAP_CONTINUOUSSCAN   = 0xBC03; // ask for further documents
constexpr TW_UINT16 CUSTCAP_NEEDSCALIBRATION = 0xBE00; // read only: the scanner wants a calibration
constexpr TW_UINT16 CUSTCAP_CALIBRATE        = 0xBE01; // action: calibrate
constexpr TW_UINT16 CUSTCAP_PREFEED          = 0xBE02; // action: pull an inserted document in
constexpr TW_UINT16 CUSTCAP_CLEAN            = 0xBE03; // action: run the cleaning sheet

constexpr TW_UINT16 ICAP_IMAGEFILTER = 0x1147;
