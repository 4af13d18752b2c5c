#include "SimConfig.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <sstream>

namespace sim {

namespace {

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Decimal or 0x-prefixed hexadecimal, the whole text.
bool ParseInt(const std::string& text, long min, long max, int& out)
{
    std::string t = Trim(text);
    if (t.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(t.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || v < min || v > max)
        return false;
    out = static_cast<int>(v);
    return true;
}

std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, sep)) {
        item = Trim(item);
        if (!item.empty())
            parts.push_back(item);
    }
    return parts;
}

template <typename T>
std::string Join(const std::vector<T>& items, const char* sep)
{
    std::ostringstream out;
    for (size_t i = 0; i < items.size(); ++i)
        out << (i ? sep : "") << items[i];
    return out.str();
}

struct Key {
    const char* section;
    const char* name;
    std::function<bool(SimConfig&, const std::string&)> set;
    std::function<std::string(const SimConfig&)> get;
};

Key IntKey(const char* section, const char* name, int SimConfig::*field, long min, long max)
{
    return {section, name,
            [=](SimConfig& c, const std::string& v) { return ParseInt(v, min, max, c.*field); },
            [=](const SimConfig& c) { return std::to_string(c.*field); }};
}

Key BoolKey(const char* section, const char* name, bool SimConfig::*field)
{
    return {section, name,
            [=](SimConfig& c, const std::string& v) {
                int b = 0;
                if (!ParseInt(v, 0, 1, b))
                    return false;
                c.*field = b != 0;
                return true;
            },
            [=](const SimConfig& c) { return std::string(c.*field ? "1" : "0"); }};
}

Key TextKey(const char* section, const char* name, std::string SimConfig::*field)
{
    return {section, name,
            [=](SimConfig& c, const std::string& v) {
                c.*field = Trim(v);
                return (c.*field).size() < 64;
            },
            [=](const SimConfig& c) { return c.*field; }};
}

const std::vector<Key>& Keys()
{
    static const std::vector<Key> keys = {
        {"Device", "OpenResult",
         [](SimConfig& c, const std::string& v) {
             std::vector<int> codes;
             for (const std::string& part : Split(v, ',')) {
                 int code = 0;
                 if (!ParseInt(part, 0, 0x7FFFFFFF, code))
                     return false;
                 codes.push_back(code);
             }
             if (codes.empty())
                 return false;
             c.openResults = codes;
             return true;
         },
         [](const SimConfig& c) { return Join(c.openResults, ","); }},
        {"Device", "Resolutions",
         [](SimConfig& c, const std::string& v) {
             std::vector<int32_t> list;
             for (const std::string& part : Split(v, ',')) {
                 int dpi = 0;
                 if (!ParseInt(part, 50, 2400, dpi))
                     return false;
                 list.push_back(dpi);
             }
             if (list.empty() || list.size() > 12)
                 return false;
             c.resolutions = list;
             return true;
         },
         [](const SimConfig& c) { return Join(c.resolutions, ","); }},
        IntKey("Device", "OpticalDpi", &SimConfig::opticalDpi, 50, 2400),
        BoolKey("Device", "Calibrated", &SimConfig::calibrated),
        TextKey("Device", "Serial", &SimConfig::serial),
        TextKey("Device", "Name", &SimConfig::name),
        BoolKey("Device", "UvLamp", &SimConfig::uvLamp),
        IntKey("Device", "BusyAfterScanMs", &SimConfig::busyAfterScanMs, 0, 60000),
        IntKey("Device", "BusyAfterCalibrateMs", &SimConfig::busyAfterCalibrateMs, 0, 60000),
        IntKey("Device", "RowsPerSecond", &SimConfig::rowsPerSecond, 0, 1000000),
        {"Feeder", "Pages",
         [](SimConfig& c, const std::string& v) {
             c.pages = Split(v, ';');
             c.pagesGiven = true;
             return true;
         },
         [](const SimConfig& c) { return c.pagesGiven ? Join(c.pages, ";") : std::string(); }},
        BoolKey("Feeder", "Loop", &SimConfig::loop),
        IntKey("Feeder", "PageDpi", &SimConfig::pageDpi, 0, 2400),
        IntKey("Feeder", "Backing", &SimConfig::backing, 0, 255),
        IntKey("Calibration", "Result", &SimConfig::calibrationResult, 0, 0x7FFFFFFF),
        IntKey("Calibration", "DurationMs", &SimConfig::calibrationMs, 0, 600000),
        IntKey("Cleaning", "Result", &SimConfig::cleaningResult, 0, 0x7FFFFFFF),
        IntKey("Cleaning", "DurationMs", &SimConfig::cleaningMs, 0, 600000),
        IntKey("Faults", "NoDataReads", &SimConfig::noDataReads, -1, 0x7FFFFFFF),
        IntKey("Faults", "ReadErrorAfterRows", &SimConfig::readErrorAfterRows, -1, 0x7FFFFFFF),
        IntKey("Faults", "ReadErrorCode", &SimConfig::readErrorCode, 1, 0x7FFFFFFF),
        IntKey("Faults", "ScannerStatus", &SimConfig::scannerStatus, 0, 0x7FFFFFFF),
        IntKey("Faults", "ScannerStatusResult", &SimConfig::scannerStatusResult, 0, 0x7FFFFFFF),
        IntKey("Faults", "PaperStatusResult", &SimConfig::paperStatusResult, 0, 0x7FFFFFFF),
        IntKey("Faults", "StartScanResult", &SimConfig::startScanResult, 0, 0x7FFFFFFF),
    };
    return keys;
}

const Key* FindKey(const std::string& section, const std::string& name)
{
    for (const Key& k : Keys())
        if (SameText(section, k.section) && SameText(name, k.name))
            return &k;
    return nullptr;
}

}  // namespace

bool SimConfig::Set(const std::string& section, const std::string& key, const std::string& value,
                    std::string& error)
{
    const Key* k = FindKey(Trim(section), Trim(key));
    if (k == nullptr) {
        error = "unknown key [" + section + "] " + key;
        return false;
    }
    SimConfig trial = *this;  // a bad value changes nothing
    if (!k->set(trial, value)) {
        error = "bad value for [" + section + "] " + key + ": " + value;
        return false;
    }
    *this = trial;
    return true;
}

bool SimConfig::Get(const std::string& section, const std::string& key, std::string& value) const
{
    const Key* k = FindKey(Trim(section), Trim(key));
    if (k == nullptr)
        return false;
    value = k->get(*this);
    return true;
}

bool SimConfig::Parse(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    std::string line, section;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            if (close == std::string::npos) {
                error = "line " + std::to_string(number) + ": unclosed section";
                return false;
            }
            section = Trim(line.substr(1, close - 1));
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos) {
            error = "line " + std::to_string(number) + ": no '='";
            return false;
        }
        std::string why;
        if (!Set(section, line.substr(0, eq), line.substr(eq + 1), why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    return true;
}

std::string SimConfig::Serialise() const
{
    std::ostringstream out;
    std::string section;
    for (const Key& k : Keys()) {
        if (!pagesGiven && SameText(k.name, "Pages"))
            continue;  // absent: the bundled pages
        if (section != k.section) {
            section = k.section;
            out << (out.tellp() > 0 ? "\n" : "") << "[" << section << "]\n";
        }
        out << k.name << "=" << k.get(*this) << "\n";
    }
    return out.str();
}

std::vector<std::string> SimConfig::ResolvedPages() const
{
    std::vector<std::string> out;
    for (const std::string& p : pages) {
        bool absolute = (p.size() > 1 && p[1] == ':') || (!p.empty() && (p[0] == '\\' || p[0] == '/'));
        if (absolute || baseDir.empty())
            out.push_back(p);
        else
            out.push_back(baseDir + "\\" + p);
    }
    return out;
}

}  // namespace sim
