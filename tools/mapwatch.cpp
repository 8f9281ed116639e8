/* mapwatch: reports top-level windows as they are mapped, for start-up timing and tests.
 *
 *   mapwatch [--ids] [--t0 <unix-ms>] [--until <text>] [--timeout <s>] [--keep] [--launch <cmd...>]
 *   mapwatch --close <window-id | text>
 *
 * Prints "<ms> <title>" (or "<ms> <window-id> <title>" with --ids) for every window mapped as a
 * child of the root window, <ms> counted from --t0 (Unix time in ms), else from the launch of the
 * command, else from mapwatch's own start. Input is selected before the command is started, so no
 * map can be missed. Override-redirect windows (menus, tool tips) are skipped. A window mapped
 * without a title is reported once it gets one; under a window manager the title of the
 * reparented client window is used.
 *
 * Exit: 0 when a title containing --until was seen; without --until, after a launched command
 * ended, its status (a message on stderr tells it); 2 on timeout; 3 when the command ended before
 * --until was seen; 1 on usage or display errors. Unless --keep is given, the launched command
 * (its process group) is ended on exit, also when mapwatch is ended by SIGTERM, SIGINT or SIGHUP.
 *
 * --close sends WM_DELETE_WINDOW to the given window, or to the first viewable top-level window
 * whose title contains the text: what a window manager's close button does.
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

static Display *dpy;
static Atom netWmName, utf8String;

static volatile sig_atomic_t stopSignal;
static void onStop(int sig) { stopSignal = sig; }

static int ignoreErrors(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

static double nowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

/* The window's title, _NET_WM_NAME first, then WM_NAME; "" when it has none or is gone. */
static void titleOf(Window w, char *out, size_t size)
{
    Atom type; int format; unsigned long n, after; unsigned char *data = NULL;
    out[0] = '\0';
    if (XGetWindowProperty(dpy, w, netWmName, 0, 1024, False, utf8String, &type, &format, &n,
                           &after, &data) == Success && data && n > 0) {
        snprintf(out, size, "%s", (char *)data);
    } else {
        char *name = NULL;
        if (XFetchName(dpy, w, &name) && name) {
            snprintf(out, size, "%s", name);
            XFree(name);
        }
    }
    if (data) XFree(data);
}

/* Title of a window or, when it has none (a window manager's frame), of its first titled child. */
static void clientTitle(Window w, char *out, size_t size)
{
    Window root, parent, *kids = NULL; unsigned int n = 0;
    titleOf(w, out, size);
    if (out[0] || !XQueryTree(dpy, w, &root, &parent, &kids, &n)) return;
    for (unsigned int i = 0; i < n && !out[0]; i++) titleOf(kids[i], out, size);
    if (kids) XFree(kids);
}

static int closeWindow(const char *what)
{
    Window target = 0, root = DefaultRootWindow(dpy), r, p, *kids = NULL;
    unsigned int n = 0;
    char *end, title[1024];
    unsigned long id = strtoul(what, &end, 0);
    if (*what && !*end) {
        target = id;
    } else if (XQueryTree(dpy, root, &r, &p, &kids, &n)) {
        for (unsigned int i = 0; i < n && !target; i++) {
            XWindowAttributes a;
            if (!XGetWindowAttributes(dpy, kids[i], &a) || a.map_state != IsViewable) continue;
            clientTitle(kids[i], title, sizeof title);
            if (strstr(title, what)) target = kids[i];
        }
        if (kids) XFree(kids);
    }
    if (!target) { fprintf(stderr, "mapwatch: no window \"%s\"\n", what); return 1; }
    XEvent ev;
    memset(&ev, 0, sizeof ev);
    ev.xclient.type = ClientMessage;
    ev.xclient.window = target;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = (long)XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, target, False, NoEventMask, &ev);
    XSync(dpy, False);
    return 0;
}

static void endChild(pid_t child)
{
    if (child <= 0) return;
    kill(-child, SIGTERM);
    for (int i = 0; i < 40; i++) { /* up to 2 s to end by itself */
        if (waitpid(child, NULL, WNOHANG) == child) return;
        usleep(50000);
    }
    kill(-child, SIGKILL);
    waitpid(child, NULL, 0);
}

static int usage(void)
{
    fprintf(stderr, "usage: mapwatch [--ids] [--t0 <unix-ms>] [--until <text>] [--timeout <s>] "
                    "[--keep] [--launch <cmd...>]\n       mapwatch --close <window-id | text>\n");
    return 1;
}

int main(int argc, char **argv)
{
    const double start = nowMs();
    double t0 = start, timeoutMs = 0;
    const char *until = NULL, *closeWhat = NULL;
    char **cmd = NULL;
    int ids = 0, keep = 0, t0Given = 0;
    for (int i = 1; i < argc; i++) {
        const char *a = argv[i], *v = i + 1 < argc ? argv[i + 1] : NULL;
        if (!strcmp(a, "--ids")) ids = 1;
        else if (!strcmp(a, "--keep")) keep = 1;
        else if (!strcmp(a, "--launch") && v) { cmd = argv + i + 1; break; }
        else if (!v) return usage();
        else if (!strcmp(a, "--until")) until = argv[++i];
        else if (!strcmp(a, "--timeout")) timeoutMs = atof(argv[++i]) * 1000;
        else if (!strcmp(a, "--t0")) t0 = atof(argv[++i]), t0Given = 1;
        else if (!strcmp(a, "--close")) closeWhat = argv[++i];
        else return usage();
    }
    if (!(dpy = XOpenDisplay(NULL))) { fprintf(stderr, "mapwatch: cannot open display\n"); return 1; }
    XSetErrorHandler(ignoreErrors); /* windows may vanish between map and the title query */
    if (closeWhat) return closeWindow(closeWhat);
    netWmName = XInternAtom(dpy, "_NET_WM_NAME", False);
    utf8String = XInternAtom(dpy, "UTF8_STRING", False);
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False); /* the selection is in force before anything is launched */
    setvbuf(stdout, NULL, _IOLBF, 0);

    pid_t child = 0;
    if (cmd) {
        if (!t0Given) t0 = nowMs(); /* launch to map, without mapwatch's own connection */
        child = fork();
        if (child < 0) { perror("mapwatch: fork"); return 1; }
        if (child == 0) {
            close(ConnectionNumber(dpy));
            setpgid(0, 0); /* one group, so a wrapper script and all it starts can be ended */
            execvp(cmd[0], cmd);
            fprintf(stderr, "mapwatch: cannot run %s: %s\n", cmd[0], strerror(errno));
            _exit(127);
        }
        setpgid(child, child);
    }
    /* Ended from outside: the launched command goes too. */
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = onStop;
    sigaction(SIGTERM, &sa, NULL);
    sigaction(SIGINT, &sa, NULL);
    sigaction(SIGHUP, &sa, NULL);

    Window untitled[64]; /* mapped but not yet titled: reported on their first title */
    int nUntitled = 0, fd = ConnectionNumber(dpy);
    char title[1024];
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            Window w = 0;
            if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
                w = ev.xmap.window;
                clientTitle(w, title, sizeof title);
                if (!title[0] && nUntitled < 64) {
                    untitled[nUntitled++] = w;
                    XSelectInput(dpy, w, PropertyChangeMask);
                    continue;
                }
            } else if (ev.type == PropertyNotify) {
                int k = 0;
                while (k < nUntitled && untitled[k] != ev.xproperty.window) k++;
                if (k == nUntitled) continue;
                w = untitled[k];
                titleOf(w, title, sizeof title);
                if (!title[0]) continue;
                untitled[k] = untitled[--nUntitled];
                XSelectInput(dpy, w, NoEventMask);
            } else if (ev.type == DestroyNotify || ev.type == UnmapNotify) {
                Window gone = ev.type == UnmapNotify ? ev.xunmap.window : ev.xdestroywindow.window;
                for (int k = 0; k < nUntitled; k++)
                    if (untitled[k] == gone) untitled[k--] = untitled[--nUntitled];
                continue;
            } else {
                continue;
            }
            if (ids) printf("%.0f 0x%lx %s\n", nowMs() - t0, (unsigned long)w, title);
            else printf("%.0f %s\n", nowMs() - t0, title);
            if (until && strstr(title, until)) {
                if (!keep) endChild(child);
                return 0;
            }
        }
        if (stopSignal) {
            if (!keep) endChild(child);
            return 128 + stopSignal;
        }
        int status;
        if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
            int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            fprintf(stderr, "mapwatch: %s exited with status %d\n", cmd[0], code);
            if (!keep) kill(-child, SIGKILL); /* whatever the command left behind in its group */
            return until ? 3 : code;
        }
        if (timeoutMs > 0 && nowMs() - start >= timeoutMs) {
            fprintf(stderr, "mapwatch: timed out\n");
            if (!keep) endChild(child);
            return 2;
        }
        fd_set in;
        FD_ZERO(&in);
        FD_SET(fd, &in);
        struct timeval tick = {0, 20000}; /* also how often a launched command's end is noticed */
        select(fd + 1, &in, NULL, NULL, &tick);
    }
}
