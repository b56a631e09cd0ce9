#include <windows.h>

#include "window/ComHolders.h"
#include "window/MainDialog.h"

// The program reads neither its command line nor the requested window state, and always
// reports success.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The item file dialog is a COM object and needs COM on this, the UI thread.
    const grinsmith::ComInitialisation com(COINIT_APARTMENTTHREADED);
    grinsmith::MainDialog dialog;
    dialog.run(GetActiveWindow());
    return 0;
}
