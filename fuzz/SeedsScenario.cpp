// Writes the seed corpus of the scenario parser's fuzz target: the defaults
// as written out, and scenarios that set lists, faults and pages.
// Usage: seeds_scenario <folder>
#include <cstdio>
#include <string>

#include "SimConfig.h"

namespace {

void Save(const std::string& dir, const std::string& name, const std::string& text)
{
    FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
    if (!f) return;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    const std::string dir = argv[1];
    Save(dir, "defaults.ini", sim::SimConfig().Serialise());
    Save(dir, "faults.ini",
         "; a scanner that fails\n[Device]\nOpenResults=3,0\nCalibrated=0\n[Faults]\n"
         "NoDataReads=-1\nReadErrorAfterRows=120\nReadErrorCode=0xA06\nStartScanResult=5\n");
    Save(dir, "pages.ini",
         "[Feeder]\nPages=a.png, sub/b.bmp ,c.tif\nLoop=0\nPageDpi=300\n\n[Device]\n"
         "Resolutions=100,300\r\nName=Scanner with spaces\nSerial=X-1\n");
    return 0;
}
