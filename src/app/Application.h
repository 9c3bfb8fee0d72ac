#pragma once
// The running program: its eleven windows, created once in a fixed order and kept until the end.

#include <memory>
#include <string>

namespace tremora {

class TForm1;
class TSpect;
class THowTo;
class TAboutBox;
class TWait;
class TLarge;
class TNextStep;
class TSuper;
class TSiteList;
class TSynthe;
class THRSMList;
class TMetrics;
class WindowsInView;

inline constexpr const char* kApplicationTitle = "TREMORA 3.0";

class Application {
 public:
  // data_folder: the folder of the station tables.
  explicit Application(const std::string& data_folder);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  TForm1& Form1() const { return *form1_; }
  TSpect& Spect() const { return *spect_; }
  THowTo& HowTo() const { return *how_to_; }
  TAboutBox& AboutBox() const { return *about_box_; }
  TWait& Wait() const { return *wait_; }
  TLarge& Large() const { return *large_; }
  TNextStep& NextStep() const { return *next_step_; }
  TSuper& Super() const { return *super_; }
  TSiteList& SiteList() const { return *site_list_; }
  TSynthe& Synthe() const { return *synthe_; }
  TMetrics& Metrics() const { return *metrics_; }
  THRSMList& HRSMList() const { return *hrsm_list_; }

 private:
  // Declared in creation order; destroyed in the reverse order.
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TSpect> spect_;
  std::unique_ptr<THowTo> how_to_;
  std::unique_ptr<TAboutBox> about_box_;
  std::unique_ptr<TWait> wait_;
  std::unique_ptr<TLarge> large_;
  std::unique_ptr<TNextStep> next_step_;
  std::unique_ptr<TSuper> super_;
  std::unique_ptr<TSiteList> site_list_;
  std::unique_ptr<TSynthe> synthe_;
  std::unique_ptr<THRSMList> hrsm_list_;
  std::unique_ptr<TMetrics> metrics_;
  // Keeps every window that is shown inside the screen of the main window.
  std::unique_ptr<WindowsInView> in_view_;
};

}  // namespace tremora
