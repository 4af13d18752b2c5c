#include "OutputWriter_win.h"

#include <windows.h>

#include <cstdio>

#include "BmpFile.h"
#include "PdfWriter.h"
#include "WicImage_win.h"

namespace {

std::wstring Wide(const std::string& s)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
    std::wstring w(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], n);
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& data, std::string& error)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        error = "cannot create '" + path + "'";
        return false;
    }
    const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    const bool closed = std::fclose(f) == 0;
    if (!ok || !closed) error = "cannot write '" + path + "' (disk full?)";
    return ok && closed;
}

bool WriteOne(const std::vector<Page>& pages, const std::string& path, OutputFormat format, int quality,
              std::string& error)
{
    switch (format) {
    case OutputFormat::Bmp: return WriteBytes(path, BuildBmp(pages[0]), error);
    case OutputFormat::Png: return WriteWicFile(pages, Wide(path), WicFormat::Png, error);
    case OutputFormat::Tiff: return WriteWicFile(pages, Wide(path), WicFormat::Tiff, error);
    case OutputFormat::Pdf: {
        std::vector<PdfImage> images;
        for (const Page& page : pages) {
            if (page.bitsPerPixel == 1) {
                images.push_back(BilevelPdfImage(page));
                continue;
            }
            std::vector<uint8_t> jpeg;
            if (!EncodeJpeg(page, quality, jpeg, error)) {
                error = "JPEG encoding: " + error;
                return false;
            }
            images.push_back(JpegPdfImage(page, std::move(jpeg)));
        }
        return WriteBytes(path, BuildPdf(images), error);
    }
    default:
        error = "no output format";
        return false;
    }
}

} // namespace

std::vector<std::string> OutputNames(const std::string& out, OutputFormat format, size_t count)
{
    std::vector<std::string> names;
    if (format == OutputFormat::Tiff || format == OutputFormat::Pdf || count <= 1) {
        names.push_back(out);
        return names;
    }
    const size_t slash = out.find_last_of("\\/");
    const size_t dot = out.find_last_of('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExt ? out.substr(0, dot) : out;
    const std::string ext = hasExt ? out.substr(dot) : "";
    names.push_back(out);
    for (size_t i = 2; i <= count; ++i) names.push_back(stem + "-" + std::to_string(i) + ext);
    return names;
}

bool WriteOutput(const std::vector<Page>& pages, const std::string& out, OutputFormat format, int jpegQuality,
                 std::vector<std::string>& written, std::string& error)
{
    written.clear();
    if (pages.empty()) {
        error = "no pages to write";
        return false;
    }
    const ComScope com;
    const std::vector<std::string> names = OutputNames(out, format, pages.size());
    std::vector<std::string> partials;
    bool ok = true;
    for (size_t i = 0; i < names.size() && ok; ++i) {
        const std::string partial = names[i] + ".partial";
        partials.push_back(partial);
        const std::vector<Page> group = names.size() == 1 ? pages : std::vector<Page>{pages[i]};
        ok = WriteOne(group, partial, format, jpegQuality, error);
    }
    for (size_t i = 0; i < partials.size() && ok; ++i) {
        if (!MoveFileExA(partials[i].c_str(), names[i].c_str(), MOVEFILE_REPLACE_EXISTING)) {
            error = "cannot rename the output to '" + names[i] + "'";
            ok = false;
        } else {
            written.push_back(names[i]);
        }
    }
    if (!ok) {
        for (const std::string& p : partials) DeleteFileA(p.c_str());
        for (const std::string& w : written) DeleteFileA(w.c_str());
        written.clear();
    }
    return ok;
}
