// StandardHelpStringsTest.cpp: VornGUI.exe carries the help routing's own
// texts and every standard balloon text that windows register, each with
// its body and the title the balloon shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/HelpKeys.h"
#include "tests/resources/ProgramResources.h"

namespace {

struct TitledString {
    UINT nId;
    const char* pszTitle;
};

const TitledString kTitles[] = {
    {30104, "Title Bar"},
    {30110, "'OK' Button"},       {30111, "'Cancel' Button"},   {30112, "'Help' Button"},
    {30113, "'Apply' Button"},    {30114, "'Next' Button"},     {30115, "'Back' Button"},
    {30116, "'Finish' Button"},   {30130, "'Tab' Control"},     {30131, "Toolbar"},
    {30132, "Status Bar"},        {30133, "Preview Bar"},       {30134, "Docking Toolbar Area"},
    {30135, "Window Pane"},       {30140, "EXT"},               {30141, "CAPS"},
    {30142, "NUM"},               {30143, "SCRL"},              {30144, "INS or OVR"},
    {30145, "REC"},               {30146, "KANA"},              {30150, "Size Box"},
    {30151, "Title Bar"},         {30152, "Size Box"},          {30153, "Horizontal Scroll Bar"},
    {30154, "Vertical Scroll Bar"}, {30155, "Minimize Button"}, {30156, "Maximize Button"},
    {30157, "Close Button"},      {30158, "Context Help Button"}, {30170, "Left"},
    {30171, "Right"},             {30172, "Top"},               {30173, "Top Left"},
    {30174, "Top Right"},         {30175, "Bottom"},            {30176, "Bottom Left"},
    {30177, "Bottom Right"},      {30178, "Border"},            {30190, "Help Button"},
    {30191, "Close Button"},      {30192, "Context Help Button"},
};

}  // namespace

TEST(StandardHelpStrings, EveryStandardBalloonHasItsBodyAndTitle)
{
    vorntest::ProgramResources program;
    ASSERT_NE(program.Module(), nullptr) << "VornGUI.exe beside the test";
    for (const TitledString& t : kTitles) {
        CString strBody, strTitle;
        SplitBalloonText(program.String(t.nId).c_str(), strBody, strTitle);
        EXPECT_EQ(std::string(strTitle), t.pszTitle) << t.nId;
        EXPECT_GT(strBody.GetLength(), 10) << t.nId;
    }
    // Every string the standard table registers is among them.
    size_t n = 0;
    const StandardHelpString* p = StandardHelpStrings(n);
    for (size_t i = 0; i < n; ++i)
        EXPECT_TRUE(std::any_of(std::begin(kTitles), std::end(kTitles),
                                [&](const TitledString& t) { return t.nId == p[i].nStringId; }))
            << p[i].nStringId;
    EXPECT_EQ(program.String(kIdsWhatsThisTitle), "What's This? Help");
    EXPECT_EQ(program.String(kIdsHelpUnavailable), "Help Unavailable");
    EXPECT_EQ(program.String(kIdsNoBalloonDefined),
              "There is no popup balloon help defined for control #%d.\n\n"
              "Please choose another control or press F1 for context Help.");
    EXPECT_EQ(program.String(kIdsTitleBarFallback),
              "This is the window's title bar. Drag the title bar to move the window.\nTitle Bar");
}
