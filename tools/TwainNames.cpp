#include "TwainNames.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Named {
    TW_UINT32 value;
    const char* name;
};

template <size_t N>
const char* Find(const Named (&table)[N], TW_UINT32 value)
{
    for (const Named& n : table)
        if (n.value == value) return n.name;
    return nullptr;
}

std::string OrNumber(const char* name, TW_UINT32 value)
{
    if (name) return name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(value));
    return buf;
}

bool SameText(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

#define N(x) {x, #x}

const Named kReturnCodes[] = {N(TWRC_SUCCESS), N(TWRC_FAILURE), N(TWRC_CHECKSTATUS), N(TWRC_CANCEL),
    N(TWRC_DSEVENT), N(TWRC_NOTDSEVENT), N(TWRC_XFERDONE), N(TWRC_ENDOFLIST), N(TWRC_INFONOTSUPPORTED),
    N(TWRC_DATANOTAVAILABLE), N(TWRC_BUSY), N(TWRC_SCANNERLOCKED)};

const Named kConditionCodes[] = {N(TWCC_SUCCESS), N(TWCC_BUMMER), N(TWCC_LOWMEMORY), N(TWCC_NODS),
    N(TWCC_MAXCONNECTIONS), N(TWCC_OPERATIONERROR), N(TWCC_BADCAP), N(TWCC_BADPROTOCOL), N(TWCC_BADVALUE),
    N(TWCC_SEQERROR), N(TWCC_BADDEST), N(TWCC_CAPUNSUPPORTED), N(TWCC_CAPBADOPERATION), N(TWCC_CAPSEQERROR),
    N(TWCC_DENIED), N(TWCC_FILEEXISTS), N(TWCC_FILENOTFOUND), N(TWCC_NOTEMPTY), N(TWCC_PAPERJAM),
    N(TWCC_PAPERDOUBLEFEED), N(TWCC_FILEWRITEERROR), N(TWCC_CHECKDEVICEONLINE), N(TWCC_INTERLOCK),
    N(TWCC_DAMAGEDCORNER), N(TWCC_FOCUSERROR), N(TWCC_DOCTOOLIGHT), N(TWCC_DOCTOODARK), N(TWCC_NOMEDIA)};

const Named kGroups[] = {N(DG_CONTROL), N(DG_IMAGE), N(DG_AUDIO)};

const Named kDats[] = {N(DAT_NULL), N(DAT_CAPABILITY), N(DAT_EVENT), N(DAT_IDENTITY), N(DAT_PARENT),
    N(DAT_PENDINGXFERS), N(DAT_SETUPMEMXFER), N(DAT_SETUPFILEXFER), N(DAT_STATUS), N(DAT_USERINTERFACE),
    N(DAT_XFERGROUP), N(DAT_CUSTOMDSDATA), N(DAT_DEVICEEVENT), N(DAT_FILESYSTEM), N(DAT_PASSTHRU),
    N(DAT_CALLBACK), N(DAT_STATUSUTF8), N(DAT_CALLBACK2), N(DAT_METRICS), N(DAT_TWAINDIRECT),
    N(DAT_IMAGEINFO), N(DAT_IMAGELAYOUT), N(DAT_IMAGEMEMXFER), N(DAT_IMAGENATIVEXFER), N(DAT_IMAGEFILEXFER),
    N(DAT_CIECOLOR), N(DAT_GRAYRESPONSE), N(DAT_RGBRESPONSE), N(DAT_JPEGCOMPRESSION), N(DAT_PALETTE8),
    N(DAT_EXTIMAGEINFO), N(DAT_FILTER), N(DAT_AUDIOFILEXFER), N(DAT_AUDIOINFO), N(DAT_AUDIONATIVEXFER),
    N(DAT_ICCPROFILE), N(DAT_IMAGEMEMFILEXFER), N(DAT_ENTRYPOINT)};

const Named kMsgs[] = {N(MSG_NULL), N(MSG_GET), N(MSG_GETCURRENT), N(MSG_GETDEFAULT), N(MSG_GETFIRST),
    N(MSG_GETNEXT), N(MSG_SET), N(MSG_RESET), N(MSG_QUERYSUPPORT), N(MSG_GETHELP), N(MSG_GETLABEL),
    N(MSG_GETLABELENUM), N(MSG_SETCONSTRAINT), N(MSG_XFERREADY), N(MSG_CLOSEDSREQ), N(MSG_CLOSEDSOK),
    N(MSG_DEVICEEVENT), N(MSG_OPENDSM), N(MSG_CLOSEDSM), N(MSG_OPENDS), N(MSG_CLOSEDS), N(MSG_USERSELECT),
    N(MSG_DISABLEDS), N(MSG_ENABLEDS), N(MSG_ENABLEDSUIONLY), N(MSG_PROCESSEVENT), N(MSG_ENDXFER),
    N(MSG_STOPFEEDER), N(MSG_PASSTHRU), N(MSG_REGISTER_CALLBACK), N(MSG_RESETALL), N(MSG_SETTASK)};

const Named kItemTypes[] = {N(TWTY_INT8), N(TWTY_INT16), N(TWTY_INT32), N(TWTY_UINT8), N(TWTY_UINT16),
    N(TWTY_UINT32), N(TWTY_BOOL), N(TWTY_FIX32), N(TWTY_FRAME), N(TWTY_STR32), N(TWTY_STR64), N(TWTY_STR128),
    N(TWTY_STR255), N(TWTY_HANDLE)};

const Named kContainers[] = {N(TWON_ARRAY), N(TWON_ENUMERATION), N(TWON_ONEVALUE), N(TWON_RANGE),
    {TWON_DONTCARE16, "TWON_DONTCARE16"}};

const Named kCaps[] = {N(CAP_XFERCOUNT), N(ICAP_COMPRESSION), N(ICAP_PIXELTYPE), N(ICAP_UNITS),
    N(ICAP_XFERMECH), N(CAP_AUTHOR), N(CAP_CAPTION), N(CAP_FEEDERENABLED), N(CAP_FEEDERLOADED),
    N(CAP_TIMEDATE), N(CAP_SUPPORTEDCAPS), N(CAP_EXTENDEDCAPS), N(CAP_AUTOFEED), N(CAP_CLEARPAGE),
    N(CAP_FEEDPAGE), N(CAP_REWINDPAGE), N(CAP_INDICATORS), N(CAP_PAPERDETECTABLE), N(CAP_UICONTROLLABLE),
    N(CAP_DEVICEONLINE), N(CAP_AUTOSCAN), N(CAP_THUMBNAILSENABLED), N(CAP_DUPLEX), N(CAP_DUPLEXENABLED),
    N(CAP_ENABLEDSUIONLY), N(CAP_CUSTOMDSDATA), N(CAP_ENDORSER), N(CAP_JOBCONTROL), N(CAP_ALARMS),
    N(CAP_ALARMVOLUME), N(CAP_AUTOMATICCAPTURE), N(CAP_CLEARBUFFERS), N(CAP_MAXBATCHBUFFERS),
    N(CAP_DEVICETIMEDATE), N(CAP_POWERSUPPLY), N(CAP_SERIALNUMBER), N(CAP_LANGUAGE), N(CAP_FEEDERALIGNMENT),
    N(CAP_FEEDERORDER), N(CAP_REACQUIREALLOWED), N(CAP_SUPPORTEDDATS), N(CAP_DOUBLEFEEDDETECTION),
    N(CAP_PAPERHANDLING), N(CAP_SHEETCOUNT), N(ICAP_AUTOBRIGHT), N(ICAP_BRIGHTNESS), N(ICAP_CONTRAST),
    N(ICAP_CUSTHALFTONE), N(ICAP_EXPOSURETIME), N(ICAP_FILTER), N(ICAP_FLASHUSED), N(ICAP_GAMMA),
    N(ICAP_HALFTONES), N(ICAP_HIGHLIGHT), N(ICAP_IMAGEFILEFORMAT), N(ICAP_LAMPSTATE), N(ICAP_LIGHTSOURCE),
    N(ICAP_ORIENTATION), N(ICAP_PHYSICALWIDTH), N(ICAP_PHYSICALHEIGHT), N(ICAP_SHADOW), N(ICAP_FRAMES),
    N(ICAP_XNATIVERESOLUTION), N(ICAP_YNATIVERESOLUTION), N(ICAP_XRESOLUTION), N(ICAP_YRESOLUTION),
    N(ICAP_MAXFRAMES), N(ICAP_TILES), N(ICAP_BITORDER), N(ICAP_CCITTKFACTOR), N(ICAP_LIGHTPATH),
    N(ICAP_PIXELFLAVOR), N(ICAP_PLANARCHUNKY), N(ICAP_ROTATION), N(ICAP_SUPPORTEDSIZES), N(ICAP_THRESHOLD),
    N(ICAP_XSCALING), N(ICAP_YSCALING), N(ICAP_BITORDERCODES), N(ICAP_PIXELFLAVORCODES),
    N(ICAP_JPEGPIXELTYPE), N(ICAP_TIMEFILL), N(ICAP_BITDEPTH), N(ICAP_BITDEPTHREDUCTION),
    N(ICAP_UNDEFINEDIMAGESIZE), N(ICAP_IMAGEDATASET), N(ICAP_EXTIMAGEINFO), N(ICAP_MINIMUMHEIGHT),
    N(ICAP_MINIMUMWIDTH), N(ICAP_AUTODISCARDBLANKPAGES), N(ICAP_FLIPROTATION), N(ICAP_IMAGEFILTER),
    N(ICAP_AUTOMATICBORDERDETECTION), N(ICAP_AUTOMATICDESKEW), N(ICAP_AUTOMATICROTATE), N(ICAP_JPEGQUALITY),
    N(ICAP_AUTOSIZE), N(ICAP_AUTOMATICLENGTHDETECTION), N(CUSTCAP_FILTER), N(CUSTCAP_DETECTEOP),
    N(CUSTCAP_EOPSENSITIVITY), N(CUSTCAP_CONTINUOUSSCAN), N(CUSTCAP_NEEDSCALIBRATION), N(CUSTCAP_CALIBRATE),
    N(CUSTCAP_PREFEED), N(CUSTCAP_CLEAN)};

const Named kPixelTypes[] = {N(TWPT_BW), N(TWPT_GRAY), N(TWPT_RGB), N(TWPT_PALETTE), N(TWPT_CMY),
    N(TWPT_CMYK)};
const Named kXferMechs[] = {N(TWSX_NATIVE), N(TWSX_FILE), N(TWSX_MEMORY), N(TWSX_MEMFILE)};
const Named kFileFormats[] = {N(TWFF_TIFF), N(TWFF_PICT), N(TWFF_BMP), N(TWFF_XBM), N(TWFF_JFIF),
    N(TWFF_FPX), N(TWFF_TIFFMULTI), N(TWFF_PNG), N(TWFF_SPIFF), N(TWFF_EXIF), N(TWFF_PDF), N(TWFF_JP2)};
const Named kSizes[] = {N(TWSS_NONE), N(TWSS_A4), N(TWSS_JISB5), N(TWSS_USLETTER), N(TWSS_USLEGAL),
    N(TWSS_A5), N(TWSS_ISOB4), N(TWSS_ISOB6), N(TWSS_USLEDGER), N(TWSS_USEXECUTIVE), N(TWSS_A3),
    N(TWSS_ISOB3), N(TWSS_A6), N(TWSS_C4), N(TWSS_C5), N(TWSS_C6), N(TWSS_USSTATEMENT),
    N(TWSS_BUSINESSCARD), N(TWSS_MAXSIZE)};
const Named kUnits[] = {N(TWUN_INCHES), N(TWUN_CENTIMETERS), N(TWUN_PICAS), N(TWUN_POINTS), N(TWUN_TWIPS),
    N(TWUN_PIXELS), N(TWUN_MILLIMETERS)};
const Named kOrientations[] = {N(TWOR_ROT0), N(TWOR_ROT90), N(TWOR_ROT180), N(TWOR_ROT270)};
const Named kBitOrders[] = {N(TWBO_LSBFIRST), N(TWBO_MSBFIRST)};
const Named kFlavors[] = {N(TWPF_CHOCOLATE), N(TWPF_VANILLA)};
const Named kPlanar[] = {N(TWPC_CHUNKY), N(TWPC_PLANAR)};
const Named kReductions[] = {N(TWBR_THRESHOLD), N(TWBR_HALFTONE), N(TWBR_CUSTHALFTONE), N(TWBR_DIFFUSION)};
const Named kAlignments[] = {N(TWFA_NONE), N(TWFA_LEFT), N(TWFA_CENTER), N(TWFA_RIGHT)};
const Named kCompressions[] = {N(TWCP_NONE)};

#undef N

struct ValueTable {
    TW_UINT16 cap;
    const Named* begin;
    size_t count;
};

#define T(cap, table) {cap, table, sizeof(table) / sizeof(table[0])}
const ValueTable kValueTables[] = {T(ICAP_PIXELTYPE, kPixelTypes), T(ICAP_XFERMECH, kXferMechs),
    T(ICAP_IMAGEFILEFORMAT, kFileFormats), T(ICAP_SUPPORTEDSIZES, kSizes), T(ICAP_UNITS, kUnits),
    T(ICAP_ORIENTATION, kOrientations), T(ICAP_BITORDER, kBitOrders), T(ICAP_PIXELFLAVOR, kFlavors),
    T(ICAP_PLANARCHUNKY, kPlanar), T(ICAP_BITDEPTHREDUCTION, kReductions),
    T(CAP_FEEDERALIGNMENT, kAlignments), T(ICAP_COMPRESSION, kCompressions)};
#undef T

const ValueTable* TableOf(TW_UINT16 cap)
{
    for (const ValueTable& t : kValueTables)
        if (t.cap == cap) return &t;
    return nullptr;
}

// A decimal or 0x-hexadecimal number filling the whole text.
bool ParseNumber(const std::string& text, unsigned long& value)
{
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoul(text.c_str(), &end, 0);
    return end && *end == '\0' && text[0] != '-';
}

} // namespace

std::string ReturnCodeName(TW_UINT16 rc) { return OrNumber(Find(kReturnCodes, rc), rc); }
std::string ConditionCodeName(TW_UINT16 cc) { return OrNumber(Find(kConditionCodes, cc), cc); }
std::string DataGroupName(TW_UINT32 dg) { return OrNumber(Find(kGroups, dg), dg); }
std::string DatName(TW_UINT16 dat) { return OrNumber(Find(kDats, dat), dat); }
std::string MsgName(TW_UINT16 msg) { return OrNumber(Find(kMsgs, msg), msg); }
std::string ItemTypeName(TW_UINT16 type) { return OrNumber(Find(kItemTypes, type), type); }
std::string ContainerName(TW_UINT16 conType) { return OrNumber(Find(kContainers, conType), conType); }

std::string TripletText(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg)
{
    return DataGroupName(dg) + " / " + DatName(dat) + " / " + MsgName(msg);
}

std::string CapabilityName(TW_UINT16 cap) { return OrNumber(Find(kCaps, cap), cap); }

bool CapabilityByName(const std::string& text, TW_UINT16& cap)
{
    for (const Named& n : kCaps)
        if (SameText(n.name, text.c_str())) {
            cap = static_cast<TW_UINT16>(n.value);
            return true;
        }
    unsigned long v = 0;
    if (!ParseNumber(text, v) || v > 0xFFFF) return false;
    cap = static_cast<TW_UINT16>(v);
    return true;
}

std::string ValueName(TW_UINT16 cap, TW_UINT32 value)
{
    const ValueTable* t = TableOf(cap);
    if (!t) return "";
    for (size_t i = 0; i < t->count; ++i)
        if (t->begin[i].value == value) return t->begin[i].name;
    return "";
}

bool ValueByName(TW_UINT16 cap, const std::string& text, TW_UINT32& value)
{
    const ValueTable* t = TableOf(cap);
    if (!t || text.empty()) return false;
    for (size_t i = 0; i < t->count; ++i) {
        const char* full = t->begin[i].name;
        const char* shortName = std::strchr(full, '_');
        if (SameText(full, text.c_str()) || (shortName && SameText(shortName + 1, text.c_str()))) {
            value = t->begin[i].value;
            return true;
        }
    }
    return false;
}
