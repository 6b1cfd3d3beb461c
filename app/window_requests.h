#pragma once

namespace chronavell {

// Sends whatever the X11 connection still holds back. Qt writes a window title as two
// properties, one at once and the other through Xlib, whose buffer waits for the next flush:
// the X server then echoes the two changes separately and the window wakes twice for them.
// Sent together, they come back together. Does nothing on any other window system.
void SendWindowRequests();

} // namespace chronavell
