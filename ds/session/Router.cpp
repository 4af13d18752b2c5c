#include "session/Router.h"

#include "session/BusyGuard.h"
#include "session/DataSourceApp.h"

namespace {

struct Route {
    TW_UINT32 dg;
    TW_UINT16 dat;
    TW_UINT16 msg;
    Operation op;
};

const Route kRoutes[] = {
    {DG_CONTROL, DAT_CAPABILITY, MSG_GET, &DsCapability},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, &DsCapability},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETDEFAULT, &DsCapability},
    {DG_CONTROL, DAT_CAPABILITY, MSG_SET, &DsCapability},
    {DG_CONTROL, DAT_CAPABILITY, MSG_RESET, &DsCapability},
    {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, &DsCapability},
    {DG_CONTROL, DAT_CAPABILITY, MSG_RESETALL, &DsCapability},
    {DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &DsProcessEvent},
    {DG_CONTROL, DAT_IDENTITY, MSG_GET, &DsIdentity},
    {DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &DsIdentity},
    {DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &DsIdentity},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, &DsPendingXfers},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &DsPendingXfers},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &DsPendingXfers},
    {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &DsSetupMemXfer},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, &DsSetupFileXfer},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT, &DsSetupFileXfer},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &DsSetupFileXfer},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, &DsSetupFileXfer},
    {DG_CONTROL, DAT_STATUS, MSG_GET, &DsStatusGet},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &DsUserInterface},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &DsUserInterface},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, &DsUserInterface},
    {DG_CONTROL, DAT_XFERGROUP, MSG_GET, &DsXferGroup},
    {DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &DsCustomDsData},
    {DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, &DsCustomDsData},
    {DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &DsEntryPointSet},
    {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &DsImageInfo},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &DsImageLayout},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT, &DsImageLayout},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &DsImageLayout},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET, &DsImageLayout},
    {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &DsImageMemXfer},
    {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &DsImageNativeXfer},
    {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, &DsImageFileXfer},
};

} // namespace

Operation FindOperation(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg)
{
    for (const Route& r : kRoutes)
        if (r.dg == dg && r.dat == dat && r.msg == msg) return r.op;
    return nullptr;
}

TW_UINT16 Dispatch(TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data)
{
    Operation op = FindOperation(dg, dat, msg);
    if (!op) return TheApp().Fail(TWCC_BADPROTOCOL);
    if (ServedWhileBusy(dg, dat, msg)) return op(origin, msg, data);
    // A call from the application's handler while an operation of ours runs:
    // serving it could unbind the driver or free what the operation uses.
    if (SourceBusy()) return TheApp().Fail(TWCC_SEQERROR);
    BusyScope busy;
    return op(origin, msg, data);
}

TW_UINT16 FailNullRecord() { return TheApp().Fail(TWCC_BADVALUE); }
