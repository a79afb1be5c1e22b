/* Asks the window with the given title to close, the way a window manager does:
 * a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <string.h>

static void ask_to_close(Display* d, Window w) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
}

/* Sends the request to every window with the title; returns how many there were. */
static int close_all(Display* d, Window w, const char* title) {
    int count = 0;
    char* name = NULL;
    if (XFetchName(d, w, &name) && name) {
        if (strcmp(name, title) == 0) {
            ask_to_close(d, w);
            ++count;
        }
        XFree(name);
    }
    Window root, parent, *children = NULL;
    unsigned n = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned i = 0; i < n; ++i) count += close_all(d, children[i], title);
        if (children) XFree(children);
    }
    return count;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW_TITLE\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "wm_close: cannot open display\n");
        return 1;
    }
    const int found = close_all(d, DefaultRootWindow(d), argv[1]);
    XFlush(d);
    XCloseDisplay(d);
    if (!found) fprintf(stderr, "wm_close: no window titled '%s'\n", argv[1]);
    return found ? 0 : 1;
}
