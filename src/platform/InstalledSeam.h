#pragma once
// A seam to the outside world that tests replace: the desktop's implementation unless another has
// been installed. Installing returns the one it replaces, so that a test can put it back.

#include <utility>

namespace tremora {

template <typename Interface>
class InstalledSeam {
 public:
  Interface& Current(Interface& desktop) const { return installed_ != nullptr ? *installed_ : desktop; }
  Interface* Install(Interface* replacement) { return std::exchange(installed_, replacement); }

 private:
  Interface* installed_ = nullptr;
};

}  // namespace tremora
