#pragma once

#include <windows.h>

namespace grinsmith {

// A modal dialog made from a template of the program's own module. One dialog procedure serves
// every dialog: it finds the object behind the window and lets its message map answer.
class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    // The window keeps the object's address, so the object stays where it is.
    Dialog(Dialog&&) = delete;
    Dialog& operator=(Dialog&&) = delete;
    virtual ~Dialog() = default;

    // Runs the dialog until endDialog; the value passed there, or -1 when the window can't be
    // created.
    INT_PTR runModal(int templateId, HWND owner);

    HWND handle() const noexcept { return m_hwnd; }

protected:
    // The message map: true when the message was handled, with its result in `result`.
    virtual bool ProcessWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) = 0;

    void endDialog(INT_PTR result) const { EndDialog(m_hwnd, result); }

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};

}  // namespace grinsmith
