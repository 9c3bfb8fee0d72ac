#pragma once
// The load of a record file the user named, told by its content: a JMA strong-motion CSV file is
// a three-component record by itself; any other file is a K-NET / KiK-net component file loaded
// with its partners (whose load also names a file that is neither). Both come back in the K-NET
// load's result, so the window and the batch tool show every record the same way.

#include "wave/KnetRecordLoad.h"

namespace tremora {

// A JMA CSV file into a fresh record set with its band-pass design. request.three_components is
// not looked at: the file holds all three. The outcome is Loaded (the station is the file's own);
// the header labels leave the unknown earthquake empty. Throws FileAccessError or
// RecordFormatError as ReadJmaCsvRecord does.
KnetLoadResult ReadJmaRecord(const KnetLoadRequest& request);

// ReadJmaRecord or ReadKnetRecord, by the content of request.path.
KnetLoadResult ReadRecordFile(const StationTables& stations, const KnetLoadRequest& request);

}  // namespace tremora
