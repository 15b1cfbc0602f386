// Ending the process when the X server goes away, before anything can wait on it.
#include "lost_display.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>

namespace win32 {

namespace {
// Xlib's own handler calls exit, which runs every static destructor and atexit handler,
// SDL's and the GL driver's among them, against a connection that is gone: one of them
// may wait on it for ever. Nothing can be shown or asked any more, so end here.
int EndProcess(Display*)
{
    std::fputs("The connection to the X server is lost: the game ends.\n", stderr);
    _exit(1);
}
}  // namespace

void EndOnLostDisplay() { XSetIOErrorHandler(EndProcess); }

}  // namespace win32
