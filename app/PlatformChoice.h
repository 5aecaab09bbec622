#pragma once
// Which window system the program runs on. The program places its windows itself and gives the
// panel and the views bare title bars; X11 honours both, Wayland leaves placement and title bars
// to the compositor. So where a desktop offers both, the program takes X11.

namespace soyka::app {

// Asks the toolkit for X11 when the user has named no platform and an X11 display is offered;
// otherwise leaves the toolkit's own choice alone. Call before the application object exists.
void ChoosePlatform();

} // namespace soyka::app
