#pragma once

#include <windows.h>

#include <string_view>

#include "window/Dialog.h"

namespace grinsmith {

// The program's one window: the set header, the entry list and the commands that act on them.
class MainDialog : public Dialog {
public:
    // Runs the window until it is closed; 1, or -1 when it can't be created.
    INT_PTR run(HWND owner);

protected:
    bool ProcessWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result) override;

private:
    // The command rows of the message map, by command id.
    bool processCommand(WORD commandId, LRESULT& result);

    LRESULT OnInitDialog();
    void OnDestroy();
    void OnCloseCommand();
    LRESULT OnGenerate();
    LRESULT OnChooseImage();
    LRESULT OnAddEntry();
    LRESULT OnRemoveEntry();

    // Whether closing now would drop rows no successful generation has written, and the user
    // agrees to that.
    bool mayClose() const;
    void showMessage(std::u16string_view text) const;

    HWND m_entryListView = nullptr;
    HWND m_imagePathLabel = nullptr;
    HWND m_icaseCheck = nullptr;
    // Rows were added or removed since the last generation that ended in success.
    bool m_ungeneratedChanges = false;
};

}  // namespace grinsmith
