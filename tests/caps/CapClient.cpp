#include <gtest/gtest.h>

#include "CapClient.h"

#include <windows.h>
#include <shlobj.h>

#include <cmath>
#include <cstring>

#include "CountingManager.h"

namespace {

constexpr size_t kEnumerationHeader = 14;
constexpr size_t kArrayHeader = 6;

TW_UINT32 Get16(const uint8_t* p) { uint16_t v; std::memcpy(&v, p, 2); return v; }
TW_UINT32 Get32(const uint8_t* p) { uint32_t v; std::memcpy(&v, p, 4); return v; }
void Put16(std::vector<uint8_t>& b, TW_UINT32 v) { b.push_back(v & 0xFF); b.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<uint8_t>& b, TW_UINT32 v) { Put16(b, v & 0xFFFF); Put16(b, v >> 16); }
unsigned Width(TW_UINT16 itemType)
{
    return itemType == TWTY_INT32 || itemType == TWTY_UINT32 || itemType == TWTY_FIX32 ? 4 : 2;
}

std::string ProfilePath()
{
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    return std::string(folder) + "\\Mirevo\\TARVX380.INI";
}

} // namespace

TW_UINT32 Fix(double value)
{
    const int32_t n = static_cast<int32_t>(std::lround(value * 65536.0));
    const uint32_t bits = static_cast<uint32_t>(n);
    return (bits >> 16) | (bits << 16);
}

double Unfix(TW_UINT32 item) { return static_cast<int16_t>(item & 0xFFFF) + (item >> 16) / 65536.0; }

TW_HANDLE MakeBlock(const std::vector<uint8_t>& bytes)
{
    TW_HANDLE h = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!h) return nullptr;
    if (!bytes.empty()) {
        std::memcpy(GlobalLock(h), bytes.data(), bytes.size());
        GlobalUnlock(h);
    }
    return h;
}

Container Decode(TW_UINT16 conType, TW_HANDLE handle)
{
    Container c;
    c.conType = conType;
    c.blockSize = GlobalSize(handle);
    const auto* p = static_cast<const uint8_t*>(GlobalLock(handle));
    if (!p || c.blockSize < 2) return c;
    c.itemType = static_cast<TW_UINT16>(Get16(p));
    const unsigned w = Width(c.itemType);
    if (conType == TWON_ONEVALUE && c.itemType == TWTY_STR255 && c.blockSize >= 258) {
        const char* text = reinterpret_cast<const char*>(p + 2);
        c.terminated = std::memchr(text, 0, 256) != nullptr;
        c.text.assign(text, c.terminated ? std::strlen(text) : 256);
    } else if (conType == TWON_ONEVALUE && c.blockSize >= 6) {
        c.value = w == 4 ? Get32(p + 2) : Get16(p + 2);
    } else if (conType == TWON_ENUMERATION && c.blockSize >= kEnumerationHeader) {
        const TW_UINT32 n = Get32(p + 2);
        c.currentIndex = Get32(p + 6);
        c.defaultIndex = Get32(p + 10);
        for (TW_UINT32 i = 0; i < n && kEnumerationHeader + (i + 1) * w <= c.blockSize; ++i)
            c.items.push_back(w == 4 ? Get32(p + kEnumerationHeader + i * w) : Get16(p + kEnumerationHeader + i * w));
        if (c.currentIndex < c.items.size()) c.value = c.items[c.currentIndex];
    } else if (conType == TWON_ARRAY && c.blockSize >= kArrayHeader) {
        const TW_UINT32 n = Get32(p + 2);
        for (TW_UINT32 i = 0; i < n && kArrayHeader + (i + 1) * w <= c.blockSize; ++i)
            c.items.push_back(w == 4 ? Get32(p + kArrayHeader + i * w) : Get16(p + kArrayHeader + i * w));
    } else if (conType == TWON_RANGE && c.blockSize >= 22) {
        c.minValue = Get32(p + 2);
        c.maxValue = Get32(p + 6);
        c.stepSize = Get32(p + 10);
        c.defaultValue = Get32(p + 14);
        c.value = Get32(p + 18);
    }
    GlobalUnlock(handle);
    return c;
}

CapClient::CapClient(bool twain2, const char* product) : h(product), m_twain2(twain2) {}

CapClient::~CapClient() { Close(); }

bool CapClient::Open(const char* path)
{
    if (!h.Load(path)) return false;
    if (m_twain2) {
        TW_ENTRYPOINT ep = counting::EntryPoints();
        if (h.Call(DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &ep) != TWRC_SUCCESS) return false;
    }
    char section[16] = {};
    TW_IDENTITY& app = h.AppIdentity();
    int n = 0;
    for (const char* c = app.ProductName; *c && n < 15; ++c)
        if ((*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z')) section[n++] = static_cast<char>(*c & ~0x20);
    WritePrivateProfileStringA(section, nullptr, nullptr, ProfilePath().c_str());
    TW_IDENTITY ds{};
    ds.Id = 9;
    return h.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds) == TWRC_SUCCESS;
}

void CapClient::Close()
{
    if (!h.Loaded()) return;
    h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
    h.Unload();
}

void CapClient::FreeHandle(TW_HANDLE handle)
{
    if (!handle) return;
    if (m_twain2)
        counting::Free(handle);
    else
        GlobalFree(handle);
}

TW_UINT16 CapClient::Ask(TW_UINT16 cap, TW_UINT16 msg, Container* out)
{
    TW_CAPABILITY record{cap, TWON_DONTCARE16, nullptr};
    const TW_UINT16 rc = h.Call(DG_CONTROL, DAT_CAPABILITY, msg, &record);
    if (out) *out = Container();
    if (record.hContainer) {
        if (out) *out = Decode(record.ConType, record.hContainer);
        FreeHandle(record.hContainer);
    }
    return rc;
}

TW_UINT16 CapClient::SetBlock(TW_UINT16 cap, TW_UINT16 conType, TW_HANDLE block)
{
    TW_CAPABILITY record{cap, conType, block};
    return h.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &record);
}

namespace {
TW_UINT16 SendAndFree(CapClient& c, TW_UINT16 cap, TW_UINT16 conType, const std::vector<uint8_t>& bytes)
{
    TW_HANDLE block = MakeBlock(bytes);
    const TW_UINT16 rc = c.SetBlock(cap, conType, block);
    GlobalFree(block);
    return rc;
}
} // namespace

TW_UINT16 CapClient::SetOne(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 value)
{
    std::vector<uint8_t> b;
    Put16(b, itemType);
    Put32(b, Width(itemType) == 4 ? value : (value & 0xFFFF));
    return SendAndFree(*this, cap, TWON_ONEVALUE, b);
}

TW_UINT16 CapClient::SetEnum(TW_UINT16 cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items,
                             TW_UINT32 current)
{
    std::vector<uint8_t> b;
    Put16(b, itemType);
    Put32(b, static_cast<TW_UINT32>(items.size()));
    Put32(b, current);
    Put32(b, 0);
    for (TW_UINT32 item : items) Width(itemType) == 4 ? Put32(b, item) : Put16(b, item);
    return SendAndFree(*this, cap, TWON_ENUMERATION, b);
}

TW_UINT16 CapClient::SetRange(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 minValue, TW_UINT32 maxValue,
                              TW_UINT32 step, TW_UINT32 current)
{
    std::vector<uint8_t> b;
    Put16(b, itemType);
    for (TW_UINT32 v : {minValue, maxValue, step, minValue, current}) Put32(b, v);
    return SendAndFree(*this, cap, TWON_RANGE, b);
}

ScanSettings CapClient::Settings()
{
    ScanSettings s{};
    TW_CUSTOMDSDATA custom{};
    if (h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom) == TWRC_SUCCESS && custom.hData) {
        if (GlobalSize(custom.hData) >= 80) {
            std::memcpy(&s, static_cast<uint8_t*>(GlobalLock(custom.hData)) + 12, sizeof s);
            GlobalUnlock(custom.hData);
        }
        FreeHandle(custom.hData);
    }
    return s;
}

void CapTest::SetUp()
{
    ASSERT_TRUE(m_sim.Loaded());
    m_sim.Set("Device", "BusyAfterCalibrateMs", "0");
    m_sim.Set("Device", "BusyAfterScanMs", "0");
    counting::Reset();
}

void CapTest::TearDown() { m_sim.Reset(); }
