// CPresetButton: one of the five large numbered preset buttons. It draws
// itself (owner-drawn, from its parent's WM_DRAWITEM) and tells its parent
// of a right click with WM_NOTIFY NM_RCLICK.
#pragma once

#include <windows.h>

#include "ui/ToolTipButton.h"

class CPresetButton : public CToolTipButton {
public:
    // Draws the button for its parent's WM_DRAWITEM.
    static void Draw(const DRAWITEMSTRUCT& item);
    // The bold 16-pixel font of the button's number (one for the module).
    static HFONT NumberFont();

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
