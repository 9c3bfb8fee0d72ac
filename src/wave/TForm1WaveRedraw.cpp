// The waveform redraw of the main window.

#include "app/TForm1.h"

namespace tremora {

void TForm1::BtnWaveClick() {
  // Before a record is loaded there is nothing to draw; the plot keeps what it shows.
  if (!Record.RecordLoaded) return;
  StartControlBusy = false;
}

}  // namespace tremora
