// DevListReceiver.h: IDevListReceiver, what the view needs of the window that
// shows the emulator's device list (the device-list bar): it takes each
// finished list, learns the lists' format, and names its window for the
// view's messages. The view
// knows the bar only through this, so the session library does not depend on
// the devices library, which depends on it.
#pragma once

#include <windows.h>

#include <memory>

class CDevListMap;

class IDevListReceiver {
public:
    // Takes a finished list (the emulator's standard-error reader calls it).
    virtual void QueueFinishedList(std::unique_ptr<CDevListMap> pList) = 0;
    // The receiver's window, null while it has none.
    virtual HWND GetDevListWnd() const = 0;
    // The emulator reports its lists in the newer format (GUI thread).
    virtual void SetNewFormatDevList(bool bNewFormat) = 0;

protected:
    ~IDevListReceiver() = default;
};
