// SPDX-License-Identifier: GPL-3.0-or-later
/* mapwatch: starts a program on the current X display and reports, on one line,
 *   map_ms      exec to the MapNotify of its first normal top-level window
 *               (a window asking to stay below the others, a backdrop, does not count; it is
 *               lowered, as a window manager would, so that it cannot hide the others)
 *   drawn_ms    exec to the last change of that window's content outside the parts that are
 *               still changing at the end of the observation (the running animations)
 *               (the cells changing in the second half of the observation, --observe ms,
 *               changing 8 times or more, or leaving their final content and coming back)
 *   drawn_cpu_ms  the program's utime+stime (all threads) by then, 10 ms steps
 *   main_run_ms / main_wait_ms  its main thread's time on a CPU and waiting for a CPU by then:
 *               on a busy machine the wait explains a slow start
 *   quiet_ms    exec to the first moment the whole content stays unchanged for 100 ms
 *               (-1 when animations never leave it quiet that long)
 *   hwm_kb      VmHWM at --memory-at seconds after exec
 *   cpu_pct     utime+stime of the program over the following --cpu-for seconds, in % of one core
 *   xcpu_pct    the same for the X server (--server-pid), the drawing done on the program's behalf
 *
 * The window is read with MIT-SHM every 10 ms and hashed in a 32 x 32 grid of cells, so the
 * sampling costs the machine little while the program starts.
 *
 * Build: cc -O2 -o mapwatch mapwatch.c -lX11 -lXext
 * Usage: mapwatch [--observe MS] [--min-size WxH] [--debug 1] [--memory-at S] [--cpu-for S] [--server-pid PID]
 *                 [--shot FILE.ppm] -- program [args...]
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

/* Every 10 ms while the window is new, then every 50 ms: the later samples only need to find the
 * parts that keep changing (the menu's clips loop in 3 to 4 s). */
enum { GRID = 32, CELLS = GRID * GRID, SAMPLE_MS = 10, FINE_MS = 1500, COARSE_MS = 50, QUIET_MS = 100 };
/* More changes than a start-up's few repaints make a cell part of an animation. */
enum { ANIM_CHANGES = 8 };

static double t0;
static pid_t child;

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static void sleep_until(double ms_after_start)
{
    for (;;) {
        const double left = t0 + ms_after_start - now_ms();
        if (left <= 0)
            return;
        struct timespec ts = {(time_t)(left / 1000), (long)((left - (time_t)(left / 1000) * 1000) * 1e6)};
        nanosleep(&ts, NULL);
    }
}

static void fail(const char* what)
{
    fprintf(stderr, "mapwatch: %s\n", what);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
    }
    exit(1);
}

static int x_error_seen;
static int on_x_error(Display* d, XErrorEvent* e)
{
    (void)d;
    (void)e;
    x_error_seen = 1;  // the window vanished or changed size under a read: that sample is skipped
    return 0;
}

static int has_state_below(Display* d, Window w, Atom state, Atom below)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    int found = 0;
    if (XGetWindowProperty(d, w, state, 0, 64, False, XA_ATOM, &type, &format, &n, &after, &data) ==
            Success &&
        data && format == 32) {
        const Atom* atoms = (const Atom*)data;
        for (unsigned long i = 0; i < n; ++i)
            found |= atoms[i] == below;
    }
    if (data)
        XFree(data);
    return found;
}

static long window_pid(Display* d, Window w, Atom pid_atom)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    long pid = -1;
    if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &data) ==
            Success &&
        data && n == 1)
        pid = (long)*(const unsigned long*)data;
    if (data)
        XFree(data);
    return pid;
}

/* utime + stime in clock ticks; -1 when the process is gone. */
static long long cpu_ticks(pid_t pid)
{
    char path[64], buf[4096];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    const size_t len = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[len] = 0;
    const char* p = strrchr(buf, ')');  // the command name may hold blanks and parentheses
    if (!p)
        return -1;
    unsigned long long ut = 0, st = 0;
    /* after ")": state(3) ppid pgrp session tty tpgid flags minflt cminflt majflt cmajflt utime(14) stime(15) */
    if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &ut, &st) != 2)
        return -1;
    return (long long)(ut + st);
}

/* The main thread's time on a CPU and waiting for one, in ms (/proc/PID/schedstat). */
static int sched_ms(pid_t pid, double* run, double* wait)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/schedstat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return 0;
    unsigned long long r = 0, w = 0;
    const int ok = fscanf(f, "%llu %llu", &r, &w) == 2;
    fclose(f);
    *run = r / 1e6;
    *wait = w / 1e6;
    return ok;
}

static long status_kb(pid_t pid, const char* key)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long kb = -1;
    const size_t klen = strlen(key);
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, klen) == 0 && line[klen] == ':') {
            kb = strtol(line + klen + 1, NULL, 10);
            break;
        }
    fclose(f);
    return kb;
}

static void hash_cells(const XImage* img, uint32_t* cells)
{
    const int w = img->width, h = img->height;
    for (int c = 0; c < CELLS; ++c)
        cells[c] = 2166136261u;
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = (const uint32_t*)(img->data + (size_t)y * img->bytes_per_line);
        uint32_t* line = cells + (y * GRID / h) * GRID;
        for (int cx = 0; cx < GRID; ++cx) {
            uint32_t c = line[cx];
            for (int x = cx * w / GRID, end = (cx + 1) * w / GRID; x < end; ++x)
                c = (c ^ (row[x] & 0xffffffu)) * 16777619u;
            line[cx] = c;
        }
    }
}

static void save_ppm(const XImage* img, const char* file)
{
    FILE* f = fopen(file, "wb");
    if (!f)
        return;
    fprintf(f, "P6\n%d %d\n255\n", img->width, img->height);
    for (int y = 0; y < img->height; ++y) {
        const uint32_t* row = (const uint32_t*)(img->data + (size_t)y * img->bytes_per_line);
        for (int x = 0; x < img->width; ++x) {
            const unsigned char rgb[3] = {(unsigned char)(row[x] >> 16), (unsigned char)(row[x] >> 8),
                                          (unsigned char)row[x]};
            fwrite(rgb, 1, 3, f);
        }
    }
    fclose(f);
}

int main(int argc, char** argv)
{
    int observe_ms = 9000, memory_at = 10, cpu_for = 20, debug = 0, min_w = 0, min_h = 0;
    pid_t server = 0;
    const char* shot = NULL;
    int i = 1;
    for (; i < argc; ++i) {
        if (!strcmp(argv[i], "--")) {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            fail("option without value");
        if (!strcmp(argv[i], "--observe"))
            observe_ms = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--memory-at"))
            memory_at = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--cpu-for"))
            cpu_for = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--server-pid"))
            server = (pid_t)atoi(argv[++i]);
        else if (!strcmp(argv[i], "--min-size")) {
            if (sscanf(argv[++i], "%dx%d", &min_w, &min_h) != 2)
                fail("--min-size wants WxH");
        } else if (!strcmp(argv[i], "--debug"))
            debug = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--shot"))
            shot = argv[++i];
        else
            fail("unknown option");
    }
    if (i >= argc)
        fail("no program given (mapwatch [options] -- program args)");

    Display* d = XOpenDisplay(NULL);
    if (!d)
        fail("cannot open the display");
    if (!XShmQueryExtension(d))
        fail("the X server has no MIT-SHM");
    XSetErrorHandler(on_x_error);
    const Window root = DefaultRootWindow(d);
    const Atom net_state = XInternAtom(d, "_NET_WM_STATE", False);
    const Atom net_below = XInternAtom(d, "_NET_WM_STATE_BELOW", False);
    const Atom net_pid = XInternAtom(d, "_NET_WM_PID", False);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);
    const int xfd = ConnectionNumber(d);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);

    t0 = now_ms();
    child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        execvp(argv[i], argv + i);
        _exit(127);
    }

    /* 1. the map */
    Window target = 0;
    double map_ms = -1, backdrop_ms = -1;
    while (!target) {
        while (XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type != MapNotify || ev.xmap.override_redirect || ev.xmap.event != root)
                continue;
            const double at = now_ms() - t0;
            const Window w = ev.xmap.window;
            const long owner = window_pid(d, w, net_pid);
            if (owner != -1 && owner != child)
                continue;  // somebody else's window
            if (has_state_below(d, w, net_state, net_below)) {
                // What a window manager does with the hint; bare Xvfb has none.
                XLowerWindow(d, w);
                XFlush(d);
                if (backdrop_ms < 0)
                    backdrop_ms = at;
                continue;
            }
            XWindowAttributes wa = {0};
            if (!XGetWindowAttributes(d, w, &wa) || wa.width < min_w || wa.height < min_h) {
                fprintf(stderr, "mapwatch: skipped a %dx%d window mapped at %.1f ms\n", wa.width, wa.height, at);
                continue;  // a message box, not the window to measure
            }
            target = w;
            map_ms = at;
            break;
        }
        if (target)
            break;
        if (waitpid(child, NULL, WNOHANG) == child) {
            child = 0;
            fail("the program ended before it mapped a window");
        }
        if (now_ms() - t0 > 30000)
            fail("no window mapped within 30 s");
        struct pollfd p = {xfd, POLLIN, 0};
        poll(&p, 1, 5);
    }

    /* 2. the drawing, sampled until observe_ms after the map */
    const int max_samples = FINE_MS / SAMPLE_MS + observe_ms / COARSE_MS + 16;
    double* times = calloc((size_t)max_samples, sizeof *times);
    long long* ticks = calloc((size_t)max_samples, sizeof *ticks);
    double* run = calloc((size_t)max_samples, sizeof *run);
    double* wait = calloc((size_t)max_samples, sizeof *wait);
    uint32_t* hashes = calloc((size_t)max_samples * CELLS, sizeof *hashes);
    if (!times || !ticks || !run || !wait || !hashes)
        fail("out of memory");
    int n = 0;
    XImage* img = NULL;
    XShmSegmentInfo shm = {0};
    int img_w = 0, img_h = 0;
    double next = map_ms;
    while (n < max_samples && next <= map_ms + observe_ms) {
        sleep_until(next);
        next += next - map_ms < FINE_MS ? SAMPLE_MS : COARSE_MS;
        XWindowAttributes wa;
        x_error_seen = 0;
        if (!XGetWindowAttributes(d, target, &wa) || x_error_seen || wa.map_state != IsViewable)
            continue;
        if (!img || wa.width != img_w || wa.height != img_h) {
            if (img) {
                XShmDetach(d, &shm);
                XDestroyImage(img);
                shmdt(shm.shmaddr);
            }
            img = XShmCreateImage(d, wa.visual, (unsigned)wa.depth, ZPixmap, NULL, &shm,
                                  (unsigned)wa.width, (unsigned)wa.height);
            if (!img || img->bits_per_pixel != 32)
                fail("the window is not a 24/32-bit TrueColor window");
            shm.shmid = shmget(IPC_PRIVATE, (size_t)img->bytes_per_line * img->height, IPC_CREAT | 0600);
            if (shm.shmid < 0)
                fail("shmget failed");
            shm.shmaddr = img->data = shmat(shm.shmid, NULL, 0);
            shm.readOnly = False;
            XShmAttach(d, &shm);
            XSync(d, False);
            shmctl(shm.shmid, IPC_RMID, NULL);
            img_w = wa.width;
            img_h = wa.height;
        }
        x_error_seen = 0;
        if (!XShmGetImage(d, target, img, 0, 0, AllPlanes) || (XSync(d, False), x_error_seen))
            continue;
        times[n] = now_ms() - t0;
        ticks[n] = cpu_ticks(child);
        sched_ms(child, &run[n], &wait[n]);
        hash_cells(img, hashes + (size_t)n * CELLS);
        ++n;
    }
    if (n < 2)
        fail("the window could not be read");
    if (shot)
        save_ppm(img, shot);
    XShmDetach(d, &shm);
    XDestroyImage(img);
    shmdt(shm.shmaddr);

    /* The animations: cells still changing in the last half of the observation, cells changing
     * again and again, and cells that leave their final content and come back to it (a loop; on a
     * busy machine a starved clip may stall for longer than half the observation). */
    const double anim_from = times[n - 1] - observe_ms / 2.0;
    static unsigned char animated[CELLS];
    int animated_cells = 0;
    for (int c = 0; c < CELLS; ++c) {
        int changes = 0;
        for (int k = 1; k < n; ++k)
            if (hashes[(size_t)k * CELLS + c] != hashes[(size_t)(k - 1) * CELLS + c]) {
                ++changes;
                if (times[k] >= anim_from)
                    animated[c] = 1;
            }
        if (changes >= ANIM_CHANGES)
            animated[c] = 1;
        const uint32_t final = hashes[(size_t)(n - 1) * CELLS + c];
        int reached = 0;
        for (int k = 0; k < n && !animated[c]; ++k) {
            const int same = hashes[(size_t)k * CELLS + c] == final;
            if (reached && !same)
                animated[c] = 1;
            reached |= same;
        }
        animated_cells += animated[c];
    }
    /* drawn: the first sample from which every other cell keeps its final content */
    int settled = 0;
    for (int k = n - 1; k >= 1; --k) {
        int same = 1;
        for (int c = 0; c < CELLS && same; ++c)
            if (!animated[c] && hashes[(size_t)k * CELLS + c] != hashes[(size_t)(k - 1) * CELLS + c])
                same = 0;
        if (!same) {
            settled = k;
            break;
        }
    }
    const double drawn_ms = times[settled];
    const double drawn_cpu_ms = ticks[settled] * 1000.0 / (double)sysconf(_SC_CLK_TCK);
    if (debug)  /* where the last changes happened */
        for (int c = 0; c < CELLS; ++c) {
            int last = 0;
            for (int k = 1; k < n; ++k)
                if (hashes[(size_t)k * CELLS + c] != hashes[(size_t)(k - 1) * CELLS + c])
                    last = k;
            if (times[last] >= drawn_ms - 50)
                fprintf(stderr, "cell %2d,%2d (x %d, y %d) %s last change %.1f ms\n", c % GRID, c / GRID,
                        c % GRID * img_w / GRID, c / GRID * img_h / GRID, animated[c] ? "animated" : "static",
                        times[last]);
        }
    /* quiet: the first sample after which the whole window stays unchanged for QUIET_MS */
    double quiet_ms = -1;
    for (int k = 0; k < n && quiet_ms < 0; ++k) {
        int j = k + 1;
        for (; j < n; ++j)
            if (memcmp(hashes + (size_t)j * CELLS, hashes + (size_t)k * CELLS, CELLS * sizeof *hashes))
                break;
        if (j < n ? times[j] - times[k] >= QUIET_MS : times[n - 1] - times[k] >= QUIET_MS)
            quiet_ms = times[k];
    }

    /* 3. memory and idle CPU */
    long hwm_kb = -1;
    double cpu_pct = -1, xcpu_pct = -1;
    if (memory_at > 0) {
        sleep_until(memory_at * 1000.0);
        hwm_kb = status_kb(child, "VmHWM");
    }
    if (cpu_for > 0) {
        const double hz = (double)sysconf(_SC_CLK_TCK);
        const double a = now_ms();
        const long long p0 = cpu_ticks(child), s0 = server ? cpu_ticks(server) : -1;
        sleep_until(a - t0 + cpu_for * 1000.0);
        const long long p1 = cpu_ticks(child), s1 = server ? cpu_ticks(server) : -1;
        const double secs = (now_ms() - a) / 1000.0;
        if (p0 >= 0 && p1 >= 0)
            cpu_pct = 100.0 * (double)(p1 - p0) / hz / secs;
        if (s0 >= 0 && s1 >= 0)
            xcpu_pct = 100.0 * (double)(s1 - s0) / hz / secs;
    }
    const long rss_kb = status_kb(child, "VmRSS");
    const int alive = waitpid(child, NULL, WNOHANG) == 0;

    kill(child, SIGTERM);  /* a program that keeps running on SIGTERM is killed after 0.5 s */
    for (int k = 0; k < 50 && waitpid(child, NULL, WNOHANG) == 0; ++k)
        usleep(10000);
    if (kill(child, 0) == 0) {
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
    }

    printf("map_ms=%.1f drawn_ms=%.1f drawn_cpu_ms=%.0f main_run_ms=%.1f main_wait_ms=%.1f quiet_ms=%.1f backdrop_ms=%.1f animated_cells=%d/%d samples=%d "
           "hwm_kb=%ld rss_kb=%ld cpu_pct=%.2f xcpu_pct=%.2f alive=%d\n",
           map_ms, drawn_ms, drawn_cpu_ms, run[settled], wait[settled], quiet_ms, backdrop_ms, animated_cells, CELLS, n, hwm_kb, rss_kb, cpu_pct,
           xcpu_pct, alive);
    XCloseDisplay(d);
    return alive || (memory_at == 0 && cpu_for == 0) ? 0 : 2;
}
