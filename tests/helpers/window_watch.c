/* Watches a running launcher from outside while something is done to it:
 * sends its window a _NET_WM_PING every 50 ms and times the reply (the window
 * thread answers it between two events), and samples the process's thread
 * count (/proc/PID/status) every few milliseconds. Runs until the file STOP
 * exists or the process ends, then prints one line:
 *   watch: pings=N lost=N median_ms=X max_ms=X worst_at_s=X max_threads=N threads_at_s=X
 * A ping unanswered for 5 s is counted lost (and as 5000 ms).
 * Usage: window_watch PID WINDOW-ID STOP-FILE */
#include <xcb/xcb.h>

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kPingEveryMs = 50, kSampleMs = 5, kLostMs = 5000, kMaxPings = 100000 };

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t found = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return found;
}

/* The thread count of the process; -1 once it is gone. */
static int threads(const char *status)
{
    FILE *file = fopen(status, "r");
    if (!file)
        return -1;
    char line[256];
    int count = -1;
    while (fgets(line, sizeof line, file)) {
        if (sscanf(line, "Threads: %d", &count) == 1)
            break;
    }
    fclose(file);
    return count;
}

static int by_value(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static double *times;
static int pings, lost, max_threads;
static double worst, worst_at, threads_at, start;
static char status[64];

static void sample(void)
{
    const int count = threads(status);
    if (count > max_threads) {
        max_threads = count;
        threads_at = now_ms() - start;
    }
}

/* Waits for the answer to ping number seq, sampling threads meanwhile; its time in ms. */
static double answer(xcb_connection_t *c, xcb_atom_t protocols, xcb_atom_t ping, uint32_t seq, double sent,
                     const char *stop)
{
    struct pollfd wait = {xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t *event;
        while ((event = xcb_poll_for_event(c))) {
            const xcb_client_message_event_t *message = (const xcb_client_message_event_t *)event;
            const int ours = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE && message->type == protocols &&
                             message->data.data32[0] == ping && message->data.data32[1] == seq;
            free(event);
            if (ours)
                return now_ms() - sent;
        }
        if (xcb_connection_has_error(c))
            return -1;
        sample();
        if (now_ms() - sent > kLostMs || access(stop, F_OK) == 0 || threads(status) < 0)
            return -1;
        poll(&wait, 1, kSampleMs);
    }
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: window_watch PID WINDOW-ID STOP-FILE\n");
        return 2;
    }
    snprintf(status, sizeof status, "/proc/%s/status", argv[1]);
    const xcb_window_t window = (xcb_window_t)strtoul(argv[2], NULL, 0);
    const char *stop = argv[3];
    int screen_number = 0;
    xcb_connection_t *c = xcb_connect(NULL, &screen_number);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "window_watch: no X display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen_number; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS"), ping = atom(c, "_NET_WM_PING");
    /* The answer is sent to the root window, for whoever watches its structure (Qt: STRUCTURE_NOTIFY
     * or SUBSTRUCTURE_REDIRECT; the second is the window manager's alone). */
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    times = malloc(sizeof *times * kMaxPings);
    start = now_ms();
    while (pings < kMaxPings && access(stop, F_OK) != 0 && threads(status) >= 0) {
        xcb_client_message_event_t message;
        memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = ping;
        message.data.data32[1] = (uint32_t)pings + 1; /* the "time stamp": which ping this is */
        message.data.data32[2] = window;
        const double sent = now_ms();
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char *)&message);
        xcb_flush(c);
        double took = answer(c, protocols, ping, (uint32_t)pings + 1, sent, stop);
        if (took < 0) {
            if (now_ms() - sent <= kLostMs)
                break; /* stopped, or the process ended, while waiting */
            ++lost;
            took = kLostMs;
        }
        if (took > worst) {
            worst = took;
            worst_at = sent - start;
        }
        times[pings++] = took;
        while (now_ms() - sent < kPingEveryMs && access(stop, F_OK) != 0) {
            sample();
            usleep(kSampleMs * 1000);
        }
    }
    qsort(times, (size_t)pings, sizeof *times, by_value);
    const double median = pings ? times[pings / 2] : 0;
    printf("watch: pings=%d lost=%d median_ms=%.1f max_ms=%.1f worst_at_s=%.1f max_threads=%d threads_at_s=%.1f\n",
           pings, lost, median, worst, worst_at / 1e3, max_threads, threads_at / 1e3);
    free(times);
    xcb_disconnect(c);
    return 0;
}
