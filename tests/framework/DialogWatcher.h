// Watches the dialogs that the system opens on this thread (message boxes,
// the folder browser), records what they show and answers them, so a test
// that meets one never hangs. Installed for the lifetime of the object.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SeenDialog {
    std::string caption;
    std::vector<std::string> texts;  // every static text, in child order
    std::string icon;                // "error", "information", "warning", "question" or ""
    HWND owner = nullptr;

    // The message text of a message box: the longest static text.
    std::string MessageText() const;
    bool HasText(const std::string& text) const;
};

class DialogWatcher {
public:
    // answer: the command posted to each dialog once it is active.
    explicit DialogWatcher(int answer = IDCANCEL);
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher();

    void SetAnswer(int answer) { m_answer = answer; }
    const std::vector<SeenDialog>& Seen() const { return m_seen; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hDialog);

    HHOOK m_hHook = nullptr;
    int m_answer;
    std::vector<SeenDialog> m_seen;
    std::vector<HWND> m_answered;
};
