// CObjectTest.cpp: run-time class information and dynamic creation.
#include <gtest/gtest.h>

#include "platform/Afx.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

}  // namespace

TEST(CObject, IsKindOfFollowsTheBaseChain)
{
    CCircle c;
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(c.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_STREQ(c.GetRuntimeClass()->m_lpszClassName, "CCircle");
    CDialog dlg;
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
}

TEST(CObject, DynamicCreationMakesOnlyDynCreateClasses)
{
    CObject* p = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(p, nullptr);
    CCircle* pc = DYNAMIC_DOWNCAST(CCircle, p);
    ASSERT_NE(pc, nullptr);
    EXPECT_EQ(pc->radius, 7);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CWnd, p), nullptr);
    delete p;
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
}
