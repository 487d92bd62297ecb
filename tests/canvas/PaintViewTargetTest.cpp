// A new picture's view takes the keys and menu commands at once, before any click.

#include "PaintViewTestSupport.h"

using namespace paint_view_test;

namespace {

TEST_F(PaintViewTest, ANewViewBecomesTheTarget) {
    LCommander::SwitchTarget(root.get());
    CPaintWindow fresh(nullptr, root.get());
    EXPECT_EQ(LCommander::GetTarget(), &fresh);
}

} // namespace
