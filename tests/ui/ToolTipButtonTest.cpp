// The tooltip button on a plain button of a test window: its tooltip text,
// the rule for an empty text, hovering and leaving, and the button going
// away before the object.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/ToolTipButton.h"

namespace {

class ButtonHost {
public:
    ButtonHost()
    {
        HINSTANCE self = GetModuleHandleA(nullptr);
        m_parent = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 20, 20, 300, 200, nullptr, nullptr,
                                   self, nullptr);
        CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30, m_parent,
                        reinterpret_cast<HMENU>(200), self, nullptr);
    }
    ~ButtonHost() { DestroyWindow(m_parent); }
    HWND Parent() const { return m_parent; }
    HWND Button() const { return GetDlgItem(m_parent, 200); }

private:
    HWND m_parent = nullptr;
};

std::string TipText(HWND tooltip, HWND button)
{
    char text[256] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = button;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

} // namespace

TEST(ToolTipButton, AttachNeedsTheControl)
{
    ButtonHost host;
    CToolTipButton button;
    EXPECT_FALSE(button.Attach(host.Parent(), 201));
    EXPECT_EQ(button.Window(), nullptr);
    button.SetToolTipText("unattached");
    EXPECT_EQ(button.ToolTip(), nullptr) << "no button, no tooltip";
    ASSERT_TRUE(button.Attach(host.Parent(), 200));
    EXPECT_EQ(button.Window(), host.Button());
}

TEST(ToolTipButton, TextMakesOneToolAndEmptyTextChangesNothing)
{
    ButtonHost host;
    CToolTipButton button;
    ASSERT_TRUE(button.Attach(host.Parent(), 200));
    button.SetToolTipText("");
    EXPECT_EQ(button.ToolTip(), nullptr);

    button.SetToolTipText("300 dpi, Gray.");
    HWND tooltip = button.ToolTip();
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(TipText(tooltip, host.Button()), "300 dpi, Gray.");

    button.SetToolTipText("600 dpi, Color.");
    EXPECT_EQ(button.ToolTip(), tooltip) << "the same tooltip is updated";
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TipText(tooltip, host.Button()), "600 dpi, Color.");

    button.SetToolTipText("");
    EXPECT_EQ(button.ToolTipText(), "600 dpi, Color.");
    EXPECT_EQ(TipText(tooltip, host.Button()), "600 dpi, Color.");
}

TEST(ToolTipButton, HoverAndLeave)
{
    ButtonHost host;
    CToolTipButton button;
    ASSERT_TRUE(button.Attach(host.Parent(), 200));
    button.SetToolTipText("Preset 3");
    SendMessageA(host.Button(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(host.Button(), WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.Hovering());
    ASSERT_NE(button.ToolTip(), nullptr) << "the tooltip is made again on hover";
    EXPECT_EQ(TipText(button.ToolTip(), host.Button()), "Preset 3");
    SendMessageA(host.Button(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.Hovering());
    // The button still works as a button.
    EXPECT_EQ(SendMessageA(host.Button(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST(ToolTipButton, ButtonDestroyedFirstAndObjectDestroyedFirst)
{
    {
        auto* host = new ButtonHost;
        CToolTipButton button;
        ASSERT_TRUE(button.Attach(host->Parent(), 200));
        button.SetToolTipText("gone soon");
        delete host;
        EXPECT_EQ(button.Window(), nullptr);
        EXPECT_FALSE(IsWindow(button.ToolTip())) << "the tooltip is owned by the button and goes with it";
        button.SetToolTipText("after");
    }
    ButtonHost host;
    HWND tooltip = nullptr;
    {
        CToolTipButton button;
        ASSERT_TRUE(button.Attach(host.Parent(), 200));
        button.SetToolTipText("short-lived");
        tooltip = button.ToolTip();
        ASSERT_TRUE(IsWindow(tooltip));
    }
    EXPECT_FALSE(IsWindow(tooltip));
    // The button is no longer subclassed: messages reach it without a fault.
    SendMessageA(host.Button(), WM_MOUSEHOVER, 0, 0);
    EXPECT_TRUE(IsWindow(host.Button()));
}
