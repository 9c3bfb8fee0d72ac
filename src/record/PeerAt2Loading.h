#pragma once
// A record of one station from one, two or three PEER .AT2 files, one component each: two
// horizontals and a vertical, put in the channel order of the program (the first horizontal as NS,
// the second as EW, the vertical as UD) by the component text of each file's line 2.

#include <optional>
#include <string>
#include <vector>

#include "record/ReadWarnings.h"
#include "record/RecordSet.h"

namespace tremora {

// For each channel, the index of the file that goes there, from the files' component texts: the
// vertical ("UP", "DWN", "V", "Z") last; of two horizontals the one nearer north-south ("N",
// "360", "180", "H1") first when the other is nearer east-west ("E", "090", "H2"), else the order
// given; three files without a vertical in the order given. nullopt when the texts make no record
// of the program's channels: two verticals, three horizontals, or two files one of them vertical.
std::optional<std::vector<int>> PeerAt2ChannelOrder(const std::vector<std::string>& components);

// Reads the files into record (every file read and checked before it changes): channels, names
// (NS, EW, UD and each file's own component text), station and event of the first file, the
// interval, the samples in gal (the mean removed when asked); SampleCount is the least count read.
// Format PeerAt2, no origin. The filter design is the caller's. Throws FileAccessError for a file
// that cannot be read and RecordFormatError for one that cannot be used, for files whose NPTS, DT
// or station differ, and for components that make no record (PeerAt2ChannelOrder).
// A channel's name for titles: "NS", or with its file's own direction beside it, "NS (180)".
std::string ChannelTitle(const RecordSet& record, int channel);

ReadWarnings ReadPeerAt2RecordFiles(RecordSet& record, const std::vector<std::string>& paths, bool remove_mean);

}  // namespace tremora
