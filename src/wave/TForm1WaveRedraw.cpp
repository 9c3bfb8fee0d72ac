// The waveform redraw of the main window: the displayed section, its processing, and the strips
// with their titles, peaks and scales.

#include <QAction>
#include <cmath>

#include "analysis/TFourier.h"
#include "analysis/TLongPeriod.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "record/RecordClock.h"
#include "record/PeerAt2Loading.h"
#include "wave/TMyWave.h"
#include "wave/TWait.h"
#include "wave/WaveCsv.h"

namespace tremora {

namespace {

constexpr const char* kTimeUnit = "sec";
constexpr Colour kPeakMarkColour = kRed;

// A strip's quantity name from its record, in the current language.
std::string QuantityName(const RecordSet& record, int quantity) { return record.WaveNames[quantity].Now(); }

// Units of the read-out, in the words of today's plotting programs rather than the strips' labels.
const char* ReadoutUnitOf(WaveQuantity quantity) {
  switch (quantity) {
    case WaveQuantity::Velocity: return "cm/s";
    case WaveQuantity::Displacement: return "cm";
    case WaveQuantity::Acceleration: break;
  }
  return "gal";
}

// Closes the wait window when the redraw leaves early (a number that does not convert).
class WaitWindowScope {
 public:
  WaitWindowScope(TWait& wait, bool show) : wait_(wait), shown_(show) {
    if (shown_) wait_.ShowWith(Translate("TForm1", "地震波形データを処理しています・・・・"));
  }
  ~WaitWindowScope() {
    if (shown_) wait_.Close();
  }
  void Release() { shown_ = false; }

 private:
  TWait& wait_;
  bool shown_;
};

}  // namespace

// What one strip shows: which samples, under which names, with which manual scale.
struct TForm1::Strip {
  int index;             // 0, 1, 2 from the top
  int channel;
  WaveQuantity quantity;
  float manual_scale;  // full half-height when the scale is not automatic
};

DisplayedSection TForm1::Displayed() const {
  DisplayedSection section;
  section.StartIndex = StartIndex;
  section.DisplayCount = DisplayCount;
  section.TimeWidth = TimeWidth;
  return section;
}

std::optional<std::array<float, kMaxChannels>> TForm1::ManualStripScales() const {
  const bool component_mode = CBWave->Checked();
  const EditBox* amplitudes[kMaxChannels] = {EdAmp0, EdAmp1, EdAmp2};
  const int strips = component_mode ? Record.ChannelCount : 3;
  std::array<float, kMaxChannels> scales{};
  for (int s = 0; s < strips; ++s) {
    const EditBox* edit = component_mode && CB1ch->Checked() ? EdAmp0 : amplitudes[s];
    // A text that is no number stops here with its conversion error, before anything is drawn.
    scales[s] = edit->FloatValue();
    if (!(scales[s] > 0) || !std::isfinite(scales[s])) return std::nullopt;
  }
  return scales;
}

void TForm1::BtnWaveClick() {
  // Before a record is loaded there is nothing to draw; the plot keeps what it shows.
  if (!Record.RecordLoaded) return;
  if (!CBAmp->Checked()) {
    // 0 would fill the strip, a negative value turn its axis over: refused, the plot stays.
    const auto scales = ManualStripScales();
    if (!scales) {
      StartControlBusy = false;
      ShowWarning(Translate("TForm1", "振幅の値が正しくありません !\n0 より大きい数値を入力してください"),
                  Translate("TForm1", "振幅エラー"));
      return;
    }
    // Kept for a redraw in another language, which reads no box.
    strip_scales_ = *scales;
  }
  WaitWindowScope wait(application_.Wait(), !StartControlBusy);

  MyWave1->Clear(kWhite);
  MyWave1->NGridX = 5;
  int requested_start;
  if (CBAutoStart->Checked()) {
    requested_start = AutoStartIndex(Record.SampleCount, Record.Acceleration[0].data());
    // Moving the track bar redraws at once, nested, and writes the start into EdStart.
    TrackBar1->SetPosition(requested_start);
  } else {
    requested_start = EdStart->IntValue();
  }
  const float width = kTimeWidths[RGTime->ItemIndex()];
  const DisplayedSection section =
      ChooseDisplayedSection(requested_start, width, Record.SampleCount, Record.SamplingInterval);
  StartIndex = section.StartIndex;
  DisplayCount = section.DisplayCount;
  TimeWidth = width;
  // An automatic start the track bar already stood at moves nothing, so EdStart is written here:
  // it must hold the start on screen when 自動 is unticked. QLineEdit::setText runs no handler.
  if (CBAutoStart->Checked()) EdStart->setText(QString::number(StartIndex));
  // What the read-out tells of every strip: where the section starts in the record and on the clock.
  MyWave1->TraceLabel.first_sample_time = StartIndex * SampleInterval(Record);
  MyWave1->TraceLabel.start_clock = RecordStartClock(Record);
  MyWave1->TraceLabel.decimals = TimeDecimals(SampleInterval(Record));
  MyWave1->SubX = section.SubTicks;
  MyWave1->VValueX = section.SecondsPerDivision;

  ProcessDisplayedSection(Record, section, CBDC->Checked());
  DrawRecordStrips();
  // The Fourier spectra follow every load and every change of the section.
  if (Fourier && Fourier->isVisible()) Fourier->ShowSection(Record, section);
  // The long-period spectrum is of the whole record: computed again only after a load.
  if (LongPeriod && LongPeriod->isVisible()) LongPeriod->ShowRecord(Record);
  FollowRotD();

  if (StartControlBusy) wait.Release();
  StartControlBusy = false;
}

void TForm1::DrawRecordStrips() {
  const bool component_mode = CBWave->Checked();
  const int strip_height = MyWave1->PictureHeight() / (component_mode ? Record.ChannelCount : 3);
  Canvas& canvas = MyWave1->GetCanvas();
  if (CBDataCount->Checked()) {
    canvas.TextOut(420, strip_height / 2 - 65,
                   FormatC(Translate("TForm1", "ﾃﾞｰﾀ %d - %d").c_str(), StartIndex, StartIndex + DisplayCount - 1));
  }
  if (CBTitle->Checked()) WriteTitle(component_mode, strip_height);
  if (component_mode) {
    const auto quantity = static_cast<WaveQuantity>(RGWave->ItemIndex());
    for (int ch = 0; ch < Record.ChannelCount; ++ch) DrawStrip({ch, ch, quantity, strip_scales_[ch]}, strip_height);
  } else {
    const int channel = RGCompo->ItemIndex() < Record.ChannelCount ? RGCompo->ItemIndex() : 0;
    for (int s = 0; s < 3; ++s) DrawStrip({s, channel, static_cast<WaveQuantity>(s), strip_scales_[s]}, strip_height);
  }
  MyWave1->update();
}

void TForm1::RedrawAtNewSize() {
  if (!Record.RecordLoaded) return WriteGuidance();
  BtnWaveClick();
}

void TForm1::DrawStrip(const Strip& strip, int strip_height) {
  TMyWave& plot = *MyWave1;
  Canvas& canvas = plot.GetCanvas();
  const int quantity = static_cast<int>(strip.quantity);
  const char* unit = UnitName(strip.quantity);

  plot.OriginY = static_cast<int>(strip_height / 2 + (strip.index * strip_height) * 0.95L);
  plot.UnitY = unit;
  plot.UnitX = kTimeUnit;
  const std::string quantity_name = QuantityName(Record, quantity);
  canvas.TextOut(plot.OriginX + 4, plot.OriginY - 67, quantity_name);

  // The acceleration as stored (without the section's mean removal); velocity and displacement
  // as the processing left them, from index 0.
  float* trace = Record.WorkBuffer.data();
  const float* source = strip.quantity == WaveQuantity::Acceleration
                            ? Record.Acceleration[strip.channel].data() + StartIndex
                            : strip.quantity == WaveQuantity::Velocity ? Record.Velocity[strip.channel].data()
                                                                       : Record.Displacement[strip.channel].data();
  std::copy(source, source + DisplayCount, trace);
  int position = 0;
  const float peak = PeakAbs(DisplayCount, trace, position);

  const std::string name = ChannelTitle(Record, strip.channel);
  plot.TraceLabel.name = Record.ComponentNames[strip.channel] + " " + quantity_name;
  plot.TraceLabel.unit = ReadoutUnitOf(strip.quantity);
  plot.Title = CBMax->Checked() ? FormatC("%s  max%6.1f %s", name.c_str(), peak, unit) : name;
  // A typed number is the strip's full half-height: two divisions.
  plot.VValueY = CBAmp->Checked() ? AutoScale(2, peak) : static_cast<float>(strip.manual_scale * 0.5L);
  plot.DrawScale();
  plot.DrawWave1(DisplayCount, trace, SampleInterval(Record));

  if (CBMaxPnt->Checked()) {
    const int x = static_cast<int>(static_cast<long double>(position) * Record.SamplingInterval / plot.VValueX *
                                       plot.UnitLenX +
                                   plot.OriginX);
    const int y = static_cast<int>(plot.OriginY - static_cast<long double>(trace[position]) / plot.VValueY * plot.UnitLenY);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColour(kPeakMarkColour);
    canvas.Ellipse({x - 3, y - 3, x + 3, y + 3});
    canvas.SetPenColour(kBlack);
  }
}

void TForm1::WriteTitle(bool component_mode, int strip_height) {
  // The record's identification at fixed places; which texts depends on the mode and the format.
  struct Text {
    int x;
    const std::string* text;
  };
  const RecordHeader& h = Record.Header;
  const StationRecord& station = Record.CurrentStation;
  const bool hiroshima = Hiroshima->isChecked();
  const int y0 = strip_height / 2 - 65;
  int y = y0;
  std::array<Text, 4> texts;
  if (component_mode && !hiroshima) {
    texts = {{{100, &h.StationCode}, {150, &station.Name}, {220, &h.RecordDate}, {300, &h.RecordTime}}};
  } else if (component_mode) {
    texts = {{{100, &station.Code}, {140, &station.Name}, {290, &h.OriginDate}, {350, &h.OriginTime}}};
    y = 3;
  } else if (!hiroshima) {
    texts = {{{100, &h.StationCode}, {150, &station.Name}, {220, &h.OriginDate}, {300, &h.OriginTime}}};
  } else {
    // The strip's quantity name (three characters from x 54) and the sample range (from x 420)
    // share this row: the code starts just right of the name, the station name just right of a
    // code of five, the time ends just before the sample range, each a pixel clear.
    texts = {{{91, &h.StationCode}, {128, &station.Name}, {300, &h.RecordDate}, {377, &h.RecordTime}}};
    y = 3;
  }
  Canvas& canvas = MyWave1->GetCanvas();
  if (Record.Format == RecordFormat::PeerAt2) {
    // No origin time or station table: the station and the event as the file's second line names them.
    canvas.TextOut(100, y0, station.Name);
    canvas.TextOut(100 + canvas.TextWidth(station.Name) + 16, y0, h.EventName);
    return;
  }
  for (const Text& text : texts) canvas.TextOut(text.x, y, *text.text);
}

}  // namespace tremora
