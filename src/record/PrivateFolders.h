#pragma once
// The private folders of unpacked bundles (PrivateFolder, declared with the bundles) as a set: each
// is named after the process that made it, "tremora-<pid>-XXXXXX" under $TMPDIR (else /tmp), so
// that the folders of a run that was killed outright can be told from those of a live one.

#include <string>

namespace tremora {

// The folder private folders are made in: $TMPDIR when set and not empty, else /tmp.
std::string PrivateFoldersBase();

// For the way out of a run cut short by a signal or a closed output, as the process is about to
// end (from any thread, never from a signal handler). HoldPrivateFolders takes the folders for
// good: from then on any thread that makes or removes a private folder waits until the process has
// ended. RemoveOwnPrivateFolders, called after it, removes every folder this process holds,
// whatever their objects are doing.
void HoldPrivateFolders();
void RemoveOwnPrivateFolders();

// Removes the private folders left in PrivateFoldersBase() by processes of this user that no longer
// run (killed outright, or cut off by a power loss). Only directories named as private folders,
// owned by this user, whose process does not exist, are touched. Returns how many were removed.
int RemoveStalePrivateFolders();

}  // namespace tremora
