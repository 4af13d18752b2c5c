// Base of the module's dialogs, without a framework: one static dialog
// procedure finds the object through DWLP_USER and hands each message to the
// virtual HandleMessage. The pointer is cleared while the window is being
// destroyed (after WM_DESTROY has been handled), so no later message reaches
// an object that is being torn down.
#pragma once

#include <windows.h>

class CDialogBase {
public:
    virtual ~CDialogBase();
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    // The dialog window; null before WM_INITDIALOG and once it is destroyed.
    HWND Window() const { return m_hwnd; }

protected:
    CDialogBase() = default;

    // Creates the modeless dialog from template `templateId` of this module.
    HWND CreateModeless(int templateId, HWND parent);
    // Runs the modal dialog; gives EndDialog's result, -1 when it could not
    // be shown.
    INT_PTR RunModal(int templateId, HWND parent);

    // One message; give TRUE when handled (with any result for the sender
    // set through SetMessageResult), FALSE for the default handling.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The value SendMessage gives back for the message being handled.
    void SetMessageResult(LRESULT result);

    // Makes the dialog topmost unless the foreground window belongs to this
    // process (an absent foreground window counts as another process).
    void ApplyTopmostRule();
    // Centres the dialog over its owner, or over the work area without one.
    void Centre();

    HWND m_hwnd = nullptr;

    // Hands one message to the object attached to the window; at
    // WM_INITDIALOG, `created` is the object to attach (its dialog
    // procedure knows where the creator put it).
    static INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CDialogBase* created);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
