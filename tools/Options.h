// The command line of txscan: verbs, scan options and the help text.
#pragma once

#include <string>
#include <utility>
#include <vector>

enum class Verb { None, Help, Info, List, Caps, Get, Scan };
enum class Mechanism { Native, Memory, File };
enum class OutputFormat { FromName, Bmp, Png, Tiff, Pdf };
enum class FrameUnit { Inches, Millimetres };

struct Options {
    Verb verb = Verb::None;
    std::string sourcePath;   // --source: a .ds loaded directly
    std::string managerPath;  // --manager: a data source manager DLL
    std::string sourceName;   // --name: the product name to open through the manager
    std::string capName;      // get NAME

    // scan
    std::string mode;         // --mode bw|gray|color (empty: the source's)
    double dpi = 0;           // --dpi (0: the source's)
    std::string size;         // --size A6|BUSINESSCARD|NONE
    bool haveFrame = false;   // --frame L,T,R,B[in|mm]
    double frame[4] = {0, 0, 0, 0}; // left, top, right, bottom in inches
    bool haveBrightness = false, haveContrast = false;
    double brightness = 0, contrast = 0;
    std::vector<std::pair<std::string, std::string>> sets; // --set NAME=VALUE, in order
    Mechanism mechanism = Mechanism::Native;
    unsigned long bufferSize = 0;  // --buffer (memory; 0: the source's preferred size)
    std::string fileFormat = "bmp"; // --file-format bmp|tiff (file transfers)
    int pages = 1;            // --pages N, 0 = all (continuous)
    bool ui = false;          // --ui
    std::string out;          // --out
    OutputFormat format = OutputFormat::FromName;
    int jpegQuality = 90;     // --jpeg-quality (PDF pages in grey and colour)
    bool quiet = false;
};

struct ParseResult {
    bool ok = false;
    std::string error;
};

ParseResult ParseOptions(const std::vector<std::string>& args, Options& options);

// The format to write: the one given, else from the output name's extension
// (.bmp, .png, .tif/.tiff, .pdf); FromName when it cannot be told.
OutputFormat ResolveFormat(const Options& options);

const char* HelpText();
