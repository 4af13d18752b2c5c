#include "PdfReader.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

std::string Text(const std::vector<uint8_t>& f) { return std::string(f.begin(), f.end()); }

// The dictionary text of object `n` (from "<<" to the matching ">>") and
// where its stream starts, if it has one.
bool Object(const std::string& f, const std::map<long, size_t>& xref, long n, std::string& dict, size_t& streamAt)
{
    auto it = xref.find(n);
    if (it == xref.end()) return false;
    const std::string head = std::to_string(n) + " 0 obj";
    if (f.compare(it->second, head.size(), head) != 0) return false;
    const size_t open = f.find("<<", it->second);
    if (open == std::string::npos) return false;
    int depth = 0;
    size_t i = open;
    for (; i + 1 < f.size(); ++i) {
        if (f[i] == '<' && f[i + 1] == '<') { ++depth; ++i; }
        else if (f[i] == '>' && f[i + 1] == '>') { if (--depth == 0) break; ++i; }
    }
    if (depth != 0) return false;
    dict = f.substr(open, i + 2 - open);
    streamAt = std::string::npos;
    const size_t s = f.find("stream\n", i);
    const size_t end = f.find("endobj", i);
    if (s != std::string::npos && s < end) streamAt = s + 7;
    return true;
}

std::string After(const std::string& dict, const std::string& key)
{
    const size_t k = dict.find(key + " ");
    return k == std::string::npos ? "" : dict.substr(k + key.size() + 1);
}

long Number(const std::string& dict, const std::string& key) { return std::atol(After(dict, key).c_str()); }

long Ref(const std::string& dict, const std::string& key) { return std::atol(After(dict, key).c_str()); }

std::string Name(const std::string& dict, const std::string& key)
{
    const std::string v = After(dict, key);
    if (v.empty() || v[0] != '/') return "";
    size_t e = 1;
    while (e < v.size() && v[e] != ' ' && v[e] != '/' && v[e] != '>') ++e;
    return v.substr(1, e - 1);
}

} // namespace

bool ReadPdf(const std::vector<uint8_t>& file, std::vector<PdfPageImage>& pages, std::string& error)
{
    const std::string f = Text(file);
    pages.clear();
    if (f.compare(0, 5, "%PDF-") != 0) { error = "no PDF header"; return false; }
    const size_t sx = f.rfind("startxref\n");
    if (sx == std::string::npos) { error = "no startxref"; return false; }
    const size_t xrefAt = std::strtoul(f.c_str() + sx + 10, nullptr, 10);
    if (f.compare(xrefAt, 5, "xref\n") != 0) { error = "startxref does not point at the xref table"; return false; }
    size_t p = xrefAt + 5;
    const long first = std::strtol(f.c_str() + p, nullptr, 10);
    const long count = std::strtol(f.c_str() + f.find(' ', p) + 1, nullptr, 10);
    p = f.find('\n', p) + 1;
    std::map<long, size_t> xref;
    for (long i = 0; i < count; ++i, p += 20) {
        if (p + 20 > f.size() || f[p + 19] != '\n') { error = "bad xref entry"; return false; }
        if (f[p + 17] == 'n') xref[first + i] = std::strtoul(f.c_str() + p, nullptr, 10);
    }
    const size_t trailer = f.find("trailer", p);
    if (trailer == std::string::npos) { error = "no trailer"; return false; }
    const std::string trailerDict = f.substr(trailer);
    if (Number(trailerDict, "/Size") != count) { error = "trailer /Size differs from the xref table"; return false; }
    std::string dict;
    size_t streamAt;
    if (!Object(f, xref, Ref(trailerDict, "/Root"), dict, streamAt) || Name(dict, "/Type") != "Catalog") {
        error = "no catalogue at /Root";
        return false;
    }
    std::string pagesDict;
    if (!Object(f, xref, Ref(dict, "/Pages"), pagesDict, streamAt) || Name(pagesDict, "/Type") != "Pages") {
        error = "no page tree";
        return false;
    }
    const size_t kids = pagesDict.find("/Kids [");
    if (kids == std::string::npos) { error = "no /Kids"; return false; }
    const char* k = pagesDict.c_str() + kids + 7;
    while (*k && *k != ']') {
        char* end;
        const long n = std::strtol(k, &end, 10);
        if (end == k) break;
        k = end;
        std::strtol(k, &end, 10); // generation
        k = end;
        while (*k == ' ' || *k == 'R') ++k;
        std::string pageDict;
        if (!Object(f, xref, n, pageDict, streamAt) || Name(pageDict, "/Type") != "Page") {
            error = "a kid is not a page";
            return false;
        }
        PdfPageImage page;
        const std::string box = After(pageDict, "/MediaBox");
        double x0, y0;
        if (std::sscanf(box.c_str(), "[%lf %lf %lf %lf]", &x0, &y0, &page.mediaWidth, &page.mediaHeight) != 4) {
            error = "no media box";
            return false;
        }
        std::string imageDict;
        if (!Object(f, xref, Ref(pageDict, "/Im0"), imageDict, streamAt) || streamAt == std::string::npos) {
            error = "no image on the page";
            return false;
        }
        page.width = Number(imageDict, "/Width");
        page.height = Number(imageDict, "/Height");
        page.bitsPerComponent = Number(imageDict, "/BitsPerComponent");
        page.colorSpace = Name(imageDict, "/ColorSpace");
        page.filter = Name(imageDict, "/Filter");
        const long length = Number(imageDict, "/Length");
        if (length <= 0 || streamAt + length > f.size() || f.compare(streamAt + length, 10, "\nendstream") != 0) {
            error = "an image stream's /Length is wrong";
            return false;
        }
        page.stream.assign(file.begin() + streamAt, file.begin() + streamAt + length);
        pages.push_back(std::move(page));
    }
    if (static_cast<long>(pages.size()) != Number(pagesDict, "/Count")) {
        error = "/Count differs from the kids";
        return false;
    }
    return true;
}
