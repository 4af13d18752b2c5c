// txscan run the way a user runs it, against the data source and the
// simulated scanner (its feeder scripted per test), directly and through the
// manager stand-in. Every image is read back: BMP, PNG and TIFF with the
// imaging component, PDF with the small reader.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "ClientRunner.h"
#include "PdfReader.h"
#include "PdfWriter.h"
#include "TempFolder.h"
#include "WicImage_win.h"

namespace {

std::string Full(const char* relative)
{
    char buf[MAX_PATH];
    GetFullPathNameA(relative, MAX_PATH, buf, nullptr);
    return buf;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::vector<Page> ReadImage(const std::string& path)
{
    std::vector<Page> pages;
    std::string error;
    std::wstring wide(path.begin(), path.end());
    EXPECT_TRUE(ReadWicFile(wide, pages, error)) << path << ": " << error;
    return pages;
}

std::string Describe(const ClientRun& r)
{
    std::string s = "exit " + std::to_string(r.exitCode) + "\nout: " + r.out + "\nerr: " + r.err;
    for (const auto& b : r.boxes) s += "\nbox: " + b;
    return s;
}

class ClientEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteScenario("");
    }

    // A feeder of the four bundled pages, once each, plus extra scenario lines.
    void WriteScenario(const std::string& extra)
    {
        std::ofstream ini(m_folder.File("scenario.ini"));
        ini << "[Feeder]\nPages=" << Full("samples\\01-letter.png") << ";" << Full("samples\\02-business-card.png")
            << ";" << Full("samples\\03-photo.jpg") << ";" << Full("samples\\04-short-sheet.png") << "\nLoop=0\n"
            << extra;
    }

    ClientRun Scan(const std::string& args, Environment env = {}, bool cancelProgress = false)
    {
        env.emplace_back("TARVX380_SIM", m_folder.File("scenario.ini"));
        return RunClient(args, env, 120000, cancelProgress);
    }

    std::string Out(const char* name) const { return m_folder.File(name); }

    ComScope m_com;
    TempFolder m_folder;
};

TEST_F(ClientEndToEnd, BadArgumentsAndHelp)
{
    ClientRun help = RunClient("--help");
    EXPECT_EQ(help.exitCode, 0u);
    EXPECT_NE(help.out.find("Exit codes"), std::string::npos);
    EXPECT_NE(help.out.find("--xfer native|memory|file"), std::string::npos);

    for (const char* bad : {"", "scan --source TARVX380.ds", "scan --source TARVX380.ds --out x.jpg",
                            "scan --source TARVX380.ds --out x.png --frame 1,2", "frobnicate --source TARVX380.ds",
                            "scan --source TARVX380.ds --out x.png --set ICAP_NOSUCH=1"}) {
        ClientRun r = RunClient(bad);
        EXPECT_EQ(r.exitCode, 2u) << bad << "\n" << Describe(r);
        EXPECT_NE(r.err.find("txscan: "), std::string::npos) << bad;
    }
}

TEST_F(ClientEndToEnd, SourceThatCannotBeFound)
{
    ClientRun r = Scan("scan --source nothere\\TARVX380.ds --out " + Out("x.png"));
    EXPECT_EQ(r.exitCode, 3u) << Describe(r);
    EXPECT_NE(r.err.find("cannot load the data source"), std::string::npos) << r.err;
    EXPECT_FALSE(Exists(Out("x.png")));

    ClientRun named = Scan("info --manager testmanager\\TWAINDSM.DLL --name \"Other Scanner\"",
                           {{"TX_TEST_DSM_FOLDER", Full(".")}});
    EXPECT_EQ(named.exitCode, 3u) << Describe(named);
    EXPECT_NE(named.err.find("\"Tarvex 380\""), std::string::npos) << "the message lists what is there: " << named.err;
}

TEST_F(ClientEndToEnd, ManagerListsAndOpensTheSource)
{
    const Environment env = {{"TX_TEST_DSM_FOLDER", Full(".")}};
    ClientRun list = Scan("list --manager testmanager\\TWAINDSM.DLL", env);
    EXPECT_EQ(list.exitCode, 0u) << Describe(list);
    EXPECT_NE(list.out.find("Tarvex 380  (VSK, Tarvex"), std::string::npos) << list.out;

    // The notifications come back through the callback, and without one
    // through MSG_PROCESSEVENT.
    for (bool callback : {true, false}) {
        Environment e = env;
        if (!callback) e.emplace_back("TX_TEST_DSM_NOCALLBACK", "1");
        const std::string out = Out(callback ? "m1.png" : "m2.png");
        ClientRun r = Scan("scan --manager testmanager\\TWAINDSM.DLL --name \"Tarvex 380\" --mode gray --dpi 150 --out " + out, e);
        EXPECT_EQ(r.exitCode, 0u) << Describe(r);
        std::vector<Page> pages = ReadImage(out);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].width, 648u); // 4.32 inches at 150 dpi
        EXPECT_EQ(pages[0].bitsPerPixel, 8);
    }
}

TEST_F(ClientEndToEnd, EveryMechanismDeliversTheSamePage)
{
    struct Case { const char* args; const char* out; };
    const Case cases[] = {
        {"--xfer native", "native.bmp"},
        {"--xfer memory", "memory.png"},
        {"--xfer memory --buffer 5000", "strips.tif"},
        {"--xfer file --file-format bmp", "file.png"},
        {"--xfer file --file-format tiff", "filetiff.bmp"},
    };
    std::vector<Page> first;
    for (const Case& c : cases) {
        ClientRun r = Scan(std::string("scan --source TARVX380.ds --mode color --dpi 150 ") + c.args + " --out " + Out(c.out));
        ASSERT_EQ(r.exitCode, 0u) << c.args << "\n" << Describe(r);
        EXPECT_NE(r.out.find("648 x 1500 pixels"), std::string::npos) << r.out;
        std::vector<Page> pages = ReadImage(Out(c.out));
        ASSERT_EQ(pages.size(), 1u) << c.out;
        EXPECT_EQ(pages[0].bitsPerPixel, 24) << c.out;
        EXPECT_NEAR(pages[0].dpi, 150, 0.6) << c.out;
        if (first.empty()) first = pages;
        else EXPECT_TRUE(pages[0].pixels == first[0].pixels) << c.out << " differs from " << cases[0].out;
    }
    ClientRun memory = Scan("scan --source TARVX380.ds --mode gray --dpi 150 --xfer memory --buffer 3000 --out " + Out("g.png"));
    EXPECT_NE(memory.out.find("rows 1500 of 1500"), std::string::npos) << "progress of the strips: " << memory.out;
    ClientRun tiny = Scan("scan --source TARVX380.ds --mode color --xfer memory --buffer 100 --out " + Out("t.png"));
    EXPECT_EQ(tiny.exitCode, 5u) << Describe(tiny);
    EXPECT_NE(tiny.err.find("smaller than one row"), std::string::npos) << tiny.err;
}

TEST_F(ClientEndToEnd, PdfPagesAreLosslessInBlackAndWhiteAndJpegInGrey)
{
    ClientRun bw = Scan("scan --source TARVX380.ds --mode bw --dpi 300 --quiet --out " + Out("bw.pdf"));
    ASSERT_EQ(bw.exitCode, 0u) << Describe(bw);
    EXPECT_EQ(bw.out.find("page 1"), std::string::npos) << "--quiet shows no progress";
    ClientRun png = Scan("scan --source TARVX380.ds --mode bw --dpi 300 --out " + Out("bw.png"));
    ASSERT_EQ(png.exitCode, 0u) << Describe(png);
    std::vector<PdfPageImage> pdf;
    std::string error;
    ASSERT_TRUE(ReadPdf(ReadBytes(Out("bw.pdf")), pdf, error)) << error;
    ASSERT_EQ(pdf.size(), 1u);
    std::vector<Page> reference = ReadImage(Out("bw.png"));
    ASSERT_EQ(reference.size(), 1u);
    EXPECT_EQ(pdf[0].filter, "RunLengthDecode");
    EXPECT_EQ(pdf[0].bitsPerComponent, 1);
    EXPECT_EQ(pdf[0].width, 1296);
    EXPECT_NEAR(pdf[0].mediaWidth, 4.32 * 72, 0.01);
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(RunLengthDecode(pdf[0].stream.data(), pdf[0].stream.size(), pixels));
    EXPECT_TRUE(pixels == reference[0].pixels) << "the PDF page is the scanned page bit for bit";

    ClientRun grey = Scan("scan --source TARVX380.ds --mode gray --dpi 150 --out " + Out("g.pdf"));
    ASSERT_EQ(grey.exitCode, 0u) << Describe(grey);
    ClientRun greyPng = Scan("scan --source TARVX380.ds --mode gray --dpi 150 --out " + Out("g.png"));
    ASSERT_TRUE(ReadPdf(ReadBytes(Out("g.pdf")), pdf, error)) << error;
    ASSERT_EQ(pdf.size(), 1u);
    EXPECT_EQ(pdf[0].filter, "DCTDecode");
    EXPECT_EQ(pdf[0].colorSpace, "DeviceGray");
    std::vector<Page> jpeg;
    ASSERT_TRUE(ReadWicMemory(pdf[0].stream, jpeg, error)) << error;
    reference = ReadImage(Out("g.png"));
    ASSERT_EQ(jpeg.size(), 1u);
    ASSERT_EQ(jpeg[0].width, reference[0].width);
    ASSERT_EQ(jpeg[0].height, reference[0].height);
    double diff = 0;
    for (size_t i = 0; i < jpeg[0].pixels.size(); ++i) diff += std::abs(jpeg[0].pixels[i] - reference[0].pixels[i]);
    EXPECT_LT(diff / jpeg[0].pixels.size(), 4.0) << "JPEG close to the page";
}

TEST_F(ClientEndToEnd, ContinuousScanIntoOneTiffAndOnePdf)
{
    // The letter fills the 10-inch area; the others end where the sheet ends
    // (end-of-page detection is on).
    ClientRun tiff = Scan("scan --source TARVX380.ds --mode bw --dpi 150 --pages all --out " + Out("all.tif"));
    ASSERT_EQ(tiff.exitCode, 0u) << Describe(tiff);
    std::vector<Page> pages = ReadImage(Out("all.tif"));
    ASSERT_EQ(pages.size(), 4u) << tiff.out;
    for (const Page& p : pages) EXPECT_EQ(p.width, 648u);
    EXPECT_EQ(pages[0].height, 1500u);
    EXPECT_LT(pages[1].height, pages[0].height) << "the business card is shorter";
    EXPECT_NE(tiff.out.find("page 4: 648 x"), std::string::npos) << tiff.out;

    // The first page is the page a single scan gives.
    ClientRun one = Scan("scan --source TARVX380.ds --mode bw --dpi 150 --out " + Out("one.png"));
    ASSERT_EQ(one.exitCode, 0u) << Describe(one);
    std::vector<Page> single = ReadImage(Out("one.png"));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_TRUE(single[0].pixels == pages[0].pixels);

    ClientRun pdf = Scan("scan --source TARVX380.ds --mode bw --dpi 150 --pages all --out " + Out("all.pdf"));
    ASSERT_EQ(pdf.exitCode, 0u) << Describe(pdf);
    std::vector<PdfPageImage> pdfPages;
    std::string error;
    ASSERT_TRUE(ReadPdf(ReadBytes(Out("all.pdf")), pdfPages, error)) << error;
    ASSERT_EQ(pdfPages.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(pdfPages[i].height, static_cast<long>(pages[i].height)) << "page " << i + 1;
        EXPECT_NEAR(pdfPages[i].mediaHeight, pages[i].height * 72.0 / 150, 0.01);
        std::vector<uint8_t> bits;
        ASSERT_TRUE(RunLengthDecode(pdfPages[i].stream.data(), pdfPages[i].stream.size(), bits));
        EXPECT_TRUE(bits == pages[i].pixels) << "PDF page " << i + 1 << " is the TIFF page";
    }

    ClientRun two = Scan("scan --source TARVX380.ds --pages 2 --out " + Out("two.tif"));
    ASSERT_EQ(two.exitCode, 0u) << Describe(two);
    EXPECT_EQ(ReadImage(Out("two.tif")).size(), 2u);
}

TEST_F(ClientEndToEnd, DeviceFaultGivesAClearErrorAndNoFile)
{
    WriteScenario("[Faults]\nReadErrorAfterRows=200\n");
    for (const char* xfer : {"native", "memory"}) {
        ClientRun r = Scan(std::string("scan --source TARVX380.ds --xfer ") + xfer + " --out " + Out("fault.pdf"));
        EXPECT_EQ(r.exitCode, 5u) << Describe(r);
        EXPECT_NE(r.err.find("TWRC_FAILURE, TWCC_OPERATIONERROR"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(std::string("DG_IMAGE / DAT_IMAGE") + (xfer[0] == 'n' ? "NATIVEXFER" : "MEMXFER")),
                  std::string::npos) << r.err;
        EXPECT_EQ(r.boxes.size(), 1u) << "the source told the user once";
        EXPECT_FALSE(Exists(Out("fault.pdf")));
        EXPECT_FALSE(Exists(Out("fault.pdf.partial")));
    }
}

TEST_F(ClientEndToEnd, CancelInTheProgressWindow)
{
    WriteScenario("[Device]\nRowsPerSecond=1500\n");
    for (const char* xfer : {"native", "file"}) {
        ClientRun r = Scan(std::string("scan --source TARVX380.ds --xfer ") + xfer + " --out " + Out("c.png"), {}, true);
        EXPECT_EQ(r.exitCode, 4u) << xfer << "\n" << Describe(r);
        EXPECT_NE(r.err.find("cancelled"), std::string::npos) << r.err;
        EXPECT_TRUE(r.boxes.empty()) << "a cancel is no error to show";
        EXPECT_FALSE(Exists(Out("c.png")));
    }
}

TEST_F(ClientEndToEnd, CapabilitiesAreShownAndRefusalsNamed)
{
    ClientRun caps = Scan("caps --source TARVX380.ds");
    EXPECT_EQ(caps.exitCode, 0u) << Describe(caps);
    EXPECT_NE(caps.out.find("ICAP_PIXELTYPE (0x0101)  settable"), std::string::npos) << caps.out;
    EXPECT_NE(caps.out.find("TWPT_GRAY (1)"), std::string::npos);
    EXPECT_NE(caps.out.find("CUSTCAP_DETECTEOP"), std::string::npos);

    ClientRun get = Scan("get icap_xresolution --source TARVX380.ds");
    EXPECT_EQ(get.exitCode, 0u) << Describe(get);
    EXPECT_NE(get.out.find("enumeration of TWTY_FIX32: 150, 200, [300], 600"), std::string::npos) << get.out;

    ClientRun refused = Scan("scan --source TARVX380.ds --set ICAP_BITORDER=0 --out " + Out("r.png"));
    EXPECT_EQ(refused.exitCode, 6u) << Describe(refused);
    EXPECT_NE(refused.err.find("DG_CONTROL / DAT_CAPABILITY / MSG_SET (ICAP_BITORDER) failed: TWRC_FAILURE, TWCC_BADVALUE"),
              std::string::npos) << refused.err;

    ClientRun nearby = Scan("scan --source TARVX380.ds --dpi 250 --set ICAP_GAMMA=2.2 --size BUSINESSCARD --out " + Out("n.png"));
    EXPECT_EQ(nearby.exitCode, 0u) << Describe(nearby);
    EXPECT_NE(nearby.out.find("ICAP_XRESOLUTION: the source took 200 instead of 250"), std::string::npos) << nearby.out;
    EXPECT_NE(nearby.out.find("708 x 434 pixels"), std::string::npos) << "3.54 x 2.17 inches at 200 dpi: " << nearby.out;
}

} // namespace
