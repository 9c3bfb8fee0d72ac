#pragma once
// The program's side of what is kept between runs (platform/RememberedState): the recent files of
// the ファイル menu, the folders the dialogs open in, and the windows' places. Restored once the
// windows exist, stored when the program ends. Every control still starts as it always has.

namespace tremora {

class Application;

void RestoreRemembered(Application& application);
// False when the store would not take it; the next run then starts as this one did.
bool StoreRemembered(const Application& application);

}  // namespace tremora
