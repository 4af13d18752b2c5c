// Records the message boxes shown on this thread and answers each with a
// scripted button, through a WH_CBT hook: the boxes are real windows.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

struct RecordedBox {
    std::string caption;
    std::string text;  // a message box's text
    bool owned = false;
    std::vector<int> visibleControls; // ids of the visible child controls
    bool Shows(int id) const;
};

class MessageBoxRecorder {
public:
    // Boxes beyond the scripted answers are answered with `fallback` (IDOK,
    // IDCANCEL, IDYES, IDNO...).
    explicit MessageBoxRecorder(int fallback = IDOK);
    ~MessageBoxRecorder();

    void Answer(int button) { m_answers.push_back(button); }

    // Also records and answers the module's own dialogs that have a control
    // with this id (message boxes are always answered).
    void AlsoAnswerDialogsWith(int controlId) { m_dialogControls.push_back(controlId); }
    const std::vector<RecordedBox>& Boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND box);
    static void CALLBACK OnSettled(HWND, UINT, UINT_PTR timer, DWORD);
    void Record(HWND box);
    bool IsAnswered(HWND window) const;

    HHOOK m_hook = nullptr;
    int m_fallback;
    std::deque<int> m_answers;
    std::vector<int> m_dialogControls;
    std::vector<RecordedBox> m_boxes;
};
