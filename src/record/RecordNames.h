#pragma once
// The names a load sets before it reads anything. A load that is refused at that stage puts them
// back, so that the record still on screen keeps its own channel count, paths and names.

#include <array>
#include <string>

#include "record/RecordSet.h"

namespace tremora {

class RecordNames {
 public:
  explicit RecordNames(const RecordSet& record)
      : channel_count_(record.ChannelCount),
        paths_(record.ComponentPaths),
        names_(record.ComponentNames),
        base_name_(record.RecordBaseName),
        bundle_path_(record.BundlePath) {}

  void RestoreTo(RecordSet& record) const {
    record.ChannelCount = channel_count_;
    record.ComponentPaths = paths_;
    record.ComponentNames = names_;
    record.RecordBaseName = base_name_;
    record.BundlePath = bundle_path_;
  }

 private:
  int channel_count_;
  std::array<std::string, kMaxChannels> paths_;
  std::array<std::string, kMaxChannels> names_;
  std::string base_name_;
  std::string bundle_path_;
};

}  // namespace tremora
