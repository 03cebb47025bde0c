// SPDX-License-Identifier: MIT
#include "tools/X11Windows.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>

namespace tp::bench {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

} // namespace

X11Windows::X11Windows() {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&it);
    }
    connection_ = c;
    root_ = it.data->root;
}

X11Windows::~X11Windows() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

void X11Windows::WatchTopLevelMaps() {
    pidAtom_ = Atom("_NET_WM_PID");
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    // The server must have the mask before anything is started.
    Sync();
}

std::optional<X11Windows::Mapped> X11Windows::WaitForMap(pid_t pid,
                                                         std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
            const auto received = std::chrono::steady_clock::now();
            XcbReply<xcb_generic_event_t> event(raw);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect != 0) {
                continue; // menus and tooltips are not the main window
            }
            const auto owner = WindowPid(map->window);
            if (owner && static_cast<pid_t>(*owner) == pid) {
                return Mapped{map->window, received};
            }
        }
        if (xcb_connection_has_error(connection_) != 0) {
            return std::nullopt;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}

std::vector<xcb_window_t> X11Windows::FindByTitle(std::string_view part) {
    std::vector<xcb_window_t> found;
    XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
    if (!tree) {
        return found;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        const xcb_window_t window = children[i];
        XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
            continue;
        }
        if (Title(window).find(part) != std::string::npos) {
            found.push_back(window);
        }
    }
    return found;
}

void X11Windows::RequestClose(xcb_window_t window) {
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("WM_PROTOCOLS");
    message.data.data32[0] = Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    Sync();
}

void X11Windows::Sync() {
    // A request still unread by the server when the connection closes can be dropped with it:
    // a close sent just before exiting was lost about one time in three without this.
    XcbReply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

std::string X11Windows::Picture(xcb_window_t window) {
    XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (!geometry || geometry->depth != 24) {
        return {};
    }
    XcbReply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection_,
                            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr));
    const std::size_t pixels = std::size_t{geometry->width} * geometry->height;
    if (!image || static_cast<std::size_t>(xcb_get_image_data_length(image.get())) < pixels * 4) {
        return {};
    }
    // A depth of 24 comes as four bytes a pixel: blue, green, red, unused.
    const std::uint8_t* data = xcb_get_image_data(image.get());
    std::string ppm = "P6\n" + std::to_string(geometry->width) + " " +
                      std::to_string(geometry->height) + "\n255\n";
    for (std::size_t i = 0; i < pixels; ++i) {
        ppm += static_cast<char>(data[4 * i + 2]);
        ppm += static_cast<char>(data[4 * i + 1]);
        ppm += static_cast<char>(data[4 * i]);
    }
    return ppm;
}

std::string X11Windows::Title(xcb_window_t window) {
    // The UTF-8 title first: the legacy one cannot carry Chinese text.
    for (const auto& [property, type] : {std::pair{Atom("_NET_WM_NAME"), Atom("UTF8_STRING")},
                                         std::pair{xcb_atom_t{XCB_ATOM_WM_NAME}, xcb_atom_t{0}}}) {
        XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, property,
                             type != 0 ? type : xcb_atom_t{XCB_GET_PROPERTY_TYPE_ANY}, 0, 1024),
            nullptr));
        if (reply && reply->format == 8) {
            const auto length =
                static_cast<std::size_t>(xcb_get_property_value_length(reply.get()));
            if (length > 0) {
                return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                   length);
            }
        }
    }
    return {};
}

xcb_atom_t X11Windows::Atom(const char* name) {
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::uint32_t> X11Windows::WindowPid(xcb_window_t window) {
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return std::nullopt;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

} // namespace tp::bench
