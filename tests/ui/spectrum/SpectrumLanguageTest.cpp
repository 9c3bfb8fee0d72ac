// A change of language while the spectrum window, its enlarged view and the overlay are open:
// the pictures say their texts in the new language and come back pixel for pixel, and nothing the
// windows hold is lost or computed again.

#include <QCoreApplication>

#include "app/Language.h"
#include "graph/TLarge.h"
#include "graph/TSuper.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {
namespace {

class SpectrumLanguage : public SpectrumWindowFixture {
 protected:
  SpectrumLanguage() {
    Canvas::WatchTexts([this](const std::string& text) { drawn.push_back(text); });
  }
  ~SpectrumLanguage() override {
    Canvas::WatchTexts(nullptr);
    RemoveLanguage();
  }

  // Switches and lets every window handle the change; returns the texts the pictures drew.
  std::vector<std::string> Switch(bool english) {
    drawn.clear();
    if (english) {
      EXPECT_TRUE(ApplyLanguage(*qApp, Language::English));
    } else {
      RemoveLanguage();
    }
    QCoreApplication::processEvents();
    return drawn;
  }

  static bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  static size_t CurveCount(const TMyGraph& graph) {
    size_t count = 0;
    for (const GraphFrameShown& frame : graph.Contents().Frames()) count += frame.curves.size();
    return count;
  }

  std::vector<std::string> drawn;
};

TEST_F(SpectrumLanguage, PicturesFollowTheLanguageAndKeepWhatTheyShow) {
  LoadAndOpen();
  const auto computed = std::make_unique<SpectrumSet>(spect.Spectra);
  TLarge& large = application.Large();
  TSuper& super = application.Super();

  // Enlarged view: a new overlay, one spectrum added, then the switch on the third step.
  platform.modal_presses = {"Button5", "Button6", "Button3"};
  int step = 0;
  platform.on_modal = [&](QWidget&) {
    if (step++ != 2) return;
    const QImage enlarged = large.MyGraph1->Picture().copy();
    const QImage overlay = super.MyGraph1->Picture().copy();
    const size_t overlay_curves = CurveCount(*super.MyGraph1);
    ASSERT_EQ(overlay_curves, 10u) << "two spectra of five damping ratios";

    const std::vector<std::string> english = Switch(true);
    EXPECT_TRUE(Has(english, "Period [s]"));
    EXPECT_FALSE(Has(english, "周　期 [s]"));
    EXPECT_EQ(large.MyGraph1->TitleX, "Period [s]");
    EXPECT_EQ(super.MyGraph1->Contents().Frames().front().axes.TitleX, "Period [s]");
    EXPECT_EQ(CurveCount(*super.MyGraph1), overlay_curves);
    EXPECT_NE(large.MyGraph1->Picture(), enlarged);

    const std::vector<std::string> japanese = Switch(false);
    EXPECT_TRUE(Has(japanese, "周　期 [s]"));
    EXPECT_EQ(large.MyGraph1->Picture(), enlarged);
    EXPECT_EQ(super.MyGraph1->Picture(), overlay);
  };
  spect.CBLarge->SetChecked(true);
  platform.on_modal = nullptr;
  ASSERT_EQ(step, 3);

  // The three panels, with the record's component names in the choices.
  const QImage panels = Picture().copy();
  const QStringList components = spect.RGCompo->Items();
  EXPECT_TRUE(Has(Switch(true), "Period [s]"));
  EXPECT_EQ(spect.CBLegend->text(), "Key");
  EXPECT_EQ(spect.RGCompo->Items(), components);
  EXPECT_TRUE(Has(Switch(false), "周　期 [s]"));
  EXPECT_EQ(spect.CBLegend->text(), "凡例");
  EXPECT_EQ(Picture(), panels);
  EXPECT_EQ(DifferingChannels(*computed, 3), 0);
}

}  // namespace
}  // namespace tremora::testing
