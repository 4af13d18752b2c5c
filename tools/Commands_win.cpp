#include "Commands_win.h"

#include <cstdio>
#include <memory>

#include "Acquisition_win.h"
#include "ClientWindow_win.h"
#include "ExitCodes.h"
#include "OutputWriter_win.h"
#include "Settings_win.h"
#include "TwainNames.h"

namespace {

void PrintError(const std::string& text) { std::fprintf(stderr, "txscan: %s\n", text.c_str()); }

std::string Text34(const char* s) { return std::string(s, strnlen(s, 33)); }

// The open source for the verbs that need one.
class OpenSource {
public:
    OpenSource(const Options& o, HWND window)
    {
        m_link = o.managerPath.empty() ? MakeDirectLink(o.sourcePath) : MakeManagerLink(o.managerPath, o.sourceName);
        std::string error;
        TwainFailure failure;
        m_open = m_link->Open(window, error, failure);
        if (!m_open) {
            if (failure.dat) error += ": " + failure.Text();
            PrintError(error);
        } else {
            m_session = std::make_unique<TwainSession>(*m_link);
        }
    }
    ~OpenSource()
    {
        m_session.reset();
        if (m_link) m_link->Close();
    }
    bool Ok() const { return m_open; }
    TwainSession& Session() { return *m_session; }
    const TW_IDENTITY& Identity() const { return m_link->Source(); }

private:
    std::unique_ptr<SourceLink> m_link;
    std::unique_ptr<TwainSession> m_session;
    bool m_open = false;
};

void PrintIdentity(const TW_IDENTITY& id)
{
    std::printf("%s\n", Text34(id.ProductName).c_str());
    std::printf("  manufacturer   %s\n", Text34(id.Manufacturer).c_str());
    std::printf("  family         %s\n", Text34(id.ProductFamily).c_str());
    std::printf("  version        %u.%u (%s)\n", id.Version.MajorNum, id.Version.MinorNum,
                Text34(id.Version.Info).c_str());
    std::printf("  protocol       %u.%u\n", id.ProtocolMajor, id.ProtocolMinor);
    std::string groups;
    if (id.SupportedGroups & DG_CONTROL) groups += " DG_CONTROL";
    if (id.SupportedGroups & DG_IMAGE) groups += " DG_IMAGE";
    if (id.SupportedGroups & DG_AUDIO) groups += " DG_AUDIO";
    if (id.SupportedGroups & DF_DS2) groups += " DF_DS2";
    std::printf("  groups        %s (0x%08lX)\n", groups.c_str(), static_cast<unsigned long>(id.SupportedGroups));
}

int RunInfo(const Options& o, HWND window)
{
    OpenSource source(o, window);
    if (!source.Ok()) return kExitNoSource;
    PrintIdentity(source.Identity());
    return kExitOk;
}

int RunList(const Options& o, HWND window)
{
    std::vector<TW_IDENTITY> sources;
    std::string error;
    if (!ListManagerSources(o.managerPath, window, sources, error)) {
        PrintError(error);
        return kExitNoSource;
    }
    if (sources.empty()) {
        PrintError("the data source manager lists no sources");
        return kExitNoSource;
    }
    for (const TW_IDENTITY& id : sources)
        std::printf("%s  (%s, %s, version %u.%u, protocol %u.%u)\n", Text34(id.ProductName).c_str(),
                    Text34(id.Manufacturer).c_str(), Text34(id.ProductFamily).c_str(), id.Version.MajorNum,
                    id.Version.MinorNum, id.ProtocolMajor, id.ProtocolMinor);
    return kExitOk;
}

// Prints one capability; false when even its current value cannot be read.
bool PrintCapability(TwainSession& s, TW_UINT16 cap, std::string& error)
{
    CapValue all, current, def;
    if (!s.GetCap(cap, MSG_GET, all, error)) return false;
    const TW_INT32 mask = s.QuerySupport(cap);
    std::string ignored;
    const bool haveCurrent = s.GetCap(cap, MSG_GETCURRENT, current, ignored);
    const bool haveDefault = s.GetCap(cap, MSG_GETDEFAULT, def, ignored);
    TW_UINT32 raw = 0;
    std::printf("%s (0x%04X)%s\n", CapabilityName(cap).c_str(), cap,
                mask & TWQC_SET ? "  settable" : mask ? "  read only" : "");
    if (haveCurrent && CurrentRaw(current, raw))
        std::printf("  current  %s\n", FormatItem(cap, current.itemType, raw).c_str());
    else if (haveCurrent && !current.text.empty())
        std::printf("  current  \"%s\"\n", current.text.c_str());
    if (haveDefault && CurrentRaw(def, raw)) std::printf("  default  %s\n", FormatItem(cap, def.itemType, raw).c_str());
    std::printf("  %s\n", FormatContainer(all).c_str());
    return true;
}

int RunCaps(const Options& o, HWND window)
{
    OpenSource source(o, window);
    if (!source.Ok()) return kExitNoSource;
    TwainSession& s = source.Session();
    CapValue supported;
    std::string error;
    if (!s.GetCap(CAP_SUPPORTEDCAPS, MSG_GET, supported, error)) {
        PrintError("the source does not list its capabilities: " + error);
        return kExitDeviceFailure;
    }
    int failures = 0;
    for (TW_UINT32 cap : supported.items) {
        if (!PrintCapability(s, static_cast<TW_UINT16>(cap), error)) {
            std::printf("%s (0x%04X)\n  cannot be read: %s\n", CapabilityName(static_cast<TW_UINT16>(cap)).c_str(),
                        static_cast<unsigned>(cap), error.c_str());
            ++failures;
        }
    }
    std::printf("%zu capabilities\n", supported.items.size());
    return failures ? kExitDeviceFailure : kExitOk;
}

int RunGet(const Options& o, HWND window)
{
    TW_UINT16 cap = 0;
    if (!CapabilityByName(o.capName, cap)) {
        PrintError("unknown capability '" + o.capName + "'");
        return kExitBadArguments;
    }
    OpenSource source(o, window);
    if (!source.Ok()) return kExitNoSource;
    std::string error;
    if (!PrintCapability(source.Session(), cap, error)) {
        PrintError(error);
        return kExitRefused;
    }
    return kExitOk;
}

int RunScan(const Options& o, HWND window)
{
    for (const auto& set : o.sets) {
        TW_UINT16 cap;
        if (!CapabilityByName(set.first, cap)) {
            PrintError("unknown capability '" + set.first + "'");
            return kExitBadArguments;
        }
    }
    TW_UINT32 size;
    if (!o.size.empty() && !ValueByName(ICAP_SUPPORTEDSIZES, o.size, size)) {
        PrintError("unknown page size '" + o.size + "'");
        return kExitBadArguments;
    }
    OpenSource source(o, window);
    if (!source.Ok()) return kExitNoSource;
    TwainSession& s = source.Session();
    std::string error;
    if (!ApplySettings(s, o, error)) {
        PrintError(error);
        return kExitRefused;
    }
    AcquireRequest request;
    request.mechanism = o.mechanism;
    request.bufferSize = o.bufferSize;
    request.fileFormat = o.fileFormat;
    request.pages = o.pages;
    request.ui = o.ui;
    request.quiet = o.quiet;
    std::vector<Page> pages;
    const AcquireResult result = Acquire(s, window, request, pages, error);
    if (result == AcquireResult::Cancelled) {
        PrintError("the scan was cancelled; nothing written");
        return kExitCancelled;
    }
    if (result == AcquireResult::Failed) {
        PrintError("the scan failed: " + error + "; nothing written");
        return kExitDeviceFailure;
    }
    if (pages.empty()) {
        PrintError("the source delivered no pages");
        return kExitDeviceFailure;
    }
    if (o.pages > 1 && static_cast<int>(pages.size()) < o.pages && !o.quiet)
        std::printf("note: the source delivered %zu of the %d pages asked for\n", pages.size(), o.pages);
    std::vector<std::string> written;
    if (!WriteOutput(pages, o.out, ResolveFormat(o), o.jpegQuality, written, error)) {
        PrintError("the output could not be written: " + error);
        return kExitOutputFailure;
    }
    for (size_t i = 0; i < written.size(); ++i) {
        const Page& p = pages[written.size() == 1 ? 0 : i];
        if (written.size() == 1 && pages.size() > 1)
            std::printf("wrote %s: %zu pages, the first %lu x %lu pixels\n", written[i].c_str(), pages.size(),
                        static_cast<unsigned long>(p.width), static_cast<unsigned long>(p.height));
        else
            std::printf("wrote %s: %lu x %lu pixels\n", written[i].c_str(), static_cast<unsigned long>(p.width),
                        static_cast<unsigned long>(p.height));
    }
    return kExitOk;
}

} // namespace

int RunCommand(const Options& o)
{
    ClientWindow window;
    switch (o.verb) {
    case Verb::Info: return RunInfo(o, window.Handle());
    case Verb::List: return RunList(o, window.Handle());
    case Verb::Caps: return RunCaps(o, window.Handle());
    case Verb::Get: return RunGet(o, window.Handle());
    case Verb::Scan: return RunScan(o, window.Handle());
    default: return kExitBadArguments;
    }
}
