#include "Options.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && Lower(s.substr(s.size() - tail.size())) == tail;
}

bool ParseDouble(const std::string& text, double& v)
{
    if (text.empty()) return false;
    char* end = nullptr;
    v = std::strtod(text.c_str(), &end);
    return end && *end == '\0' && std::isfinite(v);
}

bool ParseInt(const std::string& text, long& v)
{
    if (text.empty()) return false;
    char* end = nullptr;
    v = std::strtol(text.c_str(), &end, 10);
    return end && *end == '\0';
}

// "0,0,4,6in", "0,0,100,150mm", "0,0,4,6" (inches).
bool ParseFrame(std::string text, double frame[4])
{
    double scale = 1.0;
    if (EndsWith(text, "mm")) {
        scale = 1.0 / 25.4;
        text.resize(text.size() - 2);
    } else if (EndsWith(text, "in")) {
        text.resize(text.size() - 2);
    }
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t comma = text.find(',', start);
        if ((i < 3) != (comma != std::string::npos)) return false;
        const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!ParseDouble(part, frame[i]) || frame[i] < 0) return false;
        frame[i] *= scale;
        start = comma + 1;
    }
    return frame[2] > frame[0] && frame[3] > frame[1];
}

ParseResult Fail(const std::string& text)
{
    ParseResult r;
    r.error = text;
    return r;
}

} // namespace

ParseResult ParseOptions(const std::vector<std::string>& args, Options& o)
{
    o = Options{};
    size_t i = 0;
    if (args.empty()) return Fail("no verb given (info, list, caps, get NAME or scan)");
    const std::string verb = Lower(args[0]);
    if (verb == "help" || verb == "--help" || verb == "-h" || verb == "/?") {
        o.verb = Verb::Help;
        ParseResult r;
        r.ok = true;
        return r;
    }
    if (verb == "info") o.verb = Verb::Info;
    else if (verb == "list") o.verb = Verb::List;
    else if (verb == "caps") o.verb = Verb::Caps;
    else if (verb == "get") o.verb = Verb::Get;
    else if (verb == "scan") o.verb = Verb::Scan;
    else return Fail("unknown verb '" + args[0] + "' (info, list, caps, get NAME or scan)");
    i = 1;
    if (o.verb == Verb::Get) {
        if (i >= args.size() || args[i].empty() || args[i][0] == '-') return Fail("get needs a capability name");
        o.capName = args[i++];
    }

    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.verb = Verb::Help;
            ParseResult r;
            r.ok = true;
            return r;
        }
        if (a == "--quiet" || a == "-q") { o.quiet = true; continue; }
        if (a == "--ui") { o.ui = true; continue; }
        if (a.rfind("--", 0) != 0) return Fail("unexpected argument '" + a + "'");
        static const char* const kValued[] = {"--source", "--manager", "--name", "--mode", "--dpi", "--size",
            "--frame", "--brightness", "--contrast", "--set", "--xfer", "--buffer", "--file-format", "--pages",
            "--out", "--format", "--jpeg-quality"};
        bool known = false;
        for (const char* k : kValued) known = known || a == k;
        if (!known) return Fail("unknown option '" + a + "'");
        if (i + 1 >= args.size()) return Fail(a + " needs a value");
        const std::string v = args[++i];
        const bool scanOnly = a != "--source" && a != "--manager" && a != "--name";
        if (scanOnly && o.verb != Verb::Scan) return Fail(a + " belongs to scan");
        double d = 0;
        long n = 0;
        if (a == "--source") o.sourcePath = v;
        else if (a == "--manager") o.managerPath = v;
        else if (a == "--name") o.sourceName = v;
        else if (a == "--mode") {
            const std::string m = Lower(v);
            if (m == "bw" || m == "lineart" || m == "blackwhite") o.mode = "bw";
            else if (m == "gray" || m == "grey") o.mode = "gray";
            else if (m == "color" || m == "colour" || m == "rgb") o.mode = "color";
            else return Fail("--mode takes bw, gray or color, not '" + v + "'");
        } else if (a == "--dpi") {
            if (!ParseDouble(v, d) || d < 1 || d > 32767) return Fail("--dpi takes a resolution, not '" + v + "'");
            o.dpi = d;
        } else if (a == "--size") {
            o.size = v;
        } else if (a == "--frame") {
            if (!ParseFrame(v, o.frame)) return Fail("--frame takes LEFT,TOP,RIGHT,BOTTOM with in or mm, not '" + v + "'");
            o.haveFrame = true;
        } else if (a == "--brightness" || a == "--contrast") {
            if (!ParseDouble(v, d) || d < -1000 || d > 1000) return Fail(a + " takes -1000 to 1000, not '" + v + "'");
            (a == "--brightness" ? o.brightness : o.contrast) = d;
            (a == "--brightness" ? o.haveBrightness : o.haveContrast) = true;
        } else if (a == "--set") {
            const size_t eq = v.find('=');
            if (eq == 0 || eq == std::string::npos || eq + 1 == v.size())
                return Fail("--set takes NAME=VALUE, not '" + v + "'");
            o.sets.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else if (a == "--xfer") {
            const std::string m = Lower(v);
            if (m == "native") o.mechanism = Mechanism::Native;
            else if (m == "memory") o.mechanism = Mechanism::Memory;
            else if (m == "file") o.mechanism = Mechanism::File;
            else return Fail("--xfer takes native, memory or file, not '" + v + "'");
        } else if (a == "--buffer") {
            if (!ParseInt(v, n) || n < 1 || n > 64L * 1024 * 1024) return Fail("--buffer takes a size in bytes, not '" + v + "'");
            o.bufferSize = static_cast<unsigned long>(n);
        } else if (a == "--file-format") {
            const std::string f = Lower(v);
            if (f != "bmp" && f != "tiff") return Fail("--file-format takes bmp or tiff, not '" + v + "'");
            o.fileFormat = f;
        } else if (a == "--pages") {
            if (Lower(v) == "all") o.pages = 0;
            else if (ParseInt(v, n) && n >= 1 && n <= 10000) o.pages = static_cast<int>(n);
            else return Fail("--pages takes a number of pages or all, not '" + v + "'");
        } else if (a == "--out") {
            o.out = v;
        } else if (a == "--format") {
            const std::string f = Lower(v);
            if (f == "bmp") o.format = OutputFormat::Bmp;
            else if (f == "png") o.format = OutputFormat::Png;
            else if (f == "tiff" || f == "tif") o.format = OutputFormat::Tiff;
            else if (f == "pdf") o.format = OutputFormat::Pdf;
            else return Fail("--format takes bmp, png, tiff or pdf, not '" + v + "'");
        } else if (a == "--jpeg-quality") {
            if (!ParseInt(v, n) || n < 1 || n > 100) return Fail("--jpeg-quality takes 1 to 100, not '" + v + "'");
            o.jpegQuality = static_cast<int>(n);
        }
    }

    if (o.sourcePath.empty() == o.managerPath.empty())
        return Fail("give exactly one of --source FILE.ds and --manager DSM.DLL");
    if (o.verb == Verb::List && o.managerPath.empty()) return Fail("list needs --manager");
    if (o.verb == Verb::Scan) {
        if (o.out.empty()) return Fail("scan needs --out FILE");
        if (ResolveFormat(o) == OutputFormat::FromName)
            return Fail("cannot tell the format from '" + o.out + "': use --format bmp|png|tiff|pdf");
        if (!o.size.empty() && o.haveFrame) return Fail("give --size or --frame, not both");
        if (o.bufferSize && o.mechanism != Mechanism::Memory) return Fail("--buffer belongs to --xfer memory");
    }
    ParseResult r;
    r.ok = true;
    return r;
}

OutputFormat ResolveFormat(const Options& o)
{
    if (o.format != OutputFormat::FromName) return o.format;
    if (EndsWith(o.out, ".bmp")) return OutputFormat::Bmp;
    if (EndsWith(o.out, ".png")) return OutputFormat::Png;
    if (EndsWith(o.out, ".tif") || EndsWith(o.out, ".tiff")) return OutputFormat::Tiff;
    if (EndsWith(o.out, ".pdf")) return OutputFormat::Pdf;
    return OutputFormat::FromName;
}

const char* HelpText()
{
    return
"txscan - scan from a TWAIN data source on the command line\n"
"\n"
"Usage:\n"
"  txscan info  (--source FILE.ds | --manager DSM.DLL [--name PRODUCT])\n"
"  txscan list  --manager DSM.DLL\n"
"  txscan caps  (--source FILE.ds | --manager DSM.DLL [--name PRODUCT])\n"
"  txscan get NAME  (--source ... | --manager ...)\n"
"  txscan scan  (--source ... | --manager ...) --out FILE [options]\n"
"\n"
"Reaching the source:\n"
"  --source FILE.ds     load the data source directly; txscan plays the manager\n"
"  --manager DSM.DLL    go through a TWAIN 2 data source manager\n"
"  --name PRODUCT       the source to open through the manager (default: the first)\n"
"\n"
"Verbs:\n"
"  info                 the source's identity\n"
"  list                 the sources the manager offers\n"
"  caps                 every supported capability: current, default, container, allowed values\n"
"  get NAME             one capability, e.g. get ICAP_XRESOLUTION\n"
"  scan                 scan pages and write them\n"
"\n"
"Scan options:\n"
"  --mode bw|gray|color          colour mode (ICAP_PIXELTYPE)\n"
"  --dpi N                       resolution (ICAP_XRESOLUTION and ICAP_YRESOLUTION)\n"
"  --size NAME                   a page size the source offers (ICAP_SUPPORTEDSIZES: A6, BUSINESSCARD, NONE)\n"
"  --frame L,T,R,B[in|mm]        a frame in inches (default) or millimetres (DAT_IMAGELAYOUT)\n"
"  --brightness N, --contrast N  -1000 to 1000\n"
"  --set NAME=VALUE              any capability, e.g. --set ICAP_GAMMA=2.2 --set CUSTCAP_DETECTEOP=0\n"
"  --xfer native|memory|file     transfer mechanism (default native)\n"
"  --buffer BYTES                memory transfer buffer size (default: the source's preferred size)\n"
"  --file-format bmp|tiff        what the source writes in a file transfer (default bmp)\n"
"  --pages N|all                 one page (default), N pages, or all pages in a continuous scan\n"
"  --ui                          show the source's dialog\n"
"  --out FILE                    output; several pages go into one TIFF or PDF, or FILE-2.png, ...\n"
"  --format bmp|png|tiff|pdf     output format (default: from the extension)\n"
"  --jpeg-quality N              JPEG quality of grey and colour PDF pages (default 90; an encoder\n"
"                                may ignore it)\n"
"  --quiet                       no progress on the console\n"
"\n"
"Exit codes:\n"
"  0  success\n"
"  2  bad arguments\n"
"  3  no source: it cannot be found, loaded or opened\n"
"  4  cancelled (in the source's dialog or its progress window)\n"
"  5  device or transfer failure\n"
"  6  a capability or setting was refused\n"
"  7  the output could not be written\n";
}
