// How long a window's thread keeps the window waiting: pings the window again and again
// (_NET_WM_PING, which Qt answers on its window thread) until SIGTERM or SIGINT, then prints the
// longest wait for an answer in milliseconds and the number of answers. A ping still unanswered
// at the end counts with its wait so far.
// Usage: window_ping WINDOW_ID
#include <xcb/xcb.h>

#include <poll.h>
#include <time.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

volatile std::sig_atomic_t stopping = 0;

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_ping WINDOW_ID\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[1], nullptr, 0));
    std::signal(SIGTERM, [](int) { stopping = 1; });
    std::signal(SIGINT, [](int) { stopping = 1; });

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_ping: no X display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t ping = atom(connection, "_NET_WM_PING");
    // Qt sends the answer to the root window, for clients that watch its structure or redirect
    // what is under it (the window manager); this one watches its structure.
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);

    double longest = 0;
    long answers = 0;
    for (uint32_t stamp = 1; !stopping; ++stamp) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = ping;
        message.data.data32[1] = stamp;
        message.data.data32[2] = window;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection);
        const double sent = nowMs();
        bool answered = false;
        while (!answered && !stopping) {
            pollfd ready{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&ready, 1, 10);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
                if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                    const auto* reply = reinterpret_cast<xcb_client_message_event_t*>(event);
                    answered = answered ||
                               (reply->data.data32[0] == ping && reply->data.data32[1] == stamp);
                }
                std::free(event);
            }
            if (xcb_connection_has_error(connection)) stopping = 1;
        }
        longest = std::max(longest, nowMs() - sent);
        if (answered) ++answers;
        timespec pause{0, 20'000'000};
        nanosleep(&pause, nullptr);
    }
    std::printf("%.0f %ld\n", longest, answers);
    xcb_disconnect(connection);
    return 0;
}
