// DevicesPageRules.h: the rules of the Devices page, window-free: the device
// number proposed for an addition, where a device's line goes in the list,
// the emulator commands the page queues and when they are sent, its context
// menu's state, and the page's answers to the device dialogs' questions
// over the edited configuration's devices.
#pragma once

#include <functional>
#include <vector>

#include "config/CDevMap.h"
#include "devices/CIsDevNumDefinedFuncRouterObject.h"
#include "platform/CString.h"
#include "platform/Types.h"

class CVornConfigFile;

// The key proposed for a device of class wClass added after the class's
// prototype (key dwPrototype): the prototype's number + 1 (the next even
// one with bEven) when free; otherwise the first free key above the highest
// device of the class above the prototype (from 1 when there is none),
// skipping odd keys with bEven. The search stays within the channel
// subsystem and wraps around once. False when no key is free.
bool NextFreeDevNum(const CVornConfigFile& cfg, DWORD dwPrototype, WORD wClass, bool bEven, DWORD& dwKey);

// Where the line of device dev goes among the list's lines (keys in list
// order, each looked up in devices): before the first line of a higher
// class, or of the same class with a higher key; at the end when none.
int DeviceLineInsertIndex(const std::vector<DWORD>& lineKeys, const CDevMap& devices, const CVornDevice& dev);
// The line holding dwKey, -1 when none.
int DeviceLineIndexOfKey(const std::vector<DWORD>& lineKeys, DWORD dwKey);

// "detach %s" with the device number as FormatDevnum writes it.
CString DetachCommand(DWORD dwKey);
// The line selected after the lines up to nHighestRemoved were removed:
// that position, or the last line when it is past the end (-1: no line).
int SelectionAfterRemoval(int nHighestRemoved, int nLinesLeft);
// The load unit's text of a device key: its device number, "%04.4X" (the
// channel subsystem is dropped).
CString LoadUnitOfKey(DWORD dwKey);

// The emulator commands of the page's additions, edits and removals, in
// the order queued. They go out only while the emulator runs; until then
// they are kept (and dropped with the dialog).
class CPendingDeviceCommands {
public:
    void Append(const CString& strCommand);
    // Sends every command in order and empties the list when bRunning;
    // otherwise keeps them. Empty commands are not sent.
    void Flush(bool bRunning, const std::function<void(const CString&)>& send);
    const std::vector<CString>& Commands() const { return m_commands; }

private:
    std::vector<CString> m_commands;
};

// The context menu: Edit... and Properties... need a context line; Set
// Load Unit is greyed without one, and greyed and checked when the line's
// device number already is the load unit (pwLoadUnit null: none is set).
struct DevicesMenuState {
    bool bEditEnabled;
    bool bLoadUnitEnabled;
    bool bLoadUnitChecked;
};
DevicesMenuState DevicesContextMenuState(bool bHasContextLine, DWORD dwLineKey, const WORD* pwLoadUnit);

// The page's answers to a device dialog, over the edited configuration's
// devices (the map is read when asked, so it follows every change).
class CDevMapRouter : public CIsDevNumDefinedFuncRouterObject {
public:
    explicit CDevMapRouter(const CDevMap& devices) : m_devices(devices) {}
    bool IsDevNumDefined(DWORD dwKey) override;
    // The first device with the SYSG flag, by key.
    bool IsSysgDefined(DWORD* pdwKey) override;
    // A device's file equal to this one once both are standardized,
    // compared without regard to case; false for an empty name.
    bool IsFileInUse(const CString& strFileName) override;

private:
    const CDevMap& m_devices;
};
