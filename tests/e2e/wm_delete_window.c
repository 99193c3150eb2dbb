/* Asks a top-level X window to close, the way a window manager does when the user clicks the
 * close box: a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. Qt answers it with a
 * QCloseEvent, so the window goes through its normal close path (unlike xdotool windowclose,
 * which destroys the X window under the toolkit, or windowkill, which cuts the connection).
 *
 * Usage: wm_delete_window WINDOW-ID   (decimal or 0x hex, as xdotool prints it)
 * Exit status: 0 sent, 1 the window does not take part in WM_DELETE_WINDOW or the request
 * failed, 2 bad arguments or no display. */

#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>

static int failedRequest = 0;

static int noteError(Display* display, XErrorEvent* error) {
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    fprintf(stderr, "wm_delete_window: X error: %s\n", text);
    failedRequest = 1;
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    char* end = NULL;
    const unsigned long id = strtoul(argv[1], &end, 0);
    if (id == 0 || end == argv[1] || *end != '\0') {
        fprintf(stderr, "wm_delete_window: not a window id: %s\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "wm_delete_window: cannot open display %s\n", XDisplayName(NULL));
        return 2;
    }
    XSetErrorHandler(noteError);

    const Window window = (Window)id;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    /* A window manager only sends the message to windows that ask for it. */
    int takesDelete = 0;
    Atom* list = NULL;
    int count = 0;
    if (XGetWMProtocols(display, window, &list, &count)) {
        for (int i = 0; i < count; ++i)
            if (list[i] == deleteWindow)
                takesDelete = 1;
        XFree(list);
    }
    if (failedRequest || !takesDelete) {
        fprintf(stderr, "wm_delete_window: window 0x%lx does not take WM_DELETE_WINDOW\n", id);
        XCloseDisplay(display);
        return 1;
    }

    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)deleteWindow;
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    if (!sent || failedRequest) {
        fprintf(stderr, "wm_delete_window: sending to window 0x%lx failed\n", id);
        return 1;
    }
    return 0;
}
