// Windows open inside the free area of the screen, and the stepping window beside the enlarged
// graph it steps through.

#include "graph/TLarge.h"
#include "graph/TNextStep.h"
#include "graph/TSuper.h"
#include "platform/WindowPlacement.h"
#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {
namespace {

class WindowsInView : public SpectrumWindowFixture {
 protected:
  static bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
  }
};

TEST_F(WindowsInView, EveryShownWindowIsMovedIntoTheScreenAndTheSteppingWindowStandsBesideTheGraph) {
  const ScreenRect area = FreeAreaNear(&form);
  LoadAndOpen();
  // Placed off the screen, as a place kept from a larger desktop would be.
  TSuper& super = application.Super();
  super.move(area.right() - 100, area.bottom() - 50);
  TLarge& large = application.Large();
  std::vector<ScreenRect> stepping_at;
  platform.on_modal = [&](QWidget& window) { stepping_at.push_back(FrameOf(window)); };
  platform.modal_presses = {"Button5", "Button3"};  // a new overlay shows the overlay window; close
  spect.CBLarge->SetChecked(true);

  ASSERT_EQ(stepping_at.size(), 2u);
  const ScreenRect large_frame = FrameOf(large);
  for (const ScreenRect& stepping : stepping_at) {
    EXPECT_TRUE(LiesInside(stepping, area));
    // Beside the graph where the screen has room for it, else as near as the screen allows.
    if (large_frame.right() + stepping.width <= area.right()) {
      EXPECT_FALSE(Overlap(stepping, large_frame));
    }
  }
  ASSERT_TRUE(super.isVisible());
  EXPECT_TRUE(LiesInside(FrameOf(super), area));
  // Wider than a small screen: its top-left corner stays in view.
  spect.move(area.x - 300, area.y - 200);
  spect.hide();
  spect.show();
  EXPECT_GE(spect.x(), area.x);
  EXPECT_GE(spect.y(), area.y);
  EXPECT_TRUE(spect.x() + spect.width() <= area.right() || spect.x() == area.x);
}

}  // namespace
}  // namespace tremora::testing
