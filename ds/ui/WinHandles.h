// Owners of the Win32 handles the dialogs hold: kernel handles, GDI objects,
// a window's DC, objects selected into a DC, and a critical section.
#pragma once

#include <windows.h>

// A kernel handle (event, thread) closed on destruction.
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(HANDLE h) : m_h(h) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    void Reset(HANDLE h)
    {
        Close();
        m_h = h;
    }
    void Close()
    {
        if (m_h)
            CloseHandle(m_h);
        m_h = nullptr;
    }
    HANDLE Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }

private:
    HANDLE m_h = nullptr;
};

// A GDI object (pen, palette, brush) deleted on destruction.
template <typename T>
class ScopedGdiObject {
public:
    ScopedGdiObject() = default;
    explicit ScopedGdiObject(T obj) : m_obj(obj) {}
    ~ScopedGdiObject() { Reset(nullptr); }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    void Reset(T obj)
    {
        if (m_obj)
            DeleteObject(m_obj);
        m_obj = obj;
    }
    T Get() const { return m_obj; }
    explicit operator bool() const { return m_obj != nullptr; }

private:
    T m_obj = nullptr;
};

// Selects a GDI object into a DC and restores the previous one.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? SelectObject(dc, obj) : nullptr) {}
    ~ScopedSelect()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Selects and realises a palette in a DC, and puts the previous one back.
class ScopedPalette {
public:
    ScopedPalette(HDC dc, HPALETTE palette) : m_dc(dc)
    {
        if (palette) {
            m_old = SelectPalette(dc, palette, FALSE);
            RealizePalette(dc);
        }
    }
    ~ScopedPalette()
    {
        if (m_old)
            SelectPalette(m_dc, m_old, TRUE);
    }
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

private:
    HDC m_dc;
    HPALETTE m_old = nullptr;
};

// A window's client DC, released on destruction.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~WindowDC()
    {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// A critical section that is deleted only when it was initialised.
class CriticalSection {
public:
    CriticalSection() = default;
    ~CriticalSection()
    {
        if (m_initialised)
            DeleteCriticalSection(&m_cs);
    }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Initialise()
    {
        if (!m_initialised) {
            InitializeCriticalSection(&m_cs);
            m_initialised = true;
        }
    }
    bool Initialised() const { return m_initialised; }
    void Enter() { EnterCriticalSection(&m_cs); }
    void Leave() { LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
    bool m_initialised = false;
};

// Holds a critical section for one scope.
class CriticalSectionLock {
public:
    explicit CriticalSectionLock(CriticalSection& cs) : m_cs(cs) { m_cs.Enter(); }
    ~CriticalSectionLock() { m_cs.Leave(); }
    CriticalSectionLock(const CriticalSectionLock&) = delete;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

private:
    CriticalSection& m_cs;
};
