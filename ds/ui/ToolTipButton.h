// CToolTipButton: a button of a dialog that shows its tooltip while the mouse
// rests on it. The button is the template's; the object subclasses it.
#pragma once

#include <windows.h>

#include <string>

class CToolTipButton {
public:
    CToolTipButton() = default;
    virtual ~CToolTipButton();
    CToolTipButton(const CToolTipButton&) = delete;
    CToolTipButton& operator=(const CToolTipButton&) = delete;

    // Takes over control `id` of `dialog`; false when there is no such control.
    bool Attach(HWND dialog, int id);
    HWND Window() const { return m_hwnd; }

    // Sets the tooltip text and activates or deactivates the tooltip; an
    // empty text does nothing (no tooltip is made for it).
    void SetToolTipText(const std::string& text, bool activate = true);
    const std::string& ToolTipText() const { return m_text; }
    // The tooltip control, null until a text was set.
    HWND ToolTip() const { return m_tooltip; }
    bool Hovering() const { return m_hover; }

protected:
    // One message of the button; give true when handled (with `result`).
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    void Detach();
    void Relay(UINT message, WPARAM wParam, LPARAM lParam);
    void DestroyToolTip();

    HWND m_hwnd = nullptr;
    HWND m_tooltip = nullptr;
    std::string m_text;
    bool m_hover = false;
    bool m_tracking = false;
};
