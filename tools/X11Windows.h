// SPDX-License-Identifier: MIT
#pragma once

// The few things the start-up measurements and the tests that drive the real program ask of the
// X server: see a program's window appear, find a window by its title, take a picture of what it
// shows and ask it to close as a window manager would.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>
#include <xcb/xcb.h>

namespace tp::bench {

class X11Windows {
public:
    // Connects to $DISPLAY; Connected() tells whether that worked.
    X11Windows();
    ~X11Windows();
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool Connected() const { return connection_ != nullptr; }

    // Must come before the program starts, or its map may be missed.
    void WatchTopLevelMaps();

    struct Mapped {
        xcb_window_t window = 0;
        std::chrono::steady_clock::time_point when; // when the server's report was read
    };

    // The first top-level window of process `pid` to be mapped, or nothing when `timeout` passes
    // first.
    std::optional<Mapped> WaitForMap(pid_t pid, std::chrono::milliseconds timeout);

    // Mapped top-level windows whose title contains `part`.
    std::vector<xcb_window_t> FindByTitle(std::string_view part);

    // The WM_DELETE_WINDOW request a window manager sends when the close box is pressed.
    void RequestClose(xcb_window_t window);

    std::string Title(xcb_window_t window);

    // What the window shows, as a binary PPM picture (P6), so that two can be compared byte for
    // byte; empty when the server cannot give it.
    std::string Picture(xcb_window_t window);

private:
    // Returns once the server has carried out every request sent before.
    void Sync();
    xcb_atom_t Atom(const char* name);
    std::optional<std::uint32_t> WindowPid(xcb_window_t window);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
};

} // namespace tp::bench
