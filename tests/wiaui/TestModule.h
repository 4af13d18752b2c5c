// The in-process test program plays the module: its own resources stand for
// TX380WUI's, and the device values live in a store in memory that lists
// the scanner and holds nothing else until the extension's first use.
#pragma once

#include "common/sti/MemoryDeviceStore.h"

// The store installed before the first test.
tx::MemoryDeviceStore& ModuleStore();

// What the store held around the extension's first use, which the program's
// environment makes (one class-factory request) before any test runs.
struct FirstUseRecord {
    int writesBefore = -1;     // writes to the store before the first use
    int valuesBefore = 0;      // prefeed values present before it
    int writesAfter = -1;
    int writesAfterSecond = -1;  // after another request and EnumStiPropPages
};
const FirstUseRecord& FirstUseSeen();

// A fresh store listing the scanner, installed for one test.
class ScopedStore {
public:
    explicit ScopedStore(bool listsScanner = true);
    ~ScopedStore();
    tx::MemoryDeviceStore& Get() { return m_store; }
    int Value(const char* name);  // -1 when absent

private:
    tx::MemoryDeviceStore m_store;
};
