// TWAIN 2 protocol declarations used by the data source, the scanning client
// and the tests: constants and records with the published values, in the
// 64-bit Windows layout packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#define TW_CALLINGSTYLE __stdcall
#else
#define TW_CALLINGSTYLE
#endif

typedef int8_t   TW_INT8;
typedef int16_t  TW_INT16;
typedef int32_t  TW_INT32;
typedef uint8_t  TW_UINT8;
typedef uint16_t TW_UINT16;
typedef uint32_t TW_UINT32;
typedef uint16_t TW_BOOL;
typedef void*    TW_HANDLE;
typedef void*    TW_MEMREF;
typedef char     TW_STR32[34];
typedef char     TW_STR64[66];
typedef char     TW_STR128[130];
typedef char     TW_STR255[256];

// ---- Data groups --------------------------------------------------------
constexpr TW_UINT32 DG_CONTROL = 0x0001;
constexpr TW_UINT32 DG_IMAGE   = 0x0002;
constexpr TW_UINT32 DG_AUDIO   = 0x0004;
constexpr TW_UINT32 DG_MASK    = 0xFFFF;
constexpr TW_UINT32 DF_DSM2    = 0x10000000;
constexpr TW_UINT32 DF_APP2    = 0x20000000;
constexpr TW_UINT32 DF_DS2     = 0x40000000;

// ---- Data argument types ------------------------------------------------
constexpr TW_UINT16 DAT_NULL             = 0x0000;
constexpr TW_UINT16 DAT_CAPABILITY       = 0x0001;
constexpr TW_UINT16 DAT_EVENT            = 0x0002;
constexpr TW_UINT16 DAT_IDENTITY         = 0x0003;
constexpr TW_UINT16 DAT_PARENT           = 0x0004;
constexpr TW_UINT16 DAT_PENDINGXFERS     = 0x0005;
constexpr TW_UINT16 DAT_SETUPMEMXFER     = 0x0006;
constexpr TW_UINT16 DAT_SETUPFILEXFER    = 0x0007;
constexpr TW_UINT16 DAT_STATUS           = 0x0008;
constexpr TW_UINT16 DAT_USERINTERFACE    = 0x0009;
constexpr TW_UINT16 DAT_XFERGROUP        = 0x000A;
constexpr TW_UINT16 DAT_CUSTOMDSDATA     = 0x000C;
constexpr TW_UINT16 DAT_DEVICEEVENT      = 0x000D;
constexpr TW_UINT16 DAT_FILESYSTEM       = 0x000E;
constexpr TW_UINT16 DAT_PASSTHRU         = 0x000F;
constexpr TW_UINT16 DAT_CALLBACK         = 0x0010;
constexpr TW_UINT16 DAT_STATUSUTF8       = 0x0011;
constexpr TW_UINT16 DAT_CALLBACK2        = 0x0012;
constexpr TW_UINT16 DAT_METRICS          = 0x0013;
constexpr TW_UINT16 DAT_TWAINDIRECT      = 0x0014;
constexpr TW_UINT16 DAT_IMAGEINFO        = 0x0101;
constexpr TW_UINT16 DAT_IMAGELAYOUT      = 0x0102;
constexpr TW_UINT16 DAT_IMAGEMEMXFER     = 0x0103;
constexpr TW_UINT16 DAT_IMAGENATIVEXFER  = 0x0104;
constexpr TW_UINT16 DAT_IMAGEFILEXFER    = 0x0105;
constexpr TW_UINT16 DAT_CIECOLOR         = 0x0106;
constexpr TW_UINT16 DAT_GRAYRESPONSE     = 0x0107;
constexpr TW_UINT16 DAT_RGBRESPONSE      = 0x0108;
constexpr TW_UINT16 DAT_JPEGCOMPRESSION  = 0x0109;
constexpr TW_UINT16 DAT_PALETTE8         = 0x010A;
constexpr TW_UINT16 DAT_EXTIMAGEINFO     = 0x010B;
constexpr TW_UINT16 DAT_FILTER           = 0x010C;
constexpr TW_UINT16 DAT_AUDIOFILEXFER    = 0x0201;
constexpr TW_UINT16 DAT_AUDIOINFO        = 0x0202;
constexpr TW_UINT16 DAT_AUDIONATIVEXFER  = 0x0203;
constexpr TW_UINT16 DAT_ICCPROFILE       = 0x0401;
constexpr TW_UINT16 DAT_IMAGEMEMFILEXFER = 0x0402;
constexpr TW_UINT16 DAT_ENTRYPOINT       = 0x0403;
constexpr TW_UINT16 DAT_CUSTOMBASE       = 0x8000;

// ---- Messages -----------------------------------------------------------
constexpr TW_UINT16 MSG_NULL             = 0x0000;
constexpr TW_UINT16 MSG_GET              = 0x0001;
constexpr TW_UINT16 MSG_GETCURRENT       = 0x0002;
constexpr TW_UINT16 MSG_GETDEFAULT       = 0x0003;
constexpr TW_UINT16 MSG_GETFIRST         = 0x0004;
constexpr TW_UINT16 MSG_GETNEXT          = 0x0005;
constexpr TW_UINT16 MSG_SET              = 0x0006;
constexpr TW_UINT16 MSG_RESET            = 0x0007;
constexpr TW_UINT16 MSG_QUERYSUPPORT     = 0x0008;
constexpr TW_UINT16 MSG_GETHELP          = 0x0009;
constexpr TW_UINT16 MSG_GETLABEL         = 0x000A;
constexpr TW_UINT16 MSG_GETLABELENUM     = 0x000B;
constexpr TW_UINT16 MSG_SETCONSTRAINT    = 0x000C;
constexpr TW_UINT16 MSG_XFERREADY        = 0x0101;
constexpr TW_UINT16 MSG_CLOSEDSREQ       = 0x0102;
constexpr TW_UINT16 MSG_CLOSEDSOK        = 0x0103;
constexpr TW_UINT16 MSG_DEVICEEVENT      = 0x0104;
constexpr TW_UINT16 MSG_OPENDSM          = 0x0301;
constexpr TW_UINT16 MSG_CLOSEDSM         = 0x0302;
constexpr TW_UINT16 MSG_OPENDS           = 0x0401;
constexpr TW_UINT16 MSG_CLOSEDS          = 0x0402;
constexpr TW_UINT16 MSG_USERSELECT       = 0x0403;
constexpr TW_UINT16 MSG_DISABLEDS        = 0x0501;
constexpr TW_UINT16 MSG_ENABLEDS         = 0x0502;
constexpr TW_UINT16 MSG_ENABLEDSUIONLY   = 0x0503;
constexpr TW_UINT16 MSG_PROCESSEVENT     = 0x0601;
constexpr TW_UINT16 MSG_ENDXFER          = 0x0701;
constexpr TW_UINT16 MSG_STOPFEEDER       = 0x0702;
constexpr TW_UINT16 MSG_CHANGEDIRECTORY  = 0x0801;
constexpr TW_UINT16 MSG_CREATEDIRECTORY  = 0x0802;
constexpr TW_UINT16 MSG_DELETE           = 0x0803;
constexpr TW_UINT16 MSG_FORMATMEDIA      = 0x0804;
constexpr TW_UINT16 MSG_GETCLOSE         = 0x0805;
constexpr TW_UINT16 MSG_GETFIRSTFILE     = 0x0806;
constexpr TW_UINT16 MSG_GETINFO          = 0x0807;
constexpr TW_UINT16 MSG_GETNEXTFILE      = 0x0808;
constexpr TW_UINT16 MSG_RENAME           = 0x0809;
constexpr TW_UINT16 MSG_COPY             = 0x080A;
constexpr TW_UINT16 MSG_AUTOMATICCAPTUREDIRECTORY = 0x080B;
constexpr TW_UINT16 MSG_PASSTHRU         = 0x0901;
constexpr TW_UINT16 MSG_REGISTER_CALLBACK = 0x0902;
constexpr TW_UINT16 MSG_RESETALL         = 0x0A01;
constexpr TW_UINT16 MSG_SETTASK          = 0x0B01;
constexpr TW_UINT16 MSG_CUSTOMBASE       = 0x8000;

// ---- Return codes -------------------------------------------------------
constexpr TW_UINT16 TWRC_SUCCESS          = 0;
constexpr TW_UINT16 TWRC_FAILURE          = 1;
constexpr TW_UINT16 TWRC_CHECKSTATUS      = 2;
constexpr TW_UINT16 TWRC_CANCEL           = 3;
constexpr TW_UINT16 TWRC_DSEVENT          = 4;
constexpr TW_UINT16 TWRC_NOTDSEVENT       = 5;
constexpr TW_UINT16 TWRC_XFERDONE         = 6;
constexpr TW_UINT16 TWRC_ENDOFLIST        = 7;
constexpr TW_UINT16 TWRC_INFONOTSUPPORTED = 8;
constexpr TW_UINT16 TWRC_DATANOTAVAILABLE = 9;
constexpr TW_UINT16 TWRC_BUSY             = 10;
constexpr TW_UINT16 TWRC_SCANNERLOCKED    = 11;
constexpr TW_UINT16 TWRC_CUSTOMBASE       = 0x8000;

// ---- Condition codes ----------------------------------------------------
constexpr TW_UINT16 TWCC_SUCCESS           = 0;
constexpr TW_UINT16 TWCC_BUMMER            = 1;
constexpr TW_UINT16 TWCC_LOWMEMORY         = 2;
constexpr TW_UINT16 TWCC_NODS              = 3;
constexpr TW_UINT16 TWCC_MAXCONNECTIONS    = 4;
constexpr TW_UINT16 TWCC_OPERATIONERROR    = 5;
constexpr TW_UINT16 TWCC_BADCAP            = 6;
constexpr TW_UINT16 TWCC_BADPROTOCOL       = 9;
constexpr TW_UINT16 TWCC_BADVALUE          = 10;
constexpr TW_UINT16 TWCC_SEQERROR          = 11;
constexpr TW_UINT16 TWCC_BADDEST           = 12;
constexpr TW_UINT16 TWCC_CAPUNSUPPORTED    = 13;
constexpr TW_UINT16 TWCC_CAPBADOPERATION   = 14;
constexpr TW_UINT16 TWCC_CAPSEQERROR       = 15;
constexpr TW_UINT16 TWCC_DENIED            = 16;
constexpr TW_UINT16 TWCC_FILEEXISTS        = 17;
constexpr TW_UINT16 TWCC_FILENOTFOUND      = 18;
constexpr TW_UINT16 TWCC_NOTEMPTY          = 19;
constexpr TW_UINT16 TWCC_PAPERJAM          = 20;
constexpr TW_UINT16 TWCC_PAPERDOUBLEFEED   = 21;
constexpr TW_UINT16 TWCC_FILEWRITEERROR    = 22;
constexpr TW_UINT16 TWCC_CHECKDEVICEONLINE = 23;
constexpr TW_UINT16 TWCC_INTERLOCK         = 24;
constexpr TW_UINT16 TWCC_DAMAGEDCORNER     = 25;
constexpr TW_UINT16 TWCC_FOCUSERROR        = 26;
constexpr TW_UINT16 TWCC_DOCTOOLIGHT       = 27;
constexpr TW_UINT16 TWCC_DOCTOODARK        = 28;
constexpr TW_UINT16 TWCC_NOMEDIA           = 29;
constexpr TW_UINT16 TWCC_CUSTOMBASE        = 0x8000;

// ---- Item types ---------------------------------------------------------
constexpr TW_UINT16 TWTY_INT8   = 0x0000;
constexpr TW_UINT16 TWTY_INT16  = 0x0001;
constexpr TW_UINT16 TWTY_INT32  = 0x0002;
constexpr TW_UINT16 TWTY_UINT8  = 0x0003;
constexpr TW_UINT16 TWTY_UINT16 = 0x0004;
constexpr TW_UINT16 TWTY_UINT32 = 0x0005;
constexpr TW_UINT16 TWTY_BOOL   = 0x0006;
constexpr TW_UINT16 TWTY_FIX32  = 0x0007;
constexpr TW_UINT16 TWTY_FRAME  = 0x0008;
constexpr TW_UINT16 TWTY_STR32  = 0x0009;
constexpr TW_UINT16 TWTY_STR64  = 0x000A;
constexpr TW_UINT16 TWTY_STR128 = 0x000B;
constexpr TW_UINT16 TWTY_STR255 = 0x000C;
constexpr TW_UINT16 TWTY_HANDLE = 0x000F;

// ---- Container types and "don't care" values ----------------------------
constexpr TW_UINT16 TWON_ARRAY       = 3;
constexpr TW_UINT16 TWON_ENUMERATION = 4;
constexpr TW_UINT16 TWON_ONEVALUE    = 5;
constexpr TW_UINT16 TWON_RANGE       = 6;
constexpr TW_UINT16 TWON_ICONID      = 962;
constexpr TW_UINT16 TWON_DSMID       = 461;
constexpr TW_UINT16 TWON_DSMCODEID   = 63;
constexpr TW_UINT8  TWON_DONTCARE8   = 0xFF;
constexpr TW_UINT16 TWON_DONTCARE16  = 0xFFFF;
constexpr TW_UINT32 TWON_DONTCARE32  = 0xFFFFFFFF;

// ---- Capability query support flags -------------------------------------
constexpr TW_INT32 TWQC_GET           = 0x0001;
constexpr TW_INT32 TWQC_SET           = 0x0002;
constexpr TW_INT32 TWQC_GETDEFAULT    = 0x0004;
constexpr TW_INT32 TWQC_GETCURRENT    = 0x0008;
constexpr TW_INT32 TWQC_RESET         = 0x0010;
constexpr TW_INT32 TWQC_SETCONSTRAINT = 0x0020;
constexpr TW_INT32 TWQC_CONSTRAINABLE = 0x0040;

// ---- Transfer mechanisms ------------------------------------------------
constexpr TW_UINT16 TWSX_NATIVE  = 0;
constexpr TW_UINT16 TWSX_FILE    = 1;
constexpr TW_UINT16 TWSX_MEMORY  = 2;
constexpr TW_UINT16 TWSX_MEMFILE = 4;

// ---- File formats -------------------------------------------------------
constexpr TW_UINT16 TWFF_TIFF      = 0;
constexpr TW_UINT16 TWFF_PICT      = 1;
constexpr TW_UINT16 TWFF_BMP       = 2;
constexpr TW_UINT16 TWFF_XBM       = 3;
constexpr TW_UINT16 TWFF_JFIF      = 4;
constexpr TW_UINT16 TWFF_FPX       = 5;
constexpr TW_UINT16 TWFF_TIFFMULTI = 6;
constexpr TW_UINT16 TWFF_PNG       = 7;
constexpr TW_UINT16 TWFF_SPIFF     = 8;
constexpr TW_UINT16 TWFF_EXIF      = 9;
constexpr TW_UINT16 TWFF_PDF       = 10;
constexpr TW_UINT16 TWFF_JP2       = 11;
constexpr TW_UINT16 TWFF_JPX       = 13;
constexpr TW_UINT16 TWFF_DEJAVU    = 14;
constexpr TW_UINT16 TWFF_PDFA      = 15;
constexpr TW_UINT16 TWFF_PDFA2     = 16;
constexpr TW_UINT16 TWFF_PDFRASTER = 17;

// ---- Pixel types --------------------------------------------------------
constexpr TW_UINT16 TWPT_BW       = 0;
constexpr TW_UINT16 TWPT_GRAY     = 1;
constexpr TW_UINT16 TWPT_RGB      = 2;
constexpr TW_UINT16 TWPT_PALETTE  = 3;
constexpr TW_UINT16 TWPT_CMY      = 4;
constexpr TW_UINT16 TWPT_CMYK     = 5;
constexpr TW_UINT16 TWPT_YUV      = 6;
constexpr TW_UINT16 TWPT_YUVK     = 7;
constexpr TW_UINT16 TWPT_CIEXYZ   = 8;
constexpr TW_UINT16 TWPT_LAB      = 9;
constexpr TW_UINT16 TWPT_SRGB     = 10;
constexpr TW_UINT16 TWPT_SCRGB    = 11;
constexpr TW_UINT16 TWPT_INFRARED = 16;

// ---- Further enumerations the capabilities use --------------------------
constexpr TW_UINT16 TWOR_ROT0   = 0;
constexpr TW_UINT16 TWOR_ROT90  = 1;
constexpr TW_UINT16 TWOR_ROT180 = 2;
constexpr TW_UINT16 TWOR_ROT270 = 3;
constexpr TW_UINT16 TWOR_PORTRAIT  = TWOR_ROT0;
constexpr TW_UINT16 TWOR_LANDSCAPE = TWOR_ROT270;

constexpr TW_UINT16 TWUN_INCHES      = 0;
constexpr TW_UINT16 TWUN_CENTIMETERS = 1;
constexpr TW_UINT16 TWUN_PICAS       = 2;
constexpr TW_UINT16 TWUN_POINTS      = 3;
constexpr TW_UINT16 TWUN_TWIPS       = 4;
constexpr TW_UINT16 TWUN_PIXELS      = 5;
constexpr TW_UINT16 TWUN_MILLIMETERS = 6;

constexpr TW_UINT16 TWSS_NONE         = 0;
constexpr TW_UINT16 TWSS_A4           = 1;
constexpr TW_UINT16 TWSS_JISB5        = 2;
constexpr TW_UINT16 TWSS_USLETTER     = 3;
constexpr TW_UINT16 TWSS_USLEGAL      = 4;
constexpr TW_UINT16 TWSS_A5           = 5;
constexpr TW_UINT16 TWSS_ISOB4        = 6;
constexpr TW_UINT16 TWSS_ISOB6        = 7;
constexpr TW_UINT16 TWSS_USLEDGER     = 9;
constexpr TW_UINT16 TWSS_USEXECUTIVE  = 10;
constexpr TW_UINT16 TWSS_A3           = 11;
constexpr TW_UINT16 TWSS_ISOB3        = 12;
constexpr TW_UINT16 TWSS_A6           = 13;
constexpr TW_UINT16 TWSS_C4           = 14;
constexpr TW_UINT16 TWSS_C5           = 15;
constexpr TW_UINT16 TWSS_C6           = 16;
constexpr TW_UINT16 TWSS_4A0          = 17;
constexpr TW_UINT16 TWSS_2A0          = 18;
constexpr TW_UINT16 TWSS_A0           = 19;
constexpr TW_UINT16 TWSS_A1           = 20;
constexpr TW_UINT16 TWSS_A2           = 21;
constexpr TW_UINT16 TWSS_A7           = 22;
constexpr TW_UINT16 TWSS_A8           = 23;
constexpr TW_UINT16 TWSS_A9           = 24;
constexpr TW_UINT16 TWSS_A10          = 25;
constexpr TW_UINT16 TWSS_ISOB0        = 26;
constexpr TW_UINT16 TWSS_ISOB1        = 27;
constexpr TW_UINT16 TWSS_ISOB2        = 28;
constexpr TW_UINT16 TWSS_ISOB5        = 29;
constexpr TW_UINT16 TWSS_ISOB7        = 30;
constexpr TW_UINT16 TWSS_ISOB8        = 31;
constexpr TW_UINT16 TWSS_ISOB9        = 32;
constexpr TW_UINT16 TWSS_ISOB10       = 33;
constexpr TW_UINT16 TWSS_JISB0        = 34;
constexpr TW_UINT16 TWSS_JISB1        = 35;
constexpr TW_UINT16 TWSS_JISB2        = 36;
constexpr TW_UINT16 TWSS_JISB3        = 37;
constexpr TW_UINT16 TWSS_JISB4        = 38;
constexpr TW_UINT16 TWSS_JISB6        = 39;
constexpr TW_UINT16 TWSS_JISB7        = 40;
constexpr TW_UINT16 TWSS_JISB8        = 41;
constexpr TW_UINT16 TWSS_JISB9        = 42;
constexpr TW_UINT16 TWSS_JISB10       = 43;
constexpr TW_UINT16 TWSS_C0           = 44;
constexpr TW_UINT16 TWSS_C1           = 45;
constexpr TW_UINT16 TWSS_C2           = 46;
constexpr TW_UINT16 TWSS_C3           = 47;
constexpr TW_UINT16 TWSS_C7           = 48;
constexpr TW_UINT16 TWSS_C8           = 49;
constexpr TW_UINT16 TWSS_C9           = 50;
constexpr TW_UINT16 TWSS_C10          = 51;
constexpr TW_UINT16 TWSS_USSTATEMENT  = 52;
constexpr TW_UINT16 TWSS_BUSINESSCARD = 53;
constexpr TW_UINT16 TWSS_MAXSIZE      = 54;

constexpr TW_UINT16 TWBR_THRESHOLD     = 0;
constexpr TW_UINT16 TWBR_HALFTONE      = 1;
constexpr TW_UINT16 TWBR_CUSTHALFTONE  = 2;
constexpr TW_UINT16 TWBR_DIFFUSION     = 3;
constexpr TW_UINT16 TWBR_DYNAMICTHRESHOLD = 4;

constexpr TW_UINT16 TWBO_LSBFIRST = 0;
constexpr TW_UINT16 TWBO_MSBFIRST = 1;

constexpr TW_UINT16 TWCP_NONE = 0;

constexpr TW_UINT16 TWPC_CHUNKY = 0;
constexpr TW_UINT16 TWPC_PLANAR = 1;

constexpr TW_UINT16 TWPF_CHOCOLATE = 0;
constexpr TW_UINT16 TWPF_VANILLA   = 1;

constexpr TW_UINT16 TWFA_NONE   = 0;
constexpr TW_UINT16 TWFA_LEFT   = 1;
constexpr TW_UINT16 TWFA_CENTER = 2;
constexpr TW_UINT16 TWFA_RIGHT  = 3;

constexpr TW_UINT32 TWMF_APPOWNS     = 0x0001;
constexpr TW_UINT32 TWMF_DSMOWNS     = 0x0002;
constexpr TW_UINT32 TWMF_DSOWNS      = 0x0004;
constexpr TW_UINT32 TWMF_POINTER     = 0x0008;
constexpr TW_UINT32 TWMF_HANDLE      = 0x0010;

constexpr TW_UINT16 TWLG_ENGLISH_USA = 13;
constexpr TW_UINT16 TWCY_USA         = 1;

// ---- Capabilities -------------------------------------------------------
constexpr TW_UINT16 CAP_CUSTOMBASE        = 0x8000;
constexpr TW_UINT16 CAP_XFERCOUNT         = 0x0001;
constexpr TW_UINT16 ICAP_COMPRESSION      = 0x0100;
constexpr TW_UINT16 ICAP_PIXELTYPE        = 0x0101;
constexpr TW_UINT16 ICAP_UNITS            = 0x0102;
constexpr TW_UINT16 ICAP_XFERMECH         = 0x0103;
constexpr TW_UINT16 CAP_AUTHOR            = 0x1000;
constexpr TW_UINT16 CAP_CAPTION           = 0x1001;
constexpr TW_UINT16 CAP_FEEDERENABLED     = 0x1002;
constexpr TW_UINT16 CAP_FEEDERLOADED      = 0x1003;
constexpr TW_UINT16 CAP_TIMEDATE          = 0x1004;
constexpr TW_UINT16 CAP_SUPPORTEDCAPS     = 0x1005;
constexpr TW_UINT16 CAP_EXTENDEDCAPS      = 0x1006;
constexpr TW_UINT16 CAP_AUTOFEED          = 0x1007;
constexpr TW_UINT16 CAP_CLEARPAGE         = 0x1008;
constexpr TW_UINT16 CAP_FEEDPAGE          = 0x1009;
constexpr TW_UINT16 CAP_REWINDPAGE        = 0x100A;
constexpr TW_UINT16 CAP_INDICATORS        = 0x100B;
constexpr TW_UINT16 CAP_PAPERDETECTABLE   = 0x100D;
constexpr TW_UINT16 CAP_UICONTROLLABLE    = 0x100E;
constexpr TW_UINT16 CAP_DEVICEONLINE      = 0x100F;
constexpr TW_UINT16 CAP_AUTOSCAN          = 0x1010;
constexpr TW_UINT16 CAP_THUMBNAILSENABLED = 0x1011;
constexpr TW_UINT16 CAP_DUPLEX            = 0x1012;
constexpr TW_UINT16 CAP_DUPLEXENABLED     = 0x1013;
constexpr TW_UINT16 CAP_ENABLEDSUIONLY    = 0x1014;
constexpr TW_UINT16 CAP_CUSTOMDSDATA      = 0x1015;
constexpr TW_UINT16 CAP_ENDORSER          = 0x1016;
constexpr TW_UINT16 CAP_JOBCONTROL        = 0x1017;
constexpr TW_UINT16 CAP_ALARMS            = 0x1018;
constexpr TW_UINT16 CAP_ALARMVOLUME       = 0x1019;
constexpr TW_UINT16 CAP_AUTOMATICCAPTURE  = 0x101A;
constexpr TW_UINT16 CAP_TIMEBEFOREFIRSTCAPTURE = 0x101B;
constexpr TW_UINT16 CAP_TIMEBETWEENCAPTURES    = 0x101C;
constexpr TW_UINT16 CAP_CLEARBUFFERS      = 0x101D;
constexpr TW_UINT16 CAP_MAXBATCHBUFFERS   = 0x101E;
constexpr TW_UINT16 CAP_DEVICETIMEDATE    = 0x101F;
constexpr TW_UINT16 CAP_POWERSUPPLY       = 0x1020;
constexpr TW_UINT16 CAP_CAMERAPREVIEWUI   = 0x1021;
constexpr TW_UINT16 CAP_DEVICEEVENT       = 0x1022;
constexpr TW_UINT16 CAP_SERIALNUMBER      = 0x1024;
constexpr TW_UINT16 CAP_PRINTER           = 0x1026;
constexpr TW_UINT16 CAP_PRINTERENABLED    = 0x1027;
constexpr TW_UINT16 CAP_PRINTERINDEX      = 0x1028;
constexpr TW_UINT16 CAP_PRINTERMODE       = 0x1029;
constexpr TW_UINT16 CAP_PRINTERSTRING     = 0x102A;
constexpr TW_UINT16 CAP_PRINTERSUFFIX     = 0x102B;
constexpr TW_UINT16 CAP_LANGUAGE          = 0x102C;
constexpr TW_UINT16 CAP_FEEDERALIGNMENT   = 0x102D;
constexpr TW_UINT16 CAP_FEEDERORDER       = 0x102E;
constexpr TW_UINT16 CAP_REACQUIREALLOWED  = 0x1030;
constexpr TW_UINT16 CAP_BATTERYMINUTES    = 0x1032;
constexpr TW_UINT16 CAP_BATTERYPERCENTAGE = 0x1033;
constexpr TW_UINT16 CAP_CAMERASIDE        = 0x1034;
constexpr TW_UINT16 CAP_SEGMENTED         = 0x1035;
constexpr TW_UINT16 CAP_CAMERAENABLED     = 0x1036;
constexpr TW_UINT16 CAP_CAMERAORDER       = 0x1037;
constexpr TW_UINT16 CAP_MICRENABLED       = 0x1038;
constexpr TW_UINT16 CAP_FEEDERPREP        = 0x1039;
constexpr TW_UINT16 CAP_FEEDERPOCKET      = 0x103A;
constexpr TW_UINT16 CAP_AUTOMATICSENSEMEDIUM = 0x103B;
constexpr TW_UINT16 CAP_CUSTOMINTERFACEGUID  = 0x103C;
constexpr TW_UINT16 CAP_SUPPORTEDCAPSSEGMENTUNIQUE = 0x103D;
constexpr TW_UINT16 CAP_SUPPORTEDDATS     = 0x103E;
constexpr TW_UINT16 CAP_DOUBLEFEEDDETECTION = 0x103F;
constexpr TW_UINT16 CAP_PAPERHANDLING     = 0x1049;
constexpr TW_UINT16 CAP_INDICATORSMODE    = 0x104A;
constexpr TW_UINT16 CAP_POWERSAVETIME     = 0x104C;
constexpr TW_UINT16 CAP_SHEETCOUNT        = 0x1055;

constexpr TW_UINT16 ICAP_AUTOBRIGHT          = 0x1100;
constexpr TW_UINT16 ICAP_BRIGHTNESS          = 0x1101;
constexpr TW_UINT16 ICAP_CONTRAST            = 0x1103;
constexpr TW_UINT16 ICAP_CUSTHALFTONE        = 0x1104;
constexpr TW_UINT16 ICAP_EXPOSURETIME        = 0x1105;
constexpr TW_UINT16 ICAP_FILTER              = 0x1106;
constexpr TW_UINT16 ICAP_FLASHUSED           = 0x1107;
constexpr TW_UINT16 ICAP_GAMMA               = 0x1108;
constexpr TW_UINT16 ICAP_HALFTONES           = 0x1109;
constexpr TW_UINT16 ICAP_HIGHLIGHT           = 0x110A;
constexpr TW_UINT16 ICAP_IMAGEFILEFORMAT     = 0x110C;
constexpr TW_UINT16 ICAP_LAMPSTATE           = 0x110D;
constexpr TW_UINT16 ICAP_LIGHTSOURCE         = 0x110E;
constexpr TW_UINT16 ICAP_ORIENTATION         = 0x1110;
constexpr TW_UINT16 ICAP_PHYSICALWIDTH       = 0x1111;
constexpr TW_UINT16 ICAP_PHYSICALHEIGHT      = 0x1112;
constexpr TW_UINT16 ICAP_SHADOW              = 0x1113;
constexpr TW_UINT16 ICAP_FRAMES              = 0x1114;
constexpr TW_UINT16 ICAP_XNATIVERESOLUTION   = 0x1116;
constexpr TW_UINT16 ICAP_YNATIVERESOLUTION   = 0x1117;
constexpr TW_UINT16 ICAP_XRESOLUTION         = 0x1118;
constexpr TW_UINT16 ICAP_YRESOLUTION         = 0x1119;
constexpr TW_UINT16 ICAP_MAXFRAMES           = 0x111A;
constexpr TW_UINT16 ICAP_TILES               = 0x111B;
constexpr TW_UINT16 ICAP_BITORDER            = 0x111C;
constexpr TW_UINT16 ICAP_CCITTKFACTOR        = 0x111D;
constexpr TW_UINT16 ICAP_LIGHTPATH           = 0x111E;
constexpr TW_UINT16 ICAP_PIXELFLAVOR         = 0x111F;
constexpr TW_UINT16 ICAP_PLANARCHUNKY        = 0x1120;
constexpr TW_UINT16 ICAP_ROTATION            = 0x1121;
constexpr TW_UINT16 ICAP_SUPPORTEDSIZES      = 0x1122;
constexpr TW_UINT16 ICAP_THRESHOLD           = 0x1123;
constexpr TW_UINT16 ICAP_XSCALING            = 0x1124;
constexpr TW_UINT16 ICAP_YSCALING            = 0x1125;
constexpr TW_UINT16 ICAP_BITORDERCODES       = 0x1126;
constexpr TW_UINT16 ICAP_PIXELFLAVORCODES    = 0x1127;
constexpr TW_UINT16 ICAP_JPEGPIXELTYPE       = 0x1128;
constexpr TW_UINT16 ICAP_TIMEFILL            = 0x112A;
constexpr TW_UINT16 ICAP_BITDEPTH            = 0x112B;
constexpr TW_UINT16 ICAP_BITDEPTHREDUCTION   = 0x112C;
constexpr TW_UINT16 ICAP_UNDEFINEDIMAGESIZE  = 0x112D;
constexpr TW_UINT16 ICAP_IMAGEDATASET        = 0x112E;
constexpr TW_UINT16 ICAP_EXTIMAGEINFO        = 0x112F;
constexpr TW_UINT16 ICAP_MINIMUMHEIGHT       = 0x1130;
constexpr TW_UINT16 ICAP_MINIMUMWIDTH        = 0x1131;
constexpr TW_UINT16 ICAP_AUTODISCARDBLANKPAGES = 0x1134;
constexpr TW_UINT16 ICAP_FLIPROTATION        = 0x1136;
constexpr TW_UINT16 ICAP_BARCODEDETECTIONENABLED = 0x1137;
constexpr TW_UINT16 ICAP_AUTOMATICBORDERDETECTION = 0x1150;
constexpr TW_UINT16 ICAP_AUTOMATICDESKEW     = 0x1151;
constexpr TW_UINT16 ICAP_AUTOMATICROTATE     = 0x1152;
constexpr TW_UINT16 ICAP_JPEGQUALITY         = 0x1153;
constexpr TW_UINT16 ICAP_FEEDERTYPE          = 0x1154;
constexpr TW_UINT16 ICAP_ICCPROFILE          = 0x1155;
constexpr TW_UINT16 ICAP_AUTOSIZE            = 0x1156;
constexpr TW_UINT16 ICAP_AUTOMATICCROPUSESFRAME = 0x1157;
constexpr TW_UINT16 ICAP_AUTOMATICLENGTHDETECTION = 0x1158;
constexpr TW_UINT16 ICAP_AUTOMATICCOLORENABLED = 0x1159;
constexpr TW_UINT16 ICAP_AUTOMATICCOLORNONCOLORPIXELTYPE = 0x115A;
constexpr TW_UINT16 ICAP_COLORMANAGEMENTENABLED = 0x115B;
constexpr TW_UINT16 ICAP_IMAGEMERGE          = 0x115C;
constexpr TW_UINT16 ICAP_IMAGEMERGEHEIGHTTHRESHOLD = 0x115D;
constexpr TW_UINT16 ICAP_SUPPORTEDEXTIMAGEINFO = 0x115E;
constexpr TW_UINT16 ICAP_FILMTYPE            = 0x115F;
constexpr TW_UINT16 ICAP_MIRROR              = 0x1160;
constexpr TW_UINT16 ICAP_JPEGSUBSAMPLING     = 0x1161;

// ---- Records ------------------------------------------------------------
#pragma pack(push, 2)

struct TW_FIX32 {
    TW_INT16  Whole;
    TW_UINT16 Frac;
};

struct TW_FRAME {
    TW_FIX32 Left;
    TW_FIX32 Top;
    TW_FIX32 Right;
    TW_FIX32 Bottom;
};

struct TW_VERSION {
    TW_UINT16 MajorNum;
    TW_UINT16 MinorNum;
    TW_UINT16 Language;
    TW_UINT16 Country;
    TW_STR32  Info;
};

struct TW_IDENTITY {
    TW_UINT32  Id;
    TW_VERSION Version;
    TW_UINT16  ProtocolMajor;
    TW_UINT16  ProtocolMinor;
    TW_UINT32  SupportedGroups;
    TW_STR32   Manufacturer;
    TW_STR32   ProductFamily;
    TW_STR32   ProductName;
};

struct TW_CAPABILITY {
    TW_UINT16 Cap;
    TW_UINT16 ConType;
    TW_HANDLE hContainer;
};

struct TW_ONEVALUE {
    TW_UINT16 ItemType;
    TW_UINT32 Item;
};

struct TW_ENUMERATION {
    TW_UINT16 ItemType;
    TW_UINT32 NumItems;
    TW_UINT32 CurrentIndex;
    TW_UINT32 DefaultIndex;
    TW_UINT8  ItemList[1];
};

struct TW_RANGE {
    TW_UINT16 ItemType;
    TW_UINT32 MinValue;
    TW_UINT32 MaxValue;
    TW_UINT32 StepSize;
    TW_UINT32 DefaultValue;
    TW_UINT32 CurrentValue;
};

struct TW_ARRAY {
    TW_UINT16 ItemType;
    TW_UINT32 NumItems;
    TW_UINT8  ItemList[1];
};

struct TW_STATUS {
    TW_UINT16 ConditionCode;
    TW_UINT16 Data;
};

struct TW_USERINTERFACE {
    TW_BOOL   ShowUI;
    TW_BOOL   ModalUI;
    TW_HANDLE hParent;
};

struct TW_EVENT {
    TW_MEMREF pEvent;
    TW_UINT16 TWMessage;
};

struct TW_PENDINGXFERS {
    TW_UINT16 Count;
    TW_UINT32 EOJ;
};

struct TW_SETUPMEMXFER {
    TW_UINT32 MinBufSize;
    TW_UINT32 MaxBufSize;
    TW_UINT32 Preferred;
};

struct TW_SETUPFILEXFER {
    TW_STR255 FileName;
    TW_UINT16 Format;
    TW_INT16  VRefNum;
};

struct TW_IMAGEINFO {
    TW_FIX32  XResolution;
    TW_FIX32  YResolution;
    TW_INT32  ImageWidth;
    TW_INT32  ImageLength;
    TW_INT16  SamplesPerPixel;
    TW_INT16  BitsPerSample[8];
    TW_INT16  BitsPerPixel;
    TW_BOOL   Planar;
    TW_INT16  PixelType;
    TW_UINT16 Compression;
};

struct TW_IMAGELAYOUT {
    TW_FRAME  Frame;
    TW_UINT32 DocumentNumber;
    TW_UINT32 PageNumber;
    TW_UINT32 FrameNumber;
};

struct TW_MEMORY {
    TW_UINT32 Flags;
    TW_UINT32 Length;
    TW_MEMREF TheMem;
};

struct TW_IMAGEMEMXFER {
    TW_UINT16 Compression;
    TW_UINT32 BytesPerRow;
    TW_UINT32 Columns;
    TW_UINT32 Rows;
    TW_UINT32 XOffset;
    TW_UINT32 YOffset;
    TW_UINT32 BytesWritten;
    TW_MEMORY Memory;
};

struct TW_CUSTOMDSDATA {
    TW_UINT32 InfoLength;
    TW_HANDLE hData;
};

typedef TW_UINT16 (TW_CALLINGSTYLE *DSMENTRYPROC)(TW_IDENTITY* pOrigin, TW_IDENTITY* pDest,
                                                  TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG,
                                                  TW_MEMREF pData);
typedef TW_UINT16 (TW_CALLINGSTYLE *DSENTRYPROC)(TW_IDENTITY* pOrigin, TW_UINT32 DG,
                                                 TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData);
typedef TW_HANDLE (TW_CALLINGSTYLE *DSM_MEMALLOCATE)(TW_UINT32 size);
typedef void      (TW_CALLINGSTYLE *DSM_MEMFREE)(TW_HANDLE handle);
typedef TW_MEMREF (TW_CALLINGSTYLE *DSM_MEMLOCK)(TW_HANDLE handle);
typedef void      (TW_CALLINGSTYLE *DSM_MEMUNLOCK)(TW_HANDLE handle);

struct TW_ENTRYPOINT {
    TW_UINT32       Size;
    DSMENTRYPROC    DSM_Entry;
    DSM_MEMALLOCATE DSM_MemAllocate;
    DSM_MEMFREE     DSM_MemFree;
    DSM_MEMLOCK     DSM_MemLock;
    DSM_MEMUNLOCK   DSM_MemUnlock;
};

#pragma pack(pop)

// The layout every application and manager relies on (64-bit Windows).
static_assert(sizeof(void*) != 8 || sizeof(TW_IDENTITY) == 156, "TW_IDENTITY layout");
static_assert(offsetof(TW_IDENTITY, Version) == 4, "TW_IDENTITY.Version");
static_assert(offsetof(TW_IDENTITY, ProtocolMajor) == 46, "TW_IDENTITY.ProtocolMajor");
static_assert(offsetof(TW_IDENTITY, SupportedGroups) == 50, "TW_IDENTITY.SupportedGroups");
static_assert(offsetof(TW_IDENTITY, Manufacturer) == 54, "TW_IDENTITY.Manufacturer");
static_assert(offsetof(TW_IDENTITY, ProductFamily) == 88, "TW_IDENTITY.ProductFamily");
static_assert(offsetof(TW_IDENTITY, ProductName) == 122, "TW_IDENTITY.ProductName");
static_assert(sizeof(TW_VERSION) == 42, "TW_VERSION layout");
static_assert(sizeof(TW_FIX32) == 4, "TW_FIX32 layout");
static_assert(sizeof(TW_FRAME) == 16, "TW_FRAME layout");
static_assert(sizeof(TW_ONEVALUE) == 6, "TW_ONEVALUE layout");
static_assert(offsetof(TW_ENUMERATION, ItemList) == 14, "TW_ENUMERATION header");
static_assert(sizeof(TW_RANGE) == 22, "TW_RANGE layout");
static_assert(offsetof(TW_ARRAY, ItemList) == 6, "TW_ARRAY header");
static_assert(sizeof(TW_STATUS) == 4, "TW_STATUS layout");
static_assert(sizeof(TW_PENDINGXFERS) == 6, "TW_PENDINGXFERS layout");
static_assert(sizeof(TW_SETUPMEMXFER) == 12, "TW_SETUPMEMXFER layout");
static_assert(sizeof(TW_SETUPFILEXFER) == 260, "TW_SETUPFILEXFER layout");
static_assert(sizeof(TW_IMAGEINFO) == 42, "TW_IMAGEINFO layout");
static_assert(sizeof(TW_IMAGELAYOUT) == 28, "TW_IMAGELAYOUT layout");
#if defined(_WIN64) || defined(__x86_64__) || defined(_M_X64)
static_assert(offsetof(TW_CAPABILITY, hContainer) == 4, "TW_CAPABILITY.hContainer");
static_assert(sizeof(TW_CAPABILITY) == 12, "TW_CAPABILITY layout");
static_assert(offsetof(TW_USERINTERFACE, hParent) == 4, "TW_USERINTERFACE.hParent");
static_assert(sizeof(TW_USERINTERFACE) == 12, "TW_USERINTERFACE layout");
static_assert(sizeof(TW_EVENT) == 10, "TW_EVENT layout");
static_assert(sizeof(TW_MEMORY) == 16, "TW_MEMORY layout");
static_assert(offsetof(TW_IMAGEMEMXFER, Memory) == 26, "TW_IMAGEMEMXFER.Memory");
static_assert(sizeof(TW_IMAGEMEMXFER) == 42, "TW_IMAGEMEMXFER layout");
static_assert(sizeof(TW_ENTRYPOINT) == 44, "TW_ENTRYPOINT layout");
static_assert(offsetof(TW_ENTRYPOINT, DSM_Entry) == 4, "TW_ENTRYPOINT.DSM_Entry");
static_assert(offsetof(TW_CUSTOMDSDATA, hData) == 4, "TW_CUSTOMDSDATA.hData");
static_assert(sizeof(TW_CUSTOMDSDATA) == 12, "TW_CUSTOMDSDATA layout");
#endif
