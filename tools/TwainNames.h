// Names of the TWAIN codes the client prints and accepts: return and
// condition codes, triplets, item and container types, capabilities and the
// named values of the capabilities that have them.
#pragma once

#include <cstdint>
#include <string>

#include "twain/Twain.h"

// Custom capabilities of the Tarvex 380 source, and one it serves unlisted.
constexpr TW_UINT16 CUSTCAP_FILTER           = 0xBC00;
constexpr TW_UINT16 CUSTCAP_DETECTEOP        = 0xBC01;
constexpr TW_UINT16 CUSTCAP_EOPSENSITIVITY   = 0xBC02;
constexpr TW_UINT16 CUSTCAP_CONTINUOUSSCAN   = 0xBC03;
constexpr TW_UINT16 CUSTCAP_NEEDSCALIBRATION = 0xBE00;
constexpr TW_UINT16 CUSTCAP_CALIBRATE        = 0xBE01;
constexpr TW_UINT16 CUSTCAP_PREFEED          = 0xBE02;
constexpr TW_UINT16 CUSTCAP_CLEAN            = 0xBE03;
constexpr TW_UINT16 ICAP_IMAGEFILTER         = 0x1147;

// "TWRC_FAILURE", "TWCC_BADVALUE", ...; an unknown code gives its number.
std::string ReturnCodeName(TW_UINT16 rc);
std::string ConditionCodeName(TW_UINT16 cc);
std::string DataGroupName(TW_UINT32 dg);
std::string DatName(TW_UINT16 dat);
std::string MsgName(TW_UINT16 msg);
std::string ItemTypeName(TW_UINT16 type);
std::string ContainerName(TW_UINT16 conType);

// "DG_CONTROL / DAT_CAPABILITY / MSG_SET"
std::string TripletText(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg);

// "ICAP_PIXELTYPE"; an unknown id gives "0x1234".
std::string CapabilityName(TW_UINT16 cap);
// Accepts a name in any case ("icap_gamma") or a number ("0x1108", "4360").
bool CapabilityByName(const std::string& text, TW_UINT16& cap);

// The name of a value for the capabilities whose values are named (pixel
// types, mechanisms, file formats, sizes, ...); empty when it has none.
std::string ValueName(TW_UINT16 cap, TW_UINT32 value);
// The value of a name for that capability, with or without its prefix, in
// any case ("RGB", "twpt_rgb"); false when the capability has no such name.
bool ValueByName(TW_UINT16 cap, const std::string& text, TW_UINT32& value);
