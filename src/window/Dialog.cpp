#include "window/Dialog.h"

namespace grinsmith {

INT_PTR Dialog::runModal(int templateId, HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                           &Dialog::dialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // Messages before this one (WM_SETFONT) find no object and get the default processing.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (dialog == nullptr) {
        return FALSE;
    }
    // An exception must not unwind through the system's code that called us.
    try {
        return dialog->dispatch(hwnd, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Dialog::dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        m_hwnd = hwnd;
    }
    LRESULT result = 0;
    const bool handled = ProcessWindowMessage(hwnd, message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
    }
    if (!handled) {
        return FALSE;
    }
    // WM_INITDIALOG answers with its result itself; every other message through DWLP_MSGRESULT.
    if (message == WM_INITDIALOG) {
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace grinsmith
