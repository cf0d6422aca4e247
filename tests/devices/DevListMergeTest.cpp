// DevListMergeTest.cpp: full and incremental device lists applied to the
// shown devices.
#include <gtest/gtest.h>

#include "devices/DevListMerge.h"

namespace {

CDevListEntry Entry(const char* pszDevnum, const char* pszType, const char* pszStatus, const char* pszRest,
                    char chAction = 0, char chLcss = '0')
{
    CDevListEntry e;
    e.SetFromStatusFields(chLcss, pszDevnum, pszType, "DASD", pszStatus, pszRest, chAction);
    return e;
}

void Put(CDevListEntryMap& map, const CDevListEntry& e) { map.SetAt(e.GetKey(), e); }

CDevListEntry Shown(const CDevListEntryMap& map, int nKey)
{
    CDevListEntry e;
    EXPECT_TRUE(map.Lookup(nKey, e)) << std::hex << nKey;
    return e;
}

TEST(MergeDevList, FullListFillsAnEmptyTree)
{
    CDevListEntryMap shown;
    CDevListMap list(0);
    Put(list, Entry("0120", "3390", "0000", "a.cckd"));
    Put(list, Entry("0121", "3390", "1000", "b.cckd", 0, '1'));
    auto steps = MergeDevList(shown, list);
    ASSERT_EQ(2u, steps.size());
    EXPECT_EQ(kDevListAdd, steps[0].eStep);
    EXPECT_EQ(0x120, steps[0].nKey);
    EXPECT_EQ(0x10121, steps[1].nKey);
    EXPECT_EQ(2, shown.GetCount());
}

TEST(MergeDevList, FullListRemovesMissingAndUpdatesChanged)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    Put(shown, Entry("0121", "3390", "0000", "b"));
    Put(shown, Entry("0122", "3390", "0000", "c"));
    CDevListEntry traced = Entry("0121", "3390", "0000", "b");
    traced.m_bCCWTrace = 1;
    Put(shown, traced);
    CDevListMap list(0);
    Put(list, Entry("0121", "3390", "1000", "b"));   // state changed
    Put(list, Entry("0122", "3390", "0000", "c"));   // same: skipped
    Put(list, Entry("0123", "3390", "0000", "d"));   // new
    auto steps = MergeDevList(shown, list);
    ASSERT_EQ(3u, steps.size());
    EXPECT_EQ(kDevListRemove, steps[0].eStep);
    EXPECT_EQ(0x120, steps[0].nKey);
    EXPECT_EQ(kDevListUpdate, steps[1].eStep);
    EXPECT_EQ(0x121, steps[1].nKey);
    EXPECT_EQ(1, steps[1].entry.m_bCCWTrace);  // the bar's flag survives
    EXPECT_EQ(kDevListAdd, steps[2].eStep);
    EXPECT_EQ(0x123, steps[2].nKey);
    EXPECT_EQ(1, Shown(shown, 0x121).m_bCCWTrace);
    EXPECT_EQ(kDevListOpened, Shown(shown, 0x121).m_wState);
}

TEST(MergeDevList, FullListUpdatesOnDescriptionOnly)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    CDevListMap list(0);
    Put(list, Entry("0120", "3390", "0000", "new.cckd"));
    auto steps = MergeDevList(shown, list);
    ASSERT_EQ(1u, steps.size());
    EXPECT_EQ(kDevListUpdate, steps[0].eStep);
    EXPECT_STREQ("new.cckd", Shown(shown, 0x120).m_strDesc);
}

TEST(MergeDevList, EmptyFullListEmptiesTheTree)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    Put(shown, Entry("0121", "3390", "0000", "b"));
    CDevListMap list(0);
    EXPECT_EQ(2u, MergeDevList(shown, list).size());
    EXPECT_TRUE(shown.IsEmpty());
}

TEST(MergeDevList, IncrementalAddOfTheSameTypeLeavesTheItem)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    CDevListMap list(1);
    Put(list, Entry("0120", "3390", "1000", "other", 'A'));
    EXPECT_TRUE(MergeDevList(shown, list).empty());
    EXPECT_STREQ("a", Shown(shown, 0x120).m_strDesc);
}

TEST(MergeDevList, IncrementalAddOfAnotherTypeReplacesTheItem)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    CDevListMap list(1);
    Put(list, Entry("0120", "3380", "0000", "b", 'A'));
    auto steps = MergeDevList(shown, list);
    ASSERT_EQ(2u, steps.size());
    EXPECT_EQ(kDevListRemove, steps[0].eStep);
    EXPECT_EQ(kDevListAdd, steps[1].eStep);
    EXPECT_STREQ("3380", Shown(shown, 0x120).m_strDevType);
}

TEST(MergeDevList, IncrementalDeleteRemovesOnlyShownDevices)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    CDevListMap list(1);
    Put(list, Entry("0120", "", "", "", 'D'));
    Put(list, Entry("0999", "", "", "", 'D'));  // never shown: nothing
    auto steps = MergeDevList(shown, list);
    ASSERT_EQ(1u, steps.size());
    EXPECT_EQ(kDevListRemove, steps[0].eStep);
    EXPECT_TRUE(shown.IsEmpty());
}

TEST(MergeDevList, IncrementalChangeOfAnUnshownDeviceAddsIt)
{
    CDevListEntryMap shown;
    CDevListMap list(1);
    Put(list, Entry("0130", "3420", "0000", "t", 'C'));
    auto steps = MergeDevList(shown, list);
    ASSERT_EQ(1u, steps.size());
    EXPECT_EQ(kDevListAdd, steps[0].eStep);
}

TEST(MergeDevList, IncrementalChangeComparesAllButTheClassWord)
{
    CDevListEntryMap shown;
    Put(shown, Entry("0120", "3390", "0000", "a"));
    CDevListMap same(1);
    CDevListEntry e = Entry("0120", "3390", "0000", "a", 'C');
    e.m_strClass = "OTHR";
    Put(same, e);
    EXPECT_TRUE(MergeDevList(shown, same).empty());

    const CDevListEntry changes[] = {Entry("0120", "3390", "0100", "a", 'C'), Entry("0120", "3390", "0000", "b", 'C'),
                                     Entry("0120", "3380", "0000", "a", 'C')};
    for (const CDevListEntry& c : changes) {
        CDevListMap list(1);
        Put(list, c);
        auto steps = MergeDevList(shown, list);
        ASSERT_EQ(1u, steps.size());
        EXPECT_EQ(kDevListUpdate, steps[0].eStep);
    }
}

TEST(MergeDevList, IncrementalUpdateKeepsTheTraceFlag)
{
    CDevListEntryMap shown;
    CDevListEntry traced = Entry("0120", "3390", "0000", "a");
    traced.m_bCCWTrace = 1;
    Put(shown, traced);
    CDevListMap list(1);
    Put(list, Entry("0120", "3390", "0010", "a", 'C'));
    MergeDevList(shown, list);
    EXPECT_EQ(1, Shown(shown, 0x120).m_bCCWTrace);
    EXPECT_EQ(0x2000 | kDevListIntPending, Shown(shown, 0x120).m_wState);
}

TEST(MergeDevList, SysgIsKeyedByItsChannelSubsystem)
{
    CDevListEntryMap shown;
    CDevListMap list(0);
    Put(list, Entry("SYSG", "SYSG", "0000", "", 0, '2'));
    MergeDevList(shown, list);
    EXPECT_TRUE(Shown(shown, 0x20000).IsSysg());
}

}  // namespace

// An incremental list merged against the shown devices it names takes the
// steps it takes against all of them: added (same and other type), changed,
// deleted, shown or not; the devices it does not name are not looked at.
TEST(MergeDevList, IncrementalListNeedsOnlyTheShownDevicesItNames)
{
    CDevListEntryMap shown;
    for (const char* psz : {"0120", "0121", "0122", "0123", "0124"})
        Put(shown, Entry(psz, "3390", "0000", "a.cckd"));
    CDevListMap list(1);
    for (const CDevListEntry& e : {Entry("0120", "3390", "1000", "a.cckd", 'A'), Entry("0121", "3380", "0000", "b", 'A'),
                                   Entry("0122", "3390", "0100", "c.cckd", 'C'), Entry("0130", "3390", "0000", "d", 'C'),
                                   Entry("0123", "", "", "", 'D'), Entry("0131", "", "", "", 'D')})
        Put(list, e);
    CDevListEntryMap named = ShownDevicesOfList(shown, list);
    EXPECT_EQ(4, named.GetCount());
    std::vector<SDevListStep> fromNamed = MergeDevList(named, list), fromAll = MergeDevList(shown, list);
    ASSERT_EQ(fromAll.size(), fromNamed.size());
    for (size_t i = 0; i < fromAll.size(); ++i) {
        EXPECT_EQ(fromAll[i].eStep, fromNamed[i].eStep) << i;
        EXPECT_EQ(fromAll[i].nKey, fromNamed[i].nKey) << i;
        EXPECT_EQ(fromAll[i].entry.m_strDesc, fromNamed[i].entry.m_strDesc) << i;
    }
    EXPECT_EQ(5, ShownDevicesOfList(shown, CDevListMap(0)).GetCount());
}
