#pragma once
// The spectrum window: the response spectra of the displayed section in three panels of one graph,
// per component (SA, SV, SD of one channel) or per response (one kind for every channel), on
// period or frequency axes, linear or logarithmic, with damping selection, colours and line width;
// the calculation and the CSV, GIF and clipboard exports.
//
// The class is spread over the subsystem folders by concern:
//   spectrum/TSpect.h               the declaration; the handlers that only redraw are inline here
//   spectrum/TSpectLayout.cpp       CreateControls, ConnectHandlers, FormCreate, EnableChoices,
//                                   RGSpectClick, DampingClick, CBLargeClick, Button1Click (hide),
//                                   SetDampingMultiplier, SetLongestPeriod, ComposeTexts
//   spectrum/TSpectDrawing.cpp      FollowLanguage, RedrawSpectra, AxisChoice, SetupAxes, ReverseOrder,
//                                   SetDampingPen, DrawPanel, DrawCurves, DrawDampingLegend,
//                                   StoredCurves and the two
//                                   drawings BtnSpectrum1Click (per component), BtnSpectrum2Click
//                                   (per response)
//   spectrum/TSpectCalculation.cpp  BtnCalcClick, ShowSource, ShowComponentChoices, RecordLoaded,
//                                   showEvent, FollowLoadLater, FollowLoad: the spectrum set, after a press or
//                                   a load
//   spectrum/TSpectExport.cpp       BtnCSVClick, BtnGIFClick, Button2Click (clipboard)
//   graph/EnlargedView.cpp          RunEnlargedView, DrawEnlargedStep, OverlaySpectrumNow,
//                                   DrawOverlayCurves, DrawOverlaySpectrum, RedrawOverlay,
//                                   NewOverlay, AddToOverlay: the enlarged view's stepping loop and
//                                   overlay
//   spectrum/UpDown.cpp             the up-down control UpDown1 beside Edit1
// What it computes and writes is core code: spectrum/SpectrumSolver (the spectra),
// spectrum/PeriodGrid, spectrum/SpectrumView (axes and scales), spectrum/SpectrumSource (the names
// of what was computed), spectrum/SpectrumCsv (the CSV).

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/SecondaryWindows.h"
#include "graph/TMyGraph.h"
#include "platform/Platform.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"
#include "spectrum/SpectrumSource.h"
#include "spectrum/SpectrumView.h"

class QGroupBox;
class QProgressBar;
class QPushButton;
class QShowEvent;

namespace tremora {

class Application;
class CheckBox;
class EditBox;
class RadioGroup;
class TextLabel;
class UpDown;

class TSpect : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit TSpect(Application& application);

  // Period grid (fixed at creation), damping set and the results of the last calculation.
  PeriodGrid Grid;
  DampingRatios Ratios = DampingSet(DampingMultiplier::X1);
  SpectrumMethod Method = SpectrumMethod::LinearAcceleration;  // from the 計算法 menu
  SpectrumSet Spectra{};
  // What Spectra was computed from: every name shown or written with the values is read here,
  // never from the record on screen.
  SpectrumSource Source;

  // Display settings.
  std::array<bool, kDampingCount> DampingShown{true, true, true, true, true};
  int ReferenceDampingIndex = 0;
  float LinearMaxPeriod = 2.0f;
  int LinearGridCount = 4;
  int LinearPeriodCount = 0;
  int LinearFrequencyCount = 0;
  std::array<int, 3> GraphLeft{};
  int GraphBottom = 0;
  std::array<Colour, kSpectrumColours.size()> OverlayColours{};

  // The enlarged view: the flag set from CBLarge, the stepping window's command and the number of
  // spectra added to the overlay after its first.
  bool EnlargedView = false;
  unsigned char StepCommand = 0;
  int OverlayCount = 0;

  std::string LastGifFolder;
  // Folder of the last spectrum CSV written; empty before the first.
  std::string LastCsvFolder;

  void FormCreate();

  // Drawing.
  void RedrawSpectra();
  void BtnSpectrum1Click();
  void BtnSpectrum2Click();
  void SetupAxes();
  static void ReverseOrder(std::array<float, kPeriodCount>& values);
  void SetDampingPen(int d);
  // The enlarged view: one spectrum at a time in the enlarged window, the stepping window's
  // commands, the overlay; ends by unticking CBLarge.
  void RunEnlargedView(bool per_component);

  // Calculation and exports.
  void BtnCalcClick();
  void BtnCSVClick();
  void BtnGIFClick();
  void Button2Click();

  // Control handlers.
  void RGXScaleClick() { RedrawSpectra(); }
  void RGXUnitClick() { RedrawSpectra(); }
  void RGYScaleClick() { RedrawSpectra(); }
  void RGCompoClick() { RedrawSpectra(); }
  void RGRespClick() { RedrawSpectra(); }
  void CBColorClick() { RedrawSpectra(); }
  void Button3Click() { RedrawSpectra(); }
  void UpDown1Click() { RedrawSpectra(); }
  void RGSpectClick();
  void D00Click() { DampingClick(0); }
  void D01Click() { DampingClick(1); }
  void D02Click() { DampingClick(2); }
  void D05Click() { DampingClick(3); }
  void D10Click() { DampingClick(4); }
  void CBLargeClick();
  void Button1Click();

  // Called by the main window.
  // A record has been loaded: a shown window computes its spectra once the load is done, a hidden
  // one when it is next shown.
  void RecordLoaded();
  // The damping multiplier: captions of D01 .. D10 and the ratios of the next calculation.
  void SetDampingMultiplier(DampingMultiplier multiplier);
  // The longest period of the linear period axis; switches to a linear period axis and redraws.
  void SetLongestPeriod(const LinearPeriodAxis& axis);
  // Enables RGCompo or RGResp for the display mode; with one channel only RGCompo's first item.
  void EnableChoices(int channel_count);
  // RGCompo's items are the first channel_count component names, then EnableChoices.
  void ShowComponentChoices(int channel_count, const std::array<std::string, kMaxChannels>& names);

  // Controls, named as their object names.
  TextLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
  TextLabel* Label6 = nullptr;
  TMyGraph* MyGraph1 = nullptr;
  QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr, *GroupBox4 = nullptr;
  RadioGroup *RGXScale = nullptr, *RGXUnit = nullptr, *RGYScale = nullptr;
  RadioGroup *RGSpect = nullptr, *RGCompo = nullptr, *RGResp = nullptr;
  CheckBox *D00 = nullptr, *D01 = nullptr, *D02 = nullptr, *D05 = nullptr, *D10 = nullptr;
  QPushButton* BtnCalc = nullptr;
  QProgressBar *ProgressBar1 = nullptr, *ProgressBar2 = nullptr;
  CheckBox *CBColor = nullptr, *CBLarge = nullptr, *CBLegend = nullptr;
  EditBox* Edit1 = nullptr;
  UpDown* UpDown1 = nullptr;
  QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *BtnGIF = nullptr, *BtnCSV = nullptr;
  QPushButton *BtnSpectrum1 = nullptr, *BtnSpectrum2 = nullptr;
  FileDialogOptions SaveDialog1;  // GIF
  FileDialogOptions SaveDialog2;  // CSV

 protected:
  void showEvent(QShowEvent* event) override;
  // A new language: the composed texts, the three panels, the enlarged step on show and the
  // overlay are drawn again from what the window holds (the enlarged and overlay windows' pictures
  // are this window's drawings).
  void FollowLanguage();

 private:
  void CreateControls();
  void ConnectHandlers();
  // Damping index d shown or not, as its check box says.
  void DampingClick(int d);
  std::array<CheckBox*, kDampingCount> DampingBoxes() const { return {D00, D01, D02, D05, D10}; }
  // The axis choices of the radio groups.
  SpectrumAxisChoice AxisChoice() const;
  // Title, axes, unit label and scale of one panel, then its frame; the values fit the scale.
  void DrawPanel(int panel, int kind, int channel, int count, const float* scale_values);
  // The five damping ratios' values of one channel and kind, in period order.
  std::array<const float*, kDampingCount> StoredCurves(int channel, int kind) const;
  // The shown damping ratios' curves of one panel, each in its pen.
  void DrawCurves(int count, const float* x, const std::array<const float*, kDampingCount>& y);
  // The colours of the shown damping ratios in the current panel, when 凡例 and 色分け are ticked.
  void DrawDampingLegend();

  // One step of the enlarged view as drawn: its title, point count, x values and the five
  // damping ratios' values in the order of the x values.
  struct EnlargedCurves {
    std::string title;
    int count = 0;
    const float* x = nullptr;
    std::array<std::array<float, kPeriodCount>, kDampingCount> y{};
  };
  void DrawEnlargedStep(bool per_component, int kind, int channel, EnlargedCurves& curves);
  // The step the enlarged window shows while the view runs, and the curves it was drawn from.
  struct EnlargedStepShown {
    bool per_component = true;
    int kind = 0;
    int channel = 0;
  };
  std::optional<EnlargedStepShown> enlarged_step_;
  EnlargedCurves enlarged_curves_;
  // One spectrum of the overlay with everything it was drawn with, so that the overlay can be
  // drawn again as it was (a new language) whatever the window's settings are by then.
  struct OverlaySpectrum {
    int k = 0;            // its colour and legend row
    bool starts = false;  // the first: the frame, its title and unit come with it
    int kind = 0;
    bool frequency = false;
    EnlargedCurves curves;
    GraphAxes axes;  // the overlay graph's as the spectrum was drawn
    std::array<bool, kDampingCount> shown{};
    DampingRatios ratios{};
  };
  std::vector<OverlaySpectrum> overlay_;
  OverlaySpectrum OverlaySpectrumNow(int k, bool starts, int kind, const EnlargedCurves& curves) const;
  void NewOverlay(int kind, const EnlargedCurves& curves);
  void AddToOverlay(int kind, const EnlargedCurves& curves);
  void DrawOverlaySpectrum(const OverlaySpectrum& spectrum);
  void RedrawOverlay();
  // The shown damping ratios' curves on the overlay in its colour, with the legend line.
  void DrawOverlayCurves(const OverlaySpectrum& spectrum, bool legend_first);
  // Dialog filters and default component items in the current language.
  void ComposeTexts();

  // The station labels and the component choices of the spectra shown.
  void ShowSource();
  // Computes the spectra of the record on screen, after delay_ms and once no load or redraw is
  // under way, if they are still to follow it and the window is shown.
  void FollowLoadLater(int delay_ms);
  void FollowLoad();
  bool follow_pending_ = false;

  Application& application_;
};

}  // namespace tremora
