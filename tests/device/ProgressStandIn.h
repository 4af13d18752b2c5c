// Until the scan progress dialog is part of the build, the scanner source's
// tests link this recording stand-in for it (ProgressStandIn.cpp); with the
// real dialog present, Active() is false and the tests that need the
// recording skip.
#pragma once

struct ProgressStandIn {
    static bool Active();
    static void Reset();
    static int created;
    static int destroyed;
    static int bitsPerPixel;
    static int width;
    static int height;
    static int rows;
    static bool cancel;   // AddRows answers "cancelled" while set
};
