// SPDX-License-Identifier: GPL-3.0-or-later
/* framecount: counts how often an X window's content is redrawn, through the DAMAGE extension:
 * every time the window goes from undamaged to damaged counts one drawn frame; the damage is
 * then cleared at once. Prints "frames=N fps=F" for the given number of seconds; with a
 * rectangle of the window (a playfield), also "in_rect_fps=R": the frames that drew inside it.
 *
 * Build: cc -O2 -o framecount framecount.c -lX11 -lXdamage -lXfixes
 * Usage: framecount WINDOW_ID SECONDS [X Y W H]
 */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>

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
    if (argc != 3 && argc != 7) {
        fprintf(stderr, "usage: framecount WINDOW_ID SECONDS [X Y W H]\n");
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
    const int with_rect = argc == 7;
    const int rx = with_rect ? atoi(argv[3]) : 0, ry = with_rect ? atoi(argv[4]) : 0;
    const int rw = with_rect ? atoi(argv[5]) : 0, rh = with_rect ? atoi(argv[6]) : 0;
    Damage damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
    XserverRegion parts = XFixesCreateRegion(dpy, NULL, 0);
    XSync(dpy, False);
    long frames = 0, in_rect = 0;
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
                XDamageSubtract(dpy, damage, None, parts);
                if (with_rect) {
                    int n = 0;
                    XRectangle* r = XFixesFetchRegion(dpy, parts, &n);
                    int hit = 0;
                    for (int i = 0; i < n && !hit; ++i)
                        hit = r[i].x < rx + rw && rx < r[i].x + r[i].width && r[i].y < ry + rh &&
                              ry < r[i].y + r[i].height;
                    if (r)
                        XFree(r);
                    in_rect += hit;
                }
            }
        }
        struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, (int)(left * 1000) + 1);
    }
    if (with_rect)
        printf("frames=%ld fps=%.1f in_rect_fps=%.1f\n", frames, frames / seconds,
               in_rect / seconds);
    else
        printf("frames=%ld fps=%.1f\n", frames, frames / seconds);
    return 0;
}
