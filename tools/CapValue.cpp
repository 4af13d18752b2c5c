#include "CapValue.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "TwainNames.h"

namespace {

TW_UINT32 ReadItem(const uint8_t* p, TW_UINT16 itemType)
{
    switch (ItemSize(itemType)) {
    case 1: return itemType == TWTY_INT8 ? static_cast<TW_UINT32>(static_cast<int8_t>(*p)) : *p;
    case 2: {
        uint16_t v;
        std::memcpy(&v, p, 2);
        return itemType == TWTY_INT16 ? static_cast<TW_UINT32>(static_cast<int16_t>(v)) : v;
    }
    default: {
        uint32_t v;
        std::memcpy(&v, p, 4);
        return v;
    }
    }
}

TW_UINT32 Field32(const uint8_t* p, size_t offset)
{
    uint32_t v;
    std::memcpy(&v, p + offset, 4);
    return v;
}

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool IsStringType(TW_UINT16 t) { return t >= TWTY_STR32 && t <= TWTY_STR255; }

size_t StringFieldSize(TW_UINT16 t)
{
    switch (t) {
    case TWTY_STR32: return 34;
    case TWTY_STR64: return 66;
    case TWTY_STR128: return 130;
    default: return 256;
    }
}

} // namespace

size_t ItemSize(TW_UINT16 itemType)
{
    switch (itemType) {
    case TWTY_INT8: case TWTY_UINT8: return 1;
    case TWTY_INT16: case TWTY_UINT16: case TWTY_BOOL: return 2;
    case TWTY_INT32: case TWTY_UINT32: case TWTY_FIX32: return 4;
    default: return 0;
    }
}

bool ReadContainer(TW_UINT16 cap, TW_UINT16 conType, const void* block, size_t size, CapValue& out,
                   std::string& error)
{
    out = CapValue{};
    out.cap = cap;
    out.conType = conType;
    const uint8_t* p = static_cast<const uint8_t*>(block);
    if (!p || size < 2) {
        error = "the container is empty";
        return false;
    }
    std::memcpy(&out.itemType, p, 2);
    const size_t item = ItemSize(out.itemType);
    if (conType == TWON_ONEVALUE && IsStringType(out.itemType)) {
        size_t field = StringFieldSize(out.itemType);
        if (size < 2 + field) field = size - 2;
        out.text.assign(reinterpret_cast<const char*>(p + 2), strnlen(reinterpret_cast<const char*>(p + 2), field));
        return true;
    }
    if (item == 0) {
        error = "item type " + ItemTypeName(out.itemType) + " is not read by this client";
        return false;
    }
    switch (conType) {
    case TWON_ONEVALUE:
        if (size < 2 + item) break;
        out.items.push_back(ReadItem(p + 2, out.itemType));
        return true;
    case TWON_RANGE:
        if (size < 22) break;
        out.minValue = Field32(p, 2);
        out.maxValue = Field32(p, 6);
        out.stepSize = Field32(p, 10);
        out.defaultValue = Field32(p, 14);
        out.currentValue = Field32(p, 18);
        return true;
    case TWON_ENUMERATION:
    case TWON_ARRAY: {
        const size_t header = conType == TWON_ENUMERATION ? 14 : 6;
        if (size < header) break;
        const TW_UINT32 n = Field32(p, 2);
        if (n > (size - header) / item) break;
        for (TW_UINT32 i = 0; i < n; ++i) out.items.push_back(ReadItem(p + header + i * item, out.itemType));
        if (conType == TWON_ENUMERATION) {
            out.currentIndex = Field32(p, 6);
            out.defaultIndex = Field32(p, 10);
            if (n == 0 || out.currentIndex >= n || out.defaultIndex >= n) {
                error = "the enumeration's current or default index lies outside its items";
                return false;
            }
        }
        return true;
    }
    default:
        error = "unknown container type " + ContainerName(conType);
        return false;
    }
    error = "the " + ContainerName(conType) + " block is shorter than its content";
    return false;
}

bool CurrentRaw(const CapValue& v, TW_UINT32& raw)
{
    switch (v.conType) {
    case TWON_ONEVALUE:
        if (v.items.empty()) return false;
        raw = v.items[0];
        return true;
    case TWON_ENUMERATION:
        if (v.currentIndex >= v.items.size()) return false;
        raw = v.items[v.currentIndex];
        return true;
    case TWON_RANGE:
        raw = v.currentValue;
        return true;
    default:
        return false;
    }
}

TW_UINT32 Fix32FromDouble(double x)
{
    // n = Whole * 65536 + Frac; in memory Whole comes first (the low half).
    const int32_t n = static_cast<int32_t>(x >= 0 ? x * 65536.0 + 0.5 : x * 65536.0 - 0.5);
    const uint32_t u = static_cast<uint32_t>(n);
    return (u >> 16) | ((u & 0xFFFF) << 16);
}

double Fix32ToDouble(TW_UINT32 raw)
{
    const int16_t whole = static_cast<int16_t>(raw & 0xFFFF);
    const uint16_t frac = static_cast<uint16_t>(raw >> 16);
    return whole + frac / 65536.0;
}

std::string FormatItem(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 raw)
{
    char buf[64];
    switch (itemType) {
    case TWTY_BOOL: return (raw & 0xFFFF) ? "TRUE" : "FALSE";
    case TWTY_FIX32: {
        std::snprintf(buf, sizeof buf, "%.4g", Fix32ToDouble(raw));
        return buf;
    }
    case TWTY_INT8: case TWTY_INT16: case TWTY_INT32:
        std::snprintf(buf, sizeof buf, "%ld", static_cast<long>(static_cast<int32_t>(raw)));
        return buf;
    default: {
        std::snprintf(buf, sizeof buf, "%lu", static_cast<unsigned long>(raw));
        const std::string name = ValueName(cap, raw);
        return name.empty() ? buf : name + " (" + buf + ")";
    }
    }
}

std::string FormatContainer(const CapValue& v)
{
    if (IsStringType(v.itemType)) return "one value of " + ItemTypeName(v.itemType) + ": \"" + v.text + "\"";
    std::string s;
    switch (v.conType) {
    case TWON_ONEVALUE:
        return "one value of " + ItemTypeName(v.itemType) + ": " +
               (v.items.empty() ? std::string("?") : FormatItem(v.cap, v.itemType, v.items[0]));
    case TWON_RANGE:
        return "range of " + ItemTypeName(v.itemType) + ": " + FormatItem(v.cap, v.itemType, v.minValue) +
               " to " + FormatItem(v.cap, v.itemType, v.maxValue) + " step " +
               FormatItem(v.cap, v.itemType, v.stepSize) + "; current " +
               FormatItem(v.cap, v.itemType, v.currentValue) + ", default " +
               FormatItem(v.cap, v.itemType, v.defaultValue);
    case TWON_ENUMERATION:
        s = "enumeration of " + ItemTypeName(v.itemType) + ":";
        for (size_t i = 0; i < v.items.size(); ++i) {
            const std::string item = FormatItem(v.cap, v.itemType, v.items[i]);
            s += (i ? ", " : " ") + (i == v.currentIndex ? "[" + item + "]" : item);
        }
        if (v.defaultIndex < v.items.size())
            s += "; default " + FormatItem(v.cap, v.itemType, v.items[v.defaultIndex]);
        return s;
    case TWON_ARRAY:
        s = "array of " + ItemTypeName(v.itemType) + " (" + std::to_string(v.items.size()) + "):";
        for (size_t i = 0; i < v.items.size(); ++i) {
            TW_UINT16 itemCap = v.cap;
            std::string item;
            if (v.cap == CAP_SUPPORTEDCAPS) item = CapabilityName(static_cast<TW_UINT16>(v.items[i]));
            else item = FormatItem(itemCap, v.itemType, v.items[i]);
            s += (i ? ", " : " ") + item;
        }
        return s;
    default:
        return ContainerName(v.conType);
    }
}

bool ParseItem(TW_UINT16 cap, TW_UINT16 itemType, const std::string& text, TW_UINT32& raw)
{
    if (text.empty()) return false;
    if (itemType == TWTY_BOOL) {
        const std::string t = Lower(text);
        if (t == "1" || t == "true" || t == "on" || t == "yes") { raw = 1; return true; }
        if (t == "0" || t == "false" || t == "off" || t == "no") { raw = 0; return true; }
        return false;
    }
    if (ValueByName(cap, text, raw)) return true;
    char* end = nullptr;
    if (itemType == TWTY_FIX32) {
        const double d = std::strtod(text.c_str(), &end);
        if (!end || *end || !std::isfinite(d) || d < -32768.0 || d >= 32768.0) return false;
        raw = Fix32FromDouble(d);
        return true;
    }
    const long long v = std::strtoll(text.c_str(), &end, 0);
    if (!end || *end) return false;
    switch (itemType) {
    case TWTY_INT8: if (v < -128 || v > 127) return false; break;
    case TWTY_UINT8: if (v < 0 || v > 255) return false; break;
    case TWTY_INT16: if (v < -32768 || v > 32767) return false; break;
    case TWTY_UINT16: if (v < 0 || v > 65535) return false; break;
    case TWTY_INT32: if (v < INT32_MIN || v > INT32_MAX) return false; break;
    case TWTY_UINT32: if (v < 0 || v > UINT32_MAX) return false; break;
    default: return false;
    }
    raw = static_cast<TW_UINT32>(v);
    if (ItemSize(itemType) == 2) raw &= 0xFFFF;
    if (ItemSize(itemType) == 1) raw &= 0xFF;
    return true;
}

std::vector<uint8_t> OneValueBlock(TW_UINT16 itemType, TW_UINT32 raw)
{
    std::vector<uint8_t> block(sizeof(TW_ONEVALUE), 0);
    std::memcpy(block.data(), &itemType, 2);
    std::memcpy(block.data() + 2, &raw, 4);
    return block;
}
