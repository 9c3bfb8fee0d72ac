#include "app/Application.h"

#include <QApplication>

#include "app/Remembering.h"
#include "app/SecondaryWindows.h"
#include "app/TAboutBox.h"
#include "app/TForm1.h"
#include "app/THRSMList.h"
#include "app/THowTo.h"
#include "app/TSiteList.h"
#include "app/TSynthe.h"
#include "analysis/TMetrics.h"
#include "graph/TLarge.h"
#include "graph/TNextStep.h"
#include "graph/TSuper.h"
#include "platform/WindowPlacement.h"
#include "spectrum/TSpect.h"
#include "wave/TWait.h"

namespace tremora {

Application::Application(const std::string& data_folder) {
  // The main window comes first: its creation reads the station tables and touches no other window.
  form1_ = std::make_unique<TForm1>(*this, data_folder);
  spect_ = std::make_unique<TSpect>(*this);
  how_to_ = std::make_unique<THowTo>();
  about_box_ = std::make_unique<TAboutBox>();
  wait_ = std::make_unique<TWait>();
  large_ = std::make_unique<TLarge>(*this);
  next_step_ = std::make_unique<TNextStep>(*this);
  super_ = std::make_unique<TSuper>(*this);
  site_list_ = std::make_unique<TSiteList>();
  synthe_ = std::make_unique<TSynthe>(*this);
  metrics_ = std::make_unique<TMetrics>(*this);
  hrsm_list_ = std::make_unique<THRSMList>();
  RestoreRemembered(*this);
  in_view_ = std::make_unique<WindowsInView>(*form1_);
  if (qApp != nullptr) qApp->installEventFilter(in_view_.get());
}

// A store that will not take them loses only this run's recent files, folders and places.
Application::~Application() { StoreRemembered(*this); }

}  // namespace tremora
