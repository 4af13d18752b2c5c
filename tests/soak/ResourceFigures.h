// What a process holds that a module could leave behind, read the same way
// before and after a soak: free TLS slots, kernel handles, GDI and USER
// objects, heap bytes in use and privately committed memory.
#pragma once

#include <cstdint>
#include <string>

struct ResourceFigures {
    long freeTlsSlots = 0;   // TlsAlloc succeeds this many times (then all are freed)
    long handles = 0;        // open kernel handles
    long gdiObjects = 0;
    long userObjects = 0;
    long long heapBytes = 0;     // busy blocks in every heap of the process
    long long privateBytes = 0;  // committed private pages

    static ResourceFigures Take();
};

// after - before, field by field.
ResourceFigures Difference(const ResourceFigures& before, const ResourceFigures& after);

// "tls 1084 handles 40 gdi 37 user 3 heap 812345 private 6815744"
std::string Describe(const ResourceFigures& f);
