// What a container asks of the control's view before and while it draws it:
// OLE's own OleDraw gives the window's picture, the view status lets the
// container skip erasing behind it, and hit tests answer on its rectangle.
#include <gtest/gtest.h>

#include "test_container.h"

namespace mltest {
namespace {

TEST(View, OleDrawGivesWhatTheWindowShows) {
    HostedControl host;
    ASSERT_TRUE(host.ok()) << host.failure();
    ASSERT_TRUE(Fill(host.dispatch(), L"No.,Title", L"40,120", {L"1,one", L"2,two", L"3,three"}));
    Put(host.dispatch(), L"ListIndex", Var::I2(1));
    Put(host.dispatch(), L"PlayIndex", Var::I2(2));
    // Columns show their captions from the next paint on.
    RedrawWindow(host.controlWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<COLORREF> screen = ScreenPicture(host.controlWindow());

    PixelBuffer drawn(202, 151);
    RECT bounds = {0, 0, 202, 151};
    ASSERT_EQ(OleDraw(host.control(), DVASPECT_CONTENT, drawn.dc(), &bounds), S_OK);
    ASSERT_EQ(screen.size(), 202u * 151u);
    int differing = 0;
    for (int y = 0; y < 151; ++y)
        for (int x = 0; x < 202; ++x) differing += drawn.At(x, y) != screen[y * 202 + x];
    EXPECT_EQ(differing, 0);
}

TEST(View, AnswersHitTestsAndStatusOnItsRectangle) {
    ComPtr<IViewObjectEx> view = NewControl().As<IViewObjectEx>(IID_IViewObjectEx);
    ASSERT_TRUE(view);
    DWORD status = 0;
    ASSERT_EQ(view->GetViewStatus(&status), S_OK);
    EXPECT_EQ(status & (VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND), DWORD(VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND));

    const RECT bounds = {10, 20, 110, 70};
    struct Case {
        const char* what;
        RECT probe;  // a point when empty
        DWORD hit;
    } cases[] = {
        {"top left corner", {10, 20, 10, 20}, HITRESULT_HIT},
        {"middle", {60, 45, 60, 45}, HITRESULT_HIT},
        {"right edge (outside)", {110, 45, 110, 45}, HITRESULT_OUTSIDE},
        {"above", {60, 5, 60, 5}, HITRESULT_OUTSIDE},
        {"rectangle overlapping the bottom", {50, 60, 80, 90}, HITRESULT_HIT},
        {"rectangle beside it", {120, 20, 150, 70}, HITRESULT_OUTSIDE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DWORD hit = 99;
        if (IsRectEmpty(&c.probe)) {
            const POINT pt = {c.probe.left, c.probe.top};
            ASSERT_EQ(view->QueryHitPoint(DVASPECT_CONTENT, &bounds, pt, 0, &hit), S_OK);
        } else {
            ASSERT_EQ(view->QueryHitRect(DVASPECT_CONTENT, &bounds, &c.probe, 0, &hit), S_OK);
        }
        EXPECT_EQ(hit, c.hit);
    }
    DWORD hit = 0;
    EXPECT_EQ(view->QueryHitPoint(DVASPECT_ICON, &bounds, POINT{60, 45}, 0, &hit), DV_E_DVASPECT);

    // The opaque part is the whole extent.
    SIZEL extent = {};
    RECTL opaque = {};
    ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &extent), S_OK);
    ASSERT_EQ(view->GetRect(DVASPECT_OPAQUE, &opaque), S_OK);
    EXPECT_EQ(opaque.right - opaque.left, extent.cx);
    EXPECT_EQ(opaque.bottom - opaque.top, extent.cy);
}

}  // namespace
}  // namespace mltest
