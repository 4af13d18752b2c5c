#include "PdfWriter.h"

#include <cstdio>

namespace {

void Append(std::vector<uint8_t>& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

std::string Num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

} // namespace

std::vector<uint8_t> RunLengthEncode(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out;
    out.reserve(size / 8 + 16);
    size_t i = 0;
    while (i < size) {
        size_t run = 1;
        while (i + run < size && run < 128 && data[i + run] == data[i]) ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(257 - run));
            out.push_back(data[i]);
            i += run;
            continue;
        }
        // A literal run up to the next pair of equal bytes.
        size_t lit = 1;
        while (i + lit < size && lit < 128 && !(i + lit + 1 < size && data[i + lit] == data[i + lit + 1])) ++lit;
        out.push_back(static_cast<uint8_t>(lit - 1));
        out.insert(out.end(), data + i, data + i + lit);
        i += lit;
    }
    out.push_back(128);
    return out;
}

bool RunLengthDecode(const uint8_t* data, size_t size, std::vector<uint8_t>& out)
{
    out.clear();
    size_t i = 0;
    while (i < size) {
        const uint8_t n = data[i++];
        if (n == 128) return true;
        if (n < 128) {
            if (size - i < static_cast<size_t>(n) + 1) return false;
            out.insert(out.end(), data + i, data + i + n + 1);
            i += n + 1;
        } else {
            if (i >= size) return false;
            out.insert(out.end(), static_cast<size_t>(257 - n), data[i++]);
        }
    }
    return false; // no end-of-data marker
}

PdfImage BilevelPdfImage(const Page& page)
{
    PdfImage img;
    img.width = page.width;
    img.height = page.height;
    img.dpi = page.dpi;
    img.bitsPerComponent = 1;
    img.filter = "RunLengthDecode";
    img.data = RunLengthEncode(page.pixels.data(), page.pixels.size());
    return img;
}

PdfImage JpegPdfImage(const Page& page, std::vector<uint8_t> jpeg)
{
    PdfImage img;
    img.width = page.width;
    img.height = page.height;
    img.dpi = page.dpi;
    img.bitsPerComponent = 8;
    img.colour = page.bitsPerPixel == 24;
    img.filter = "DCTDecode";
    img.data = std::move(jpeg);
    return img;
}

std::vector<uint8_t> BuildPdf(const std::vector<PdfImage>& images)
{
    std::vector<uint8_t> out;
    if (images.empty()) return out;
    std::vector<size_t> offsets; // offset of object k at [k - 1]
    auto begin = [&](size_t number) {
        if (offsets.size() < number) offsets.resize(number);
        offsets[number - 1] = out.size();
        Append(out, std::to_string(number) + " 0 obj\n");
    };

    Append(out, "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    begin(1);
    Append(out, "<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    begin(2);
    std::string kids;
    for (size_t i = 0; i < images.size(); ++i) kids += (i ? " " : "") + std::to_string(3 + 3 * i) + " 0 R";
    Append(out, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(images.size()) + " >>\nendobj\n");

    for (size_t i = 0; i < images.size(); ++i) {
        const PdfImage& img = images[i];
        const double dpi = img.dpi > 0 ? img.dpi : 72.0;
        const double w = img.width * 72.0 / dpi, h = img.height * 72.0 / dpi;
        const size_t pageObj = 3 + 3 * i, contentObj = pageObj + 1, imageObj = pageObj + 2;
        begin(pageObj);
        Append(out, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Num(w) + " " + Num(h) +
                        "] /Resources << /XObject << /Im0 " + std::to_string(imageObj) +
                        " 0 R >> >> /Contents " + std::to_string(contentObj) + " 0 R >>\nendobj\n");
        const std::string content = "q " + Num(w) + " 0 0 " + Num(h) + " 0 0 cm /Im0 Do Q\n";
        begin(contentObj);
        Append(out, "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                        "endstream\nendobj\n");
        begin(imageObj);
        Append(out, "<< /Type /XObject /Subtype /Image /Width " + std::to_string(img.width) + " /Height " +
                        std::to_string(img.height) + " /ColorSpace " +
                        (img.colour ? "/DeviceRGB" : "/DeviceGray") + " /BitsPerComponent " +
                        std::to_string(img.bitsPerComponent) + " /Filter /" + img.filter + " /Length " +
                        std::to_string(img.data.size()) + " >>\nstream\n");
        out.insert(out.end(), img.data.begin(), img.data.end());
        Append(out, "\nendstream\nendobj\n");
    }

    const size_t xref = out.size();
    Append(out, "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n");
    for (size_t off : offsets) {
        char line[24];
        std::snprintf(line, sizeof line, "%010lu 00000 n \n", static_cast<unsigned long>(off));
        Append(out, line);
    }
    Append(out, "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
                    std::to_string(xref) + "\n%%EOF\n");
    return out;
}
