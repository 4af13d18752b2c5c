#include "CampaignMoves.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "GuardedBlock.h"

namespace {

// Handles no allocator made: small numbers, odd values, kernel-looking ones.
TW_HANDLE FakeHandle(uint32_t pick)
{
    static const uintptr_t kFakes[] = {0x1, 0x4, 0xDEAD0000, 0x12345678, 0xFFFFFFFF, 0x7FFFFFFFFFFF,
                                       0xFFFF800000000000ull};
    return reinterpret_cast<TW_HANDLE>(kFakes[pick % (sizeof kFakes / sizeof kFakes[0])]);
}

bool IsGetMessage(TW_UINT16 msg)
{
    return msg == MSG_GET || msg == MSG_GETCURRENT || msg == MSG_GETDEFAULT || msg == MSG_RESET ||
           msg == MSG_QUERYSUPPORT;
}

} // namespace

std::string CampaignCall::Describe() const
{
    char text[64];
    std::snprintf(text, sizeof text, "DG 0x%lx DAT 0x%04x MSG 0x%04x ", static_cast<unsigned long>(dg), dat, msg);
    return text + what;
}

void CampaignMoves::Fill(void* data, size_t size)
{
    auto* p = static_cast<uint8_t*>(data);
    const uint32_t style = Pick(4);
    for (size_t i = 0; i < size; ++i)
        p[i] = style == 0 ? 0 : style == 1 ? 0xFF : static_cast<uint8_t>(Pick(256));
}

TW_UINT16 CampaignMoves::Send(CampaignCall* call, void* data)
{
    // Origins: the application's own, none, or a stranger's identity.
    const uint32_t origin = Pick(10);
    if (origin < 2) call->what += origin == 0 ? " origin=null" : " origin=garbage";
    if (beforeSend) beforeSend(*call);
    if (origin == 0) {
        return m_app.CallWithOrigin(nullptr, call->dg, call->dat, call->msg, data);
    }
    if (origin == 1) {
        GuardedBlock stranger(sizeof(TW_IDENTITY));
        Fill(stranger.Data(), stranger.Size());
        return m_app.CallWithOrigin(reinterpret_cast<TW_IDENTITY*>(stranger.Data()), call->dg, call->dat,
                                    call->msg, data);
    }
    return m_app.Call(call->dg, call->dat, call->msg, data);
}

TW_HANDLE CampaignMoves::MakeContainer(std::string* what)
{
    switch (Pick(5)) {
    case 0: *what += " container=null"; return nullptr;
    case 1: *what += " container=fake"; return FakeHandle(Pick(16));
    default: break;
    }
    // A real block whose contents need not agree with its size.
    const size_t size = Pick(4) == 0 ? Pick(8) : 6 + Pick(80);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!block) return nullptr;
    auto* p = static_cast<uint8_t*>(GlobalLock(block));
    Fill(p, size);
    if (size >= 6) {
        static const TW_UINT16 kTypes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0x7777};
        const TW_UINT16 type = kTypes[Pick(sizeof kTypes / sizeof kTypes[0])];
        std::memcpy(p, &type, 2);
        const TW_UINT32 counts[] = {0, 1, 2, 1000, 0x7FFFFFFF, 0xFFFFFFFF, Pick(20)};
        const TW_UINT32 count = counts[Pick(7)];
        std::memcpy(p + 2, &count, 4);   // NumItems of arrays and enumerations, Item of one values
    }
    GlobalUnlock(block);
    char text[48];
    std::snprintf(text, sizeof text, " container=%zu bytes", size);
    *what += text;
    return block;
}

TW_UINT16 CampaignMoves::Capability(CampaignCall* call)
{
    static const TW_UINT16 kMsgs[] = {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT, MSG_SET,
                                      MSG_SET, MSG_SET, MSG_RESET, MSG_RESETALL, MSG_SETCONSTRAINT};
    call->dg = DG_CONTROL;
    call->dat = DAT_CAPABILITY;
    call->msg = kMsgs[Pick(10)];
    GuardedBlock record(sizeof(TW_CAPABILITY));
    auto* cap = reinterpret_cast<TW_CAPABILITY*>(record.Data());
    const uint32_t which = Pick(4);
    cap->Cap = static_cast<TW_UINT16>(which == 0 ? 0x1000 + Pick(0x50)
                                      : which == 1 ? 0x0100 + Pick(0x40)
                                      : which == 2 ? 0x8000 + Pick(0x20)
                                                   : Pick(0x10000));
    static const TW_UINT16 kCons[] = {TWON_ONEVALUE, TWON_ENUMERATION, TWON_RANGE, TWON_ARRAY, 0, 0xFFFF, 7};
    cap->ConType = kCons[Pick(7)];
    char text[48];
    std::snprintf(text, sizeof text, "cap 0x%04x con %u", cap->Cap, cap->ConType);
    call->what = text;
    const TW_HANDLE mine = MakeContainer(&call->what);
    cap->hContainer = mine;
    const TW_UINT16 rc = Send(call, cap);
    const bool real = mine && GlobalSize(mine) != 0 && reinterpret_cast<uintptr_t>(mine) > 0xFFFF;
    if (rc == TWRC_SUCCESS && IsGetMessage(call->msg) && cap->hContainer && cap->hContainer != mine)
        GlobalFree(cap->hContainer);
    if (real) GlobalFree(mine);
    return rc;
}

TW_UINT16 CampaignMoves::Identity(CampaignCall* call, bool closed)
{
    call->dg = DG_CONTROL;
    call->dat = DAT_IDENTITY;
    const uint32_t pick = Pick(10);
    call->msg = closed || pick < 3 ? MSG_OPENDS : pick < 5 ? MSG_CLOSEDS : MSG_GET;
    GuardedBlock record(sizeof(TW_IDENTITY));
    if (call->msg == MSG_OPENDS && Pick(2) == 0) {
        std::memset(record.Data(), 0, record.Size());
        call->what = "empty identity";
    } else {
        Fill(record.Data(), record.Size());
        call->what = "unterminated identity";
    }
    return Send(call, Pick(8) == 0 ? nullptr : record.Data());
}

TW_UINT16 CampaignMoves::UserInterface(CampaignCall* call)
{
    call->dg = DG_CONTROL;
    call->dat = DAT_USERINTERFACE;
    call->msg = Pick(3) == 0 ? MSG_DISABLEDS : MSG_ENABLEDS;
    GuardedBlock record(sizeof(TW_USERINTERFACE));
    auto* ui = reinterpret_cast<TW_USERINTERFACE*>(record.Data());
    ui->ShowUI = 0;   // the dialog would wait for a person
    ui->ModalUI = static_cast<TW_BOOL>(Pick(3));
    const uint32_t parent = Pick(3);
    ui->hParent = parent == 0 ? nullptr : parent == 1 ? FakeHandle(Pick(16)) : m_app.AppWindow();
    call->what = parent == 1 ? "fake parent" : "";
    return Send(call, ui);
}

TW_UINT16 CampaignMoves::FileSetup(CampaignCall* call)
{
    static const TW_UINT16 kMsgs[] = {MSG_GET, MSG_GETDEFAULT, MSG_SET, MSG_SET, MSG_RESET};
    call->dg = DG_CONTROL;
    call->dat = DAT_SETUPFILEXFER;
    call->msg = kMsgs[Pick(5)];
    GuardedBlock record(sizeof(TW_SETUPFILEXFER));
    auto* setup = reinterpret_cast<TW_SETUPFILEXFER*>(record.Data());
    Fill(setup, sizeof *setup);
    if (call->msg == MSG_SET) {
        // Our folder, then letters up to the very end of the field: no terminator.
        std::string name = m_folder + "\\";
        while (name.size() < sizeof setup->FileName) name += static_cast<char>('a' + Pick(26));
        std::memcpy(setup->FileName, name.data(), sizeof setup->FileName);
        static const TW_UINT16 kFormats[] = {TWFF_BMP, TWFF_TIFF, 0x00FF, 13};
        setup->Format = kFormats[Pick(4)];
        call->what = "unterminated name";
    }
    return Send(call, setup);
}

TW_UINT16 CampaignMoves::CustomData(CampaignCall* call)
{
    call->dg = DG_CONTROL;
    call->dat = DAT_CUSTOMDSDATA;
    call->msg = Pick(2) ? MSG_SET : MSG_GET;
    GuardedBlock record(sizeof(TW_CUSTOMDSDATA));
    auto* data = reinterpret_cast<TW_CUSTOMDSDATA*>(record.Data());
    TW_HANDLE mine = nullptr;
    if (call->msg == MSG_SET) {
        mine = MakeContainer(&call->what);
        data->hData = mine;
        const size_t real = mine && reinterpret_cast<uintptr_t>(mine) > 0xFFFF ? GlobalSize(mine) : 0;
        const TW_UINT32 lengths[] = {0, static_cast<TW_UINT32>(real), static_cast<TW_UINT32>(real + 1), 80,
                                     0xFFFFFFFF};
        data->InfoLength = lengths[Pick(5)];
        call->what += " length " + std::to_string(data->InfoLength);
    } else {
        Fill(data, sizeof *data);
    }
    const TW_UINT16 rc = Send(call, data);
    if (call->msg == MSG_GET && rc == TWRC_SUCCESS && data->hData) GlobalFree(data->hData);
    if (mine && reinterpret_cast<uintptr_t>(mine) > 0xFFFF && GlobalSize(mine)) GlobalFree(mine);
    return rc;
}

TW_UINT16 CampaignMoves::Event(CampaignCall* call)
{
    call->dg = DG_CONTROL;
    call->dat = DAT_EVENT;
    call->msg = MSG_PROCESSEVENT;
    GuardedBlock record(sizeof(TW_EVENT));
    GuardedBlock message(sizeof(MSG));
    Fill(message.Data(), message.Size());
    auto* msg = reinterpret_cast<MSG*>(message.Data());
    msg->hwnd = Pick(2) ? nullptr : m_app.AppWindow();
    msg->message = Pick(2) ? WM_USER + Pick(0x100) : WM_APP + Pick(0x100);
    auto* event = reinterpret_cast<TW_EVENT*>(record.Data());
    event->pEvent = Pick(4) == 0 ? nullptr : msg;
    event->TWMessage = static_cast<TW_UINT16>(Pick(0x10000));
    call->what = event->pEvent ? "random message" : "no message";
    return Send(call, event);
}

TW_UINT16 CampaignMoves::MemoryStrip(CampaignCall* call)
{
    call->dg = DG_IMAGE;
    call->dat = DAT_IMAGEMEMXFER;
    call->msg = MSG_GET;
    GuardedBlock record(sizeof(TW_IMAGEMEMXFER));
    auto* xfer = reinterpret_cast<TW_IMAGEMEMXFER*>(record.Data());
    Fill(xfer, sizeof *xfer);
    const uint32_t lengths[] = {0, 1, 7, 300, 3000, 16384, 65536 + 13};
    const uint32_t length = lengths[Pick(7)];
    GuardedBlock strip(length);
    HGLOBAL handle = nullptr;
    const uint32_t kind = Pick(4);
    if (kind == 0) {
        handle = GlobalAlloc(GMEM_MOVEABLE, length ? length : 1);
        xfer->Memory = {TWMF_APPOWNS | TWMF_HANDLE, length, handle};
    } else if (kind == 1) {
        xfer->Memory = {TWMF_DSOWNS | TWMF_POINTER, length, strip.Data()};
    } else {
        xfer->Memory = {TWMF_APPOWNS | TWMF_POINTER, length, strip.Data()};
    }
    call->what = "strip " + std::to_string(length) + " kind " + std::to_string(kind);
    const TW_UINT16 rc = Send(call, xfer);
    if (handle) GlobalFree(handle);
    return rc;
}

TW_UINT16 CampaignMoves::Native(CampaignCall* call)
{
    call->dg = DG_IMAGE;
    call->dat = DAT_IMAGENATIVEXFER;
    call->msg = MSG_GET;
    GuardedBlock record(sizeof(TW_HANDLE));
    Fill(record.Data(), record.Size());
    const TW_UINT16 rc = Send(call, record.Data());
    TW_HANDLE dib = nullptr;
    std::memcpy(&dib, record.Data(), sizeof dib);
    if (rc == TWRC_XFERDONE && dib) GlobalFree(dib);
    return rc;
}

TW_UINT16 CampaignMoves::PlainRecord(CampaignCall* call, size_t size)
{
    // Exactly the record's size, ending at the guard page: the source cannot
    // know a block is shorter than its record, but must not step past it.
    const size_t bytes = size;
    GuardedBlock record(bytes);
    Fill(record.Data(), bytes);
    call->what = std::to_string(bytes) + " of " + std::to_string(size) + " bytes";
    return Send(call, Pick(10) == 0 ? nullptr : record.Data());
}

TW_UINT16 CampaignMoves::AnyTriplet(CampaignCall* call)
{
    // Records with pointers an application must make valid are left out.
    static const TW_UINT16 kSkip[] = {DAT_CALLBACK, DAT_CALLBACK2, DAT_ENTRYPOINT, DAT_PARENT, DAT_PASSTHRU,
                                      DAT_EVENT, DAT_IMAGEMEMXFER, DAT_IMAGEMEMFILEXFER, DAT_USERINTERFACE,
                                      DAT_FILESYSTEM, DAT_IDENTITY, DAT_CAPABILITY};
    call->dg = Pick(3) == 0 ? (1u << Pick(32)) : (Pick(2) ? DG_CONTROL : DG_IMAGE);
    do call->dat = static_cast<TW_UINT16>(Pick(2) ? Pick(0x140) : Pick(0x10000));
    while (std::find(std::begin(kSkip), std::end(kSkip), call->dat) != std::end(kSkip));
    call->msg = static_cast<TW_UINT16>(Pick(2) ? Pick(0x0A10) : Pick(0x10000));
    return PlainRecord(call, 512);   // room for any fixed record of these groups
}

TW_UINT16 CampaignMoves::MakeOne(CampaignCall* call, bool closed)
{
    if (closed && Pick(4) != 0) return Identity(call, true);
    switch (Pick(16)) {
    case 0: case 1: case 2: return Capability(call);
    case 3: return Identity(call, closed);
    case 4: case 5: return UserInterface(call);
    case 6: return FileSetup(call);
    case 7: return CustomData(call);
    case 8: return Event(call);
    case 9: return MemoryStrip(call);
    case 10: return Native(call);
    case 11: {
        static const TW_UINT16 kMsgs[] = {MSG_GET, MSG_ENDXFER, MSG_RESET, MSG_STOPFEEDER};
        *call = {DG_CONTROL, DAT_PENDINGXFERS, kMsgs[Pick(4)], ""};
        return PlainRecord(call, sizeof(TW_PENDINGXFERS));
    }
    case 12: {
        static const TW_UINT16 kMsgs[] = {MSG_GET, MSG_GETDEFAULT, MSG_SET, MSG_RESET};
        *call = {DG_IMAGE, DAT_IMAGELAYOUT, kMsgs[Pick(4)], ""};
        return PlainRecord(call, sizeof(TW_IMAGELAYOUT));
    }
    case 13:
        *call = {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, ""};
        return PlainRecord(call, sizeof(TW_IMAGEINFO));
    case 14:
        *call = {DG_CONTROL, Pick(2) ? DAT_SETUPMEMXFER : DAT_XFERGROUP, MSG_GET, ""};
        return PlainRecord(call, sizeof(TW_SETUPMEMXFER));
    default: return AnyTriplet(call);
    }
}
