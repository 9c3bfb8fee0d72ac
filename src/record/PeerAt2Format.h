#pragma once
// PEER ground-motion database acceleration files (.AT2): four header lines (database; event,
// station and component; units and filter corners; the sample count and interval), then the
// accelerations in g, free format. One file is one component.

#include <string>
#include <string_view>
#include <vector>

#include "record/ReadWarnings.h"

namespace tremora {

constexpr int kPeerAt2HeaderLines = 4;
constexpr int kPeerAt2CountLine = 4;
// Standard gravity in cm/s²: the files give g, the program works in gal.
constexpr long double kStandardGravityGal = 980.665L;

struct PeerAt2Header {
  // Line 2, "CHALFANT VALLEY 07/21/86 14:42, BISHOP - LADWP SOUTH, 180 (CDMG STATION 54171)" or
  // "Imperial Valley-02, 5/19/1940, El Centro Array #9, 180": its last comma-separated field is
  // the component, the one before it the station, everything before that the event. Decoded and
  // made visible.
  std::string Event;
  std::string Station;
  std::string Component;  // the last field up to its first blank or parenthesis: "180", "N", "UP"
  int AnnouncedSamples = 0;  // NPTS
  double Interval = 0;       // DT, s
};

struct PeerAt2File {
  PeerAt2Header header;
  std::vector<float> samples;  // gal, at most NPTS and at most kChannelCapacity
};

// The header's shape: line 4 gives NPTS and DT in one of the forms the reader takes. Never
// throws; looks at the first four complete lines of head only.
bool LooksLikePeerAt2(std::string_view head);

// NPTS and DT of line 4: "NPTS=  7996, DT= .00500 SEC" (the keys in either order, blanks around
// "=" as they come) or the older "7996  .00500  NPTS, DT". False for any other wording.
bool ReadPeerAt2Counts(std::string_view line, int& samples, double& interval);

// Reads a file's header and samples, converted to gal. Throws FileAccessError when it cannot be
// read and RecordFormatError, naming the file and line, for a header that is short, a line 4 in no
// known form, NPTS below 1, DT outside (0, 1] s, units other than g on line 3, or a value that is
// no number. Fewer values than NPTS, and more than a channel keeps, go to warnings when given.
PeerAt2File ReadPeerAt2File(const std::string& path, ReadWarnings* warnings = nullptr);
PeerAt2File ParsePeerAt2(std::string_view content, const std::string& path, ReadWarnings* warnings = nullptr);

}  // namespace tremora
