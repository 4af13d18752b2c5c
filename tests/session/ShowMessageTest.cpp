// The message-box rule: owned and plain when our process has the foreground,
// topmost otherwise. The boxes are real and answered by a hook.
#include <gtest/gtest.h>

#include "MessageBoxRecorder.h"
#include "session/ShowMessage.h"

namespace {

HWND MakeWindow()
{
    HWND w = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(w);
    return w;
}

TEST(ShowMessage, TopmostUnlessOwnedInTheForegroundProcess)
{
    EXPECT_EQ(MessageBoxStyle(false, false, MB_OK), UINT(MB_OK | MB_TOPMOST));
    EXPECT_EQ(MessageBoxStyle(false, true, MB_YESNO), UINT(MB_YESNO | MB_TOPMOST));
    EXPECT_EQ(MessageBoxStyle(true, false, MB_YESNO), UINT(MB_YESNO | MB_TOPMOST));
    EXPECT_EQ(MessageBoxStyle(true, true, MB_YESNO | MB_ICONQUESTION), UINT(MB_YESNO | MB_ICONQUESTION));
}

TEST(ShowMessage, BoxWithoutOwnerShowsCaptionAndText)
{
    MessageBoxRecorder rec(IDOK);
    EXPECT_EQ(ShowMessage(nullptr, "No owner", kMessageCaption, MB_OK), IDOK);
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_EQ(rec.Boxes()[0].caption, "Tarvex 380");
    EXPECT_EQ(rec.Boxes()[0].text, "No owner");
    EXPECT_FALSE(rec.Boxes()[0].owned);
}

TEST(ShowMessage, BoxWithAnOwnerIsOwned)
{
    HWND owner = MakeWindow();
    MessageBoxRecorder rec(IDNO);
    EXPECT_EQ(ShowMessage(owner, "Continue?", kMessageCaption, MB_YESNO), IDNO);
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_TRUE(rec.Boxes()[0].owned);
    DestroyWindow(owner);
}

TEST(ShowMessage, AnswersComeBackInOrder)
{
    MessageBoxRecorder rec(IDCANCEL);
    rec.Answer(IDYES);
    rec.Answer(IDNO);
    EXPECT_EQ(ShowMessage(nullptr, "one", kMessageCaption, MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(ShowMessage(nullptr, "two", kMessageCaption, MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(ShowMessage(nullptr, "three", kMessageCaption, MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(rec.Boxes().size(), 3u);
}

} // namespace
