#pragma once
// Every text a person reads in the program, gathered from a tour through all its windows with a
// real record: captions, hints, menus, table headers, the help text, what the pictures draw, what
// the plots' read-outs say and the messages the tour provokes. Each text is one line
// "Window/objectName.property: text"; the lines are sorted and each appears once, so two walks
// compare line by line.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "BundleBuilder.h"
#include "analysis/TFourier.h"
#include "analysis/TLongPeriod.h"
#include "analysis/TMetrics.h"
#include "analysis/TRotD.h"
#include "app/StationGrid.h"
#include "app/TAboutBox.h"
#include "app/THRSMList.h"
#include "app/THowTo.h"
#include "app/TSiteList.h"
#include "app/TSynthe.h"
#include "graph/TLarge.h"
#include "graph/TNextStep.h"
#include "graph/TSuper.h"
#include "platform/Canvas.h"
#include "record/TBundleChooser.h"
#include "record/TBundleProgress.h"
#include "ui/spectrum/SpectrumFixture.h"
#include "wave/TWait.h"

namespace tremora::testing {

// The class name of object without its namespace: "TSpect".
inline std::string ClassName(const QObject& object) {
  std::string name = object.metaObject()->className();
  const std::size_t colons = name.rfind("::");
  return colons == std::string::npos ? name : name.substr(colons + 2);
}

// The name a window's texts are listed under: its object name, else its class name.
inline std::string WindowName(const QWidget& window) {
  return window.objectName().isEmpty() ? ClassName(window) : window.objectName().toStdString();
}

struct ShownText {
  std::string where;  // "Window/objectName.property"
  std::string text;
  bool operator<(const ShownText& other) const { return std::tie(where, text) < std::tie(other.where, other.text); }
};

inline std::string LineOf(const ShownText& shown) { return shown.where + ": " + shown.text; }

inline std::vector<std::string> LinesOf(const std::vector<ShownText>& texts) {
  std::vector<std::string> lines;
  for (const ShownText& shown : texts) lines.push_back(LineOf(shown));
  return lines;
}

// The texts of windows, pictures and messages, with the folders of the test machine replaced by
// names that are the same everywhere and decimals by "#".
class ShownTexts {
 public:
  void Replace(const std::string& folder, const std::string& name) {
    if (!folder.empty()) replacements_.emplace_back(folder, name);
    // Longer folders first, so a folder inside another is named as the inner one.
    std::sort(replacements_.begin(), replacements_.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  }

  void Add(const std::string& where, const QString& text) { Add(where, text.toStdString()); }
  void Add(const std::string& where, std::string text) {
    if (text.empty()) return;
    for (const auto& [folder, name] : replacements_) {
      for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at + name.size())) {
        text.replace(at, folder.size(), name);
      }
    }
    // Decimals are computed values, whose last digits may differ between machines' arithmetic.
    static const QRegularExpression decimal("\\d+\\.\\d+");
    text = QString::fromStdString(text).replace(decimal, "#").toStdString();
    std::string one_line;  // a line break would split the line
    for (char c : text) one_line += c == '\n' ? std::string("\\n") : std::string(1, c);
    texts_.insert({where, one_line});
  }

  // The window and every widget in it, with their menus and context menus; windows inside it are
  // walked as windows of their own.
  void AddWindow(QWidget& window) {
    const std::string window_name = WindowName(window);
    Add(window_name + "/" + NameOf(window) + ".windowTitle", window.windowTitle());
    std::vector<QWidget*> widgets{&window};
    for (QWidget* child : window.findChildren<QWidget*>()) {
      if (child->isWindow() && qobject_cast<QMenu*>(child) == nullptr) {
        AddWindow(*child);
        continue;
      }
      if (InsideOtherWindow(*child, window)) continue;
      widgets.push_back(child);
    }
    for (QWidget* widget : widgets) AddWidget(window_name, *widget);
  }

  void AddMessages(const ScriptedPlatform& platform) {
    for (const auto& message : platform.messages) {
      Add("Messages/caption", message.caption);
      Add("Messages/text", message.text);
    }
    for (const std::string& error : platform.standard_errors) Add("Messages/standardError", error);
  }

  std::vector<ShownText> Texts() const { return {texts_.begin(), texts_.end()}; }
  std::vector<std::string> Lines() const { return LinesOf(Texts()); }
  void Clear() { texts_.clear(); }

 private:
  static std::string NameOf(const QObject& object) {
    if (!object.objectName().isEmpty()) return object.objectName().toStdString();
    const QObject* parent = object.parent();
    return (parent != nullptr && !parent->objectName().isEmpty() ? parent->objectName().toStdString() + "/" : "") +
           ClassName(object);
  }
  // Widgets of a window inside window (a dialog parented to it) belong to that window.
  static bool InsideOtherWindow(const QWidget& widget, const QWidget& window) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window; up = up->parentWidget()) {
      if (up->isWindow() && qobject_cast<const QMenu*>(up) == nullptr) return true;
    }
    return false;
  }

  void AddWidget(const std::string& window_name, QWidget& widget) {
    const std::string where = window_name + "/" + NameOf(widget);
    Add(where + ".toolTip", widget.toolTip());
    if (auto* label = qobject_cast<QLabel*>(&widget)) Add(where + ".text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) Add(where + ".text", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(&widget)) Add(where + ".title", group->title());
    if (auto* menu = qobject_cast<QMenu*>(&widget)) Add(where + ".title", menu->title());
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) Add(where + ".placeholderText", edit->placeholderText());
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
      for (int i = 0; i < combo->count(); ++i) Add(where + ".item", combo->itemText(i));
    }
    if (auto* table = qobject_cast<QTableWidget*>(&widget)) AddTable(where, *table);
    if (auto* text = qobject_cast<QPlainTextEdit*>(&widget)) AddTextLines(where, text->toPlainText());
    if (auto* text = qobject_cast<QTextEdit*>(&widget)) AddTextLines(where, text->toPlainText());
    std::set<const QMenu*> seen;
    for (QAction* action : widget.actions()) AddAction(window_name, where, *action, seen);
  }

  void AddAction(const std::string& window_name, const std::string& owner, QAction& action,
                 std::set<const QMenu*>& seen) {
    if (action.isSeparator()) return;
    const std::string where = action.objectName().isEmpty() ? owner + "/action" : window_name + "/" + NameOf(action);
    Add(where + ".text", action.text());
    if (action.toolTip() != QString(action.text()).remove('&')) Add(where + ".toolTip", action.toolTip());
    QMenu* menu = action.menu();
    if (menu == nullptr || !seen.insert(menu).second) return;
    for (QAction* item : menu->actions()) AddAction(window_name, where, *item, seen);
  }

  // Headers, and the cells where they are no data: the station lists' cells are the station tables.
  void AddTable(const std::string& where, QTableWidget& table) {
    for (int c = 0; c < table.columnCount(); ++c) {
      if (const QTableWidgetItem* item = table.horizontalHeaderItem(c)) Add(where + ".header", item->text());
    }
    for (int r = 0; r < table.rowCount(); ++r) {
      if (const QTableWidgetItem* item = table.verticalHeaderItem(r)) Add(where + ".rowHeader", item->text());
    }
    if (dynamic_cast<StationGrid*>(&table) != nullptr) return;
    for (int r = 0; r < table.rowCount(); ++r) {
      for (int c = 0; c < table.columnCount(); ++c) {
        if (const QTableWidgetItem* item = table.item(r, c)) Add(where + ".cell", item->text());
      }
    }
  }

  void AddTextLines(const std::string& where, const QString& text) {
    for (const QString& line : text.split('\n')) Add(where + ".text", line);
  }

  std::vector<std::pair<std::string, std::string>> replacements_;
  std::set<ShownText> texts_;
};

// Whether text holds a character of Japanese writing: kana, CJK ideographs and punctuation, and the
// full- and half-width forms.
inline bool HasJapanese(const std::string& text) {
  for (const char32_t c : QString::fromStdString(text).toStdU32String()) {
    if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
        (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF9F)) {
      return true;
    }
  }
  return false;
}

// The texts of window's visible captions that are wider than the room their widget gives them, or
// that reach beyond the widget's parent (labels size themselves to their texts, so theirs is the
// parent's room), each as "Window/objectName: text (needs N px, has M)".
inline std::vector<std::string> CutCaptions(QWidget& window) {
  std::vector<std::string> cut;
  const auto check = [&](QWidget& widget, const QString& text, int indent, int room) {
    const QFontMetrics metrics(widget.font());
    int needed = 0;
    for (const QString& line : text.split('\n')) {
      needed = std::max(needed, metrics.size(Qt::TextShowMnemonic, line).width());
    }
    const QWidget* parent = widget.parentWidget();
    const int parent_room = parent == nullptr || widget.isWindow() ? room : parent->width() - widget.x() - indent;
    const int has = std::min(room, parent_room);
    if (needed > has) {
      cut.push_back(WindowName(window) + "/" + widget.objectName().toStdString() + ": " + text.toStdString() +
                    " (needs " + std::to_string(needed) + " px, has " + std::to_string(has) + ")");
    }
  };
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&window) || widget->window() != &window) continue;
    QStyle& style = *widget->style();
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && !label->wordWrap() && !label->text().isEmpty()) {
      const int inset = label->contentsRect().x() + label->margin() + std::max(label->indent(), 0);
      check(*label, label->text(), inset, label->contentsRect().width() - 2 * label->margin());
    } else if (auto* check_box = qobject_cast<QCheckBox*>(widget)) {
      const int indicator = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
                            style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
      check(*check_box, check_box->text(), indicator, check_box->width() - indicator);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      const int indicator = style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                            style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
      check(*radio, radio->text(), indicator, radio->width() - indicator);
    } else if (auto* button = qobject_cast<QPushButton*>(widget); button != nullptr && !button->text().isEmpty()) {
      const int margin = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
      check(*button, button->text(), margin, button->width() - 2 * margin);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget); group != nullptr && !group->title().isEmpty()) {
      constexpr int kTitleInsets = 2 * 8;  // the frame's corner on either side of the title
      check(*group, group->title(), kTitleInsets / 2, group->width() - kTitleInsets);
    }
  }
  return cut;
}

// Installs its picture text watch before the program draws its first picture: a base class listed
// before the program's fixture.
class PictureTextWatch {
 protected:
  PictureTextWatch() {
    Canvas::WatchTexts([this](const std::string& text) { shown.Add(picture_owner + "/picture.text", text); });
  }
  ~PictureTextWatch() { Canvas::WatchTexts(nullptr); }
  PictureTextWatch(const PictureTextWatch&) = delete;
  PictureTextWatch& operator=(const PictureTextWatch&) = delete;

  ShownTexts shown;
  std::string picture_owner = "Form1";  // the window whose pictures the tour is drawing
};

// The tour: every window of the program opened with the K-NET sample record, and commands that
// answer with a message.
class TextWalkFixture : protected PictureTextWatch, public SpectrumWindowFixture {
 protected:
  TextWalkFixture() { NameFolders(shown); }

  // The folders of this machine in texts are named as on every machine.
  void NameFolders(ShownTexts& texts) const {
    texts.Replace(scratch.path().string(), "<scratch>");
    texts.Replace(TREMORA_RECORDS_DIR, "<samples>");
    texts.Replace(TREMORA_DATA_DIR, "<data>");
  }

  // Tours the program and returns what it showed.
  std::vector<ShownText> Walk() {
    shown.Clear();
    // Open windows follow every load; a walk starts with the main window alone, as the program
    // does.
    for (QWidget* window : Windows()) {
      if (window != &form) window->hide();
    }
    platform.messages.clear();
    platform.standard_errors.clear();
    RedrawMainPlot();  // the guidance before a load
    MessagesWithoutARecord();
    MessagesOfAJmaRecord();
    OpenABundle();

    picture_owner = "Form1";
    form.KNET->trigger();
    Load(kThreeChannelRecord);
    NoteRecordTexts();
    shown.AddWindow(application.Wait());  // as it was during the load
    for (int i = form.RGWave->Count() - 1; i >= 0; --i) form.RGWave->SetItemIndex(i);
    ReadPlot("Form1", *form.MyWave1);
    OpenSpectrumWindowInEveryMode();
    OpenEnlargedGraphAndOverlay();
    OpenAnalysisWindows();
    OpenListsAndHelp();
    MessagesWithAKnetRecord();

    for (QWidget* window : Windows()) shown.AddWindow(*window);
    shown.AddMessages(platform);
    return shown.Texts();
  }

  // Every window of the program, made or not.
  std::vector<QWidget*> Windows() const {
    std::vector<QWidget*> windows{&form,
                                  &application.Spect(),
                                  &application.HowTo(),
                                  &application.AboutBox(),
                                  &application.Wait(),
                                  &application.Large(),
                                  &application.NextStep(),
                                  &application.Super(),
                                  &application.SiteList(),
                                  &application.Synthe(),
                                  &application.HRSMList(),
                                  &application.Metrics()};
    for (QWidget* made : std::initializer_list<QWidget*>{form.Fourier.get(), form.LongPeriod.get(), form.RotD.get(),
                                                         form.BundleChooser()}) {
      if (made != nullptr) windows.push_back(made);
    }
    return windows;
  }

  // The station names and places and the event names of the records loaded: data, shown as read.
  std::set<std::string> record_texts;
  ScratchFolder scratch;

 private:
  void NoteRecordTexts() {
    const RecordSet& record = form.Record;
    for (const std::string& text :
         {record.CurrentStation.Name, record.CurrentStation.Extra1, record.CurrentStation.Address,
          record.CurrentStation.Extra2, record.Header.EventName}) {
      const QString trimmed = QString::fromStdString(text).trimmed();
      if (!trimmed.isEmpty()) record_texts.insert(trimmed.toStdString());
    }
  }

  // What the read-out says across plot, as the mouse finds it there.
  void ReadPlot(const std::string& window, ReadablePicture& plot) {
    const QSize size = plot.Picture().size();
    for (const double across : {0.2, 0.5, 0.8}) {
      plot.HoverAt(static_cast<int>(size.width() * across), size.height() / 2);
      if (!plot.Hovered()) continue;
      for (const ReadoutLine& line : plot.Hovered()->lines) {
        shown.Add(window + "/" + plot.objectName().toStdString() + ".readout", line.text);
      }
    }
    plot.LeaveReadout();
  }

  void RedrawMainPlot() {
    const QSize size = form.size();
    form.resize(size + QSize(1, 1));
    form.resize(size);
  }

  void MessagesWithoutARecord() {
    picture_owner = "Form1";
    form.OpenRecordFile(std::string(TREMORA_RECORDS_DIR) + "/../README.md");  // no record of any format
    platform.answers.push_back(MessageAnswer::No);
    form.Button1->click();  // the exit's question
    platform.browser_works = false;
    form.Label21Click();
    platform.browser_works = true;
  }

  void MessagesOfAJmaRecord() {
    ASSERT_TRUE(form.OpenRecordFile(SamplePath("jma/Q416EED018.csv")));
    NoteRecordTexts();
    form.Button3->click();  // synthesis and named copies need a K-NET record
    form.N8->trigger();
  }

  void OpenABundle() {
    picture_owner = "Form1";
    platform.on_modal = [this](QWidget& window) { shown.AddWindow(window); };
    ASSERT_TRUE(form.OpenRecordFile(scratch.Write("event.tar", EventBundle())));
    platform.on_modal = nullptr;
    form.LoadBundleRecord(0);
    NoteRecordTexts();
  }

  void OpenSpectrumWindowInEveryMode() {
    picture_owner = "Spect";
    form.BtnSpect->click();
    shown.AddWindow(application.Wait());  // as it was during the calculation
    spect.RGSpect->SetItemIndex(1);
    spect.RGXScale->SetItemIndex(0);
    spect.RGYScale->SetItemIndex(0);
    spect.RGXUnit->SetItemIndex(1);
    spect.RGSpect->SetItemIndex(0);
    spect.RGXScale->SetItemIndex(1);
    spect.RGYScale->SetItemIndex(1);
    spect.RGXUnit->SetItemIndex(0);
    ReadPlot("Spect", *spect.MyGraph1);
  }

  // Three steps of the stepping window: a new overlay, one more curve on it, the end.
  void OpenEnlargedGraphAndOverlay() {
    picture_owner = "Large";
    platform.modal_presses = {"Button5", "Button6", "Button3"};
    spect.CBLarge->SetChecked(true);
    ReadPlot("Large", *application.Large().MyGraph1);
    ReadPlot("Super", *application.Super().MyGraph1);
  }

  void OpenAnalysisWindows() {
    picture_owner = "Fourier";
    form.Fourier1->trigger();
    ReadPlot("Fourier", *form.Fourier->MyGraph1);
    picture_owner = "Metrics";
    form.findChild<QAction*>("Indices1")->trigger();
    picture_owner = "LongPeriod";
    form.LongPeriod1->trigger();
    ReadPlot("LongPeriod", *form.LongPeriod->MyGraph1);
    picture_owner = "RotD";
    form.RotD1->trigger();
    ReadPlot("RotD", *form.RotD->MyGraph1);
  }

  void OpenListsAndHelp() {
    picture_owner = "SiteList";
    form.Button2->click();
    application.SiteList().Edit1->SetText("zzz9999");
    application.SiteList().Button2->click();  // no such station
    form.HiroshimaClick();
    form.Button2->click();
    form.KNET->trigger();
    picture_owner = "HowTo";
    form.Tutorial1->trigger();
    form.About1->trigger();
  }

  void MessagesWithAKnetRecord() {
    picture_owner = "Synthe";
    form.Button3->click();
    platform.save_paths.push_back(scratch / "a.b.045");  // two extensions
    application.Synthe().Button3->click();

    picture_owner = "Form1";
    platform.save_paths.push_back(scratch / "no folder/wave.csv");
    form.BtnCsv->click();
    platform.save_paths.push_back(scratch / "no folder/spectra.csv");
    spect.BtnCSV->click();
    form.CBAutoStart->SetChecked(false);
    const std::string start = form.EdStart->Text();
    form.EdStart->setText("abc");
    form.BtnWave->click();  // a start that is no number
    form.EdStart->setText(QString::fromStdString(start));
    form.CBAutoStart->SetChecked(true);
  }
};

}  // namespace tremora::testing
