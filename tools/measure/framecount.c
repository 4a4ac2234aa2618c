/* framecount: counts how often an X window's content is redrawn, through the DAMAGE extension:
 * every time the window goes from undamaged to damaged counts one drawn frame; the damage is
 * then cleared at once. Prints "frames=N fps=F" for the given number of seconds.
 *
 * Build: cc -O2 -o framecount framecount.c -lX11 -lXdamage
 * Usage: framecount WINDOW_ID SECONDS
 */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double now_s(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: framecount WINDOW_ID SECONDS\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "framecount: no display\n");
        return 1;
    }
    int event_base, error_base;
    if (!XDamageQueryExtension(dpy, &event_base, &error_base)) {
        fprintf(stderr, "framecount: no DAMAGE extension\n");
        return 1;
    }
    const Window w = (Window)strtoul(argv[1], NULL, 0);
    const double seconds = atof(argv[2]);
    Damage damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
    XSync(dpy, False);
    long frames = 0;
    const double start = now_s();
    for (;;) {
        const double left = start + seconds - now_s();
        if (left <= 0)
            break;
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == event_base + XDamageNotify) {
                ++frames;
                XDamageSubtract(dpy, damage, None, None);
            }
        }
        struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, (int)(left * 1000) + 1);
    }
    printf("frames=%ld fps=%.1f\n", frames, frames / seconds);
    return 0;
}
