// DynDevListDlgBarFill.cpp: the device-list bar's queue of finished lists
// and how they reach the tree. A long list (thousands of devices at
// power-on) is shown in steps of a few hundred changes, one message each,
// with the tree's redraw off while items come and go; the groups a step
// added to are sorted at its end, so that the tree stands in device-number
// order whenever it can be seen or clicked. Lists that come meanwhile wait
// their turn; a full list makes those and the rest of the one being shown
// stale. A change of a device's state alone costs the same whatever the
// number of devices: its entry, and its row when the tree shows it. A long
// list is merged against what is shown in parts, within the steps. The
// devices of a session that has ended leave the tree in steps as well,
// before any list of the next one. A step's time is read from the steady
// clock: GetTickCount moves in steps of up to 16 ms under Wine.
#include "devices/DynDevListDlgBar.h"

#include "devices/DevListText.h"
#include "platform/SteadyClock.h"
#include "session/PrivateMessages.h"

namespace {

// What one step shows: at most this many changes, and no more once this
// long has passed (a changed item costs the tree more than a new one).
const size_t kChangesPerStep = 500;
const DWORD kStepMs = 8;
// A long list is merged against what is shown this many devices at a time,
// within the steps that show its changes.
const size_t kMergePart = 250;
const UINT_PTR kStepTimer = 2;

// A step that waited for the input and the painting before it.
void CALLBACK OnStepTimer(HWND hWnd, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(hWnd, nIDEvent);
    ::SendMessageA(hWnd, WM_DEVLIST_STEP, 0, 0);
}

}  // namespace

// The reader thread's side: a full list makes the lists still queued stale.
void CDynDevListDlgBar::QueueFinishedList(std::unique_ptr<CDevListMap> pList)
{
    ::EnterCriticalSection(&m_csDevList);
    bool bWasEmpty = m_DevListQueue.IsEmpty();
    if (!pList->bIncremental)
        m_DevListQueue.DeleteAll();
    m_DevListQueue.AddTail(pList.release());
    if (bWasEmpty && m_hWnd && ::IsWindow(m_hWnd))
        ::PostMessageA(m_hWnd, WM_DEVLIST_COMPLETE, 0, 0);
    ::LeaveCriticalSection(&m_csDevList);
}

LRESULT CDynDevListDlgBar::OnDevListComplete(WPARAM, LPARAM)
{
    DrainQueue();
    return 0;
}

LRESULT CDynDevListDlgBar::OnDevListStep(WPARAM, LPARAM)
{
    m_bStepDue = false;
    ShowListsStep();
    return 0;
}

// Takes every queued list out under the lock; they are shown without it,
// the first step at once unless one is on its way.
void CDynDevListDlgBar::DrainQueue()
{
    if (!IsEmulatorRunning() || !IsEmulatorReady())
        m_bNewFormatDevList = false;
    CDevListMapPtrList lists;
    ::EnterCriticalSection(&m_csDevList);
    while (!m_DevListQueue.IsEmpty())
        lists.AddTail(m_DevListQueue.RemoveHead());
    ::LeaveCriticalSection(&m_csDevList);
    while (!lists.IsEmpty())
        TakeList(std::unique_ptr<CDevListMap>(lists.RemoveHead()));
    if (!m_bStepDue)
        ShowListsStep();
}

// A full list that will be shown tells all there is: the lists waiting
// before it and the rest of the one being shown are stale.
void CDynDevListDlgBar::TakeList(std::unique_ptr<CDevListMap> pList)
{
    if (IsDroppedList(*pList))
        return;
    if (!pList->bIncremental) {
        EndMerge();
        m_WaitingLists.clear();
        m_Changes.clear();
        m_nNextChange = 0;
        m_bShowingList = false;
    }
    m_WaitingLists.push_back(std::move(pList));
}

// Lists that come while the emulator is not running belong to a session
// that has ended; a full list is stale once the emulator is ready and
// reports incremental ones.
bool CDynDevListDlgBar::IsDroppedList(const CDevListMap& list) const
{
    return !IsEmulatorRunning() || (IsEmulatorReady() && m_bNewFormatDevList && !list.bIncremental);
}

// Takes the items of an ended session off the tree, then shows the changes
// still to come of the list being shown and of the lists after it, as many
// as one step takes, merging each list part by part as its changes are
// shown (a list ends, and the next starts, within the step);
// then sorts the groups added to (which gives the order of inserting one by
// one and sorting after each: the keys are unique) and has the tree
// repainted where it changed. What is left waits for the next step, which
// comes after that painting.
void CDynDevListDlgBar::ShowListsStep()
{
    SStep step;
    size_t nChanges = 0;
    bool bTimed = false;
    DWORD dwStart = 0;
    for (;;) {
        if (m_bShowingList && !m_pMergedList && m_nNextChange == m_Changes.size())
            EndList();
        if (nChanges == kChangesPerStep || (bTimed && SteadyClockMs() - dwStart >= kStepMs))
            break;
        if (!m_KeysToRemove.empty()) {
            m_Tree.Hold();
            RemoveGoingItem(m_KeysToRemove.back());
            m_KeysToRemove.pop_back();
            ++nChanges;
        } else if (m_bShowingList && m_nNextChange < m_Changes.size()) {
            ApplyChange(m_Changes[m_nNextChange++], step);
            ++nChanges;
        } else if (m_bShowingList) {
            MergeListPart();
        } else if (!m_WaitingLists.empty()) {
            StartNextList();
            continue;
        } else {
            break;
        }
        // The time counts from the end of the first change or part of a
        // merge, which may hold the tree: however slow that is, a step
        // shows more than one.
        if (!bTimed) {
            bTimed = true;
            dwStart = SteadyClockMs();
        }
    }
    for (WORD wClass = 0; wClass < DEVCLASS_COUNT; ++wClass)
        if (step.bGroupsAdded[wClass])
            SortGroup(m_hGroups[wClass]);
    EndStepPainting(step);
    if (m_bShowingList || !m_WaitingLists.empty() || !m_KeysToRemove.empty())
        ScheduleStep();
}

// The next waiting list, to be merged against what is shown, which by
// then holds every change of the lists before it. Only the shown devices
// an incremental list names are looked at (a full list names them all),
// gathered in parts as well. A list with devices tells how the emulator
// writes their numbers.
void CDynDevListDlgBar::StartNextList()
{
    std::unique_ptr<CDevListMap> pList = std::move(m_WaitingLists.front());
    m_WaitingLists.pop_front();
    if (IsDroppedList(*pList))
        return;
    if (!pList->IsEmpty())
        m_bListsWithoutLcss = pList->bWithoutLcss;
    m_pMergedList = std::move(pList);
    if (m_pMergedList->bIncremental) {
        m_MergedShown.RemoveAll();
        m_posGathered = m_pMergedList->GetStartPosition();
    } else {
        m_MergedShown = m_DevList;
        m_pMerge = std::make_unique<CDevListMerge>(m_MergedShown, *m_pMergedList);
    }
    m_Changes.clear();
    m_nNextChange = 0;
    m_bShowingList = true;
}

// The next part of the shown devices the list names, or the changes of the
// next part of the list, in the order of the whole list's (those merged
// before are all shown).
void CDynDevListDlgBar::MergeListPart()
{
    if (!m_pMerge) {
        if (GatherShownDevicesOfList(m_DevList, *m_pMergedList, m_posGathered, kMergePart, m_MergedShown))
            m_pMerge = std::make_unique<CDevListMerge>(m_MergedShown, *m_pMergedList);
        return;
    }
    m_Changes.clear();
    m_nNextChange = 0;
    if (m_pMerge->Continue(kMergePart, m_Changes))
        EndMerge();
}

void CDynDevListDlgBar::EndMerge()
{
    m_pMerge.reset();
    m_pMergedList.reset();
    m_MergedShown.RemoveAll();
}

// The list is shown. The first one shown while the emulator is not yet
// ready makes it ready: the commands queued until then go to it.
void CDynDevListDlgBar::EndList()
{
    EndMerge();
    m_bShowingList = false;
    m_Changes.clear();
    m_nNextChange = 0;
    if (IsEmulatorRunning() && !IsEmulatorReady())
        FlushQueuedCommands();
}

// One change as the list has it. The device may have been renamed since the
// list came (its item moved to the new number), and its CCW-trace flag is
// the bar's own. A changed state alone leaves the item as it is: its LED is
// asked for when its row is painted.
void CDynDevListDlgBar::ApplyChange(const SDevListStep& change, SStep& step)
{
    if (change.eStep == kDevListRemove) {
        m_Tree.Hold();
        RemoveDeviceItem(change.nKey);
        return;
    }
    HTREEITEM hItem = FindDeviceItem(change.nKey);
    if (!hItem && change.eStep == kDevListUpdate)
        return;
    CDevListEntry entry = change.entry, shown;
    bool bShown = LookupShown(change.nKey, shown);
    if (bShown)
        entry.m_bCCWTrace = shown.m_bCCWTrace;
    m_DevList.SetAt(change.nKey, entry);
    if (!hItem) {
        // Its row may be where one with its key was before.
        m_Tree.Hold();
        step.bGroupsAdded[AddDeviceItem(change.nKey, entry)] = true;
        step.changedKeys.push_back((DWORD_PTR)change.nKey);
        return;
    }
    // The row's text is the key's, the type's and the description's.
    if (!bShown || shown.m_strDevType != entry.m_strDevType || shown.m_strDesc != entry.m_strDesc) {
        m_Tree.Hold();
        SetDeviceItemText(hItem, change.nKey, entry);
    }
    step.changedKeys.push_back((DWORD_PTR)change.nKey);
}

// A posted message is taken before the input and the painting that wait:
// with either waiting (the tree's own repainting of the step before among
// them), the next step waits for a timer, which comes after them, so that
// the tree is painted between steps and the user can scroll, type and use
// the menus meanwhile.
void CDynDevListDlgBar::ScheduleStep()
{
    if (m_bStepDue)
        return;
    m_bStepDue = true;
    if (LOWORD(::GetQueueStatus(QS_INPUT | QS_PAINT)))
        SetTimer(kStepTimer, USER_TIMER_MINIMUM, OnStepTimer);
    else
        PostMessage(WM_DEVLIST_STEP);
}

// Nothing more is shown (power-off, the bar's end); a step on its way
// finds nothing to do.
void CDynDevListDlgBar::DropListsToShow()
{
    EndMerge();
    m_WaitingLists.clear();
    m_Changes.clear();
    m_nNextChange = 0;
    m_bShowingList = false;
}
