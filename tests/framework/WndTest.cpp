// Attaching objects to windows: subclassing with its hook, creation,
// detaching at the window's end, and run-time class information.
#include <gtest/gtest.h>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Wnd.h"

namespace {

constexpr UINT UM_PING = WM_USER + 60;

class SubclassProbe : public CWnd {
public:
    HWND seenAtHook = nullptr;
    WNDPROC procAtHook = nullptr;
    int pings = 0;
    int createsSeen = 0;
    bool postNcDestroyRan = false;

protected:
    void PreSubclassWindow() override {
        seenAtHook = m_hWnd;
        procAtHook = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    }
    void PostNcDestroy() override { postNcDestroyRan = true; }
    LRESULT OnPing(WPARAM, LPARAM) { return ++pings; }
    int OnCreate(LPCREATESTRUCTA p) {
        ++createsSeen;
        return CWnd::OnCreate(p);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SubclassProbe, CWnd)
    MapMsg<UM_PING, &ThisClass::OnPing>(),
    MapMsg<WM_CREATE, &ThisClass::OnCreate>(),
END_MESSAGE_MAP()

HWND MakeStatic() {
    return ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}

TEST(WndTest, SubclassRunsTheHookFirstThenRoutesAndGivesTheWindowBack) {
    HWND h = MakeStatic();
    ASSERT_TRUE(h);
    LONG_PTR original = ::GetWindowLongPtrA(h, GWLP_WNDPROC);
    {
        SubclassProbe probe;
        ASSERT_TRUE(probe.SubclassWindow(h));
        EXPECT_EQ(probe.seenAtHook, h);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(probe.procAtHook), original);  // not yet subclassed
        EXPECT_EQ(CWnd::FromHandlePermanent(h), &probe);
        EXPECT_EQ(::SendMessageA(h, UM_PING, 0, 0), 1);
        // A second object can't take the same window.
        SubclassProbe other;
        EXPECT_FALSE(other.SubclassWindow(h));
        // The object's end hands the window back to its own procedure.
    }
    EXPECT_EQ(::GetWindowLongPtrA(h, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    EXPECT_TRUE(::IsWindow(h));  // not destroyed: the object did not create it
    ::DestroyWindow(h);
}

TEST(WndTest, CreatedWindowIsAttachedBeforeItsFirstMessagesAndDetachedAtItsEnd) {
    SubclassProbe probe;
    ASSERT_TRUE(probe.CreateEx(0, nullptr, "made", WS_POPUP, RECT{0, 0, 40, 40}, nullptr, 0));
    HWND h = probe.m_hWnd;
    EXPECT_EQ(probe.createsSeen, 1);
    EXPECT_EQ(probe.seenAtHook, h);
    ::DestroyWindow(h);
    EXPECT_TRUE(probe.postNcDestroyRan);
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST(WndTest, ObjectThatCreatedItsWindowDestroysIt) {
    HWND h;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "mine", WS_POPUP, RECT{0, 0, 40, 40}, nullptr, 0));
        h = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(h));
}

TEST(RuntimeClassTest, ClassesAreCreatedByNameAndKnowTheirBases) {
    const CRuntimeClass* pButton = CRuntimeClass::FromName("CButton");
    ASSERT_NE(pButton, nullptr);
    EXPECT_EQ(pButton, RUNTIME_CLASS(CButton));
    EXPECT_EQ(pButton->m_pBaseClass, RUNTIME_CLASS(CWnd));
    CObject* p = CRuntimeClass::CreateObject("CButton");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(p->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_NE(dynamic_cast<CButton*>(p), nullptr);
    delete p;
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CObject"), nullptr);  // not creatable
}

}  // namespace
