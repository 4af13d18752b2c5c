// Repair of the two known faults of opening the scanner connection: a USB
// device on the scanner's connection that lacks its driver package (open
// result 11), and a connection fault that unplugging and reconnecting clears
// (open result 22).
#pragma once

// Given a mapped open result other than 0, may repair the connection and
// reopen it; gives the open result in force afterwards (0: open).
int RepairConnection(int code);

// True when a Plug and Play device with vendor 05E3 and product 0102 is
// present (WMI, Win32_PnPEntity).
bool IsKnownUsbDevicePresent();

// The walk behind it: true when the DeviceID of any Plug and Play entity the
// system lists satisfies `match`.
using DeviceIdMatch = bool (*)(const char* deviceId);
bool AnyPnpDeviceMatches(DeviceIdMatch match);

// True when a device id names that device, in any letter case.
bool IsKnownUsbDeviceId(const char* deviceId);

// Starts the system's INF installer elevated on the program files folder and
// waits for it; true when it was started.
bool InstallConnectionDriver();

// The installer's command line: program and quoted parameter, from the
// program files and system folders.
struct InstallerCommand {
    char program[260 + 32];
    char parameters[260 + 4];
};
bool MakeInstallerCommand(const char* programFiles, const char* systemFolder, InstallerCommand* out);

// What the repair reaches outside the process, replaceable by tests.
struct ConnectionRepairHooks {
    bool (*isKnownUsbDevicePresent)();
    bool (*installConnectionDriver)();
    void (*sleep)(unsigned long ms);
};
ConnectionRepairHooks& RepairHooks();
void ResetRepairHooks();

// Frees the driver library, loads it again and binds it afresh; false when
// that failed (nothing stays bound then).
bool ReloadDriverLibrary();
