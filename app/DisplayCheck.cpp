// SPDX-License-Identifier: MIT
#include "app/DisplayCheck.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace tp::app {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool CanUsePlatform(std::string_view platform, const DisplaySettings& settings,
                    const DisplayProbes& probes) {
    if (platform == "xcb") {
        return !settings.x11Display.empty() && probes.openX11(settings.x11Display);
    }
    if (platform.starts_with("wayland")) {
        return !settings.waylandDisplay.empty() && probes.openWayland(settings.waylandDisplay);
    }
    // offscreen, minimal, and the platforms that draw to a framebuffer or serve over a socket:
    // none needs a display server, and Qt reports its own trouble with them.
    return true;
}

// The folders Qt loads platform plugins from.
QStringList PlatformPluginFolders() {
    QStringList folders;
    const QString platformPath = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!platformPath.isEmpty()) {
        folders << platformPath;
    }
    QStringList pluginPaths =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    pluginPaths << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& path : pluginPaths) {
        folders << path + QStringLiteral("/platforms");
    }
    return folders;
}

bool HasWaylandPlugin() {
    for (const QString& folder : PlatformPluginFolders()) {
        if (!QDir(folder).entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

bool SocketAccepts(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool accepted =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return accepted;
}

} // namespace

DisplaySettings DisplaySettingsFromEnvironment() {
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

DisplayProbes SystemDisplayProbes() {
    return {CanOpenX11Display, CanOpenWaylandDisplay};
}

bool CanShowWindows(const DisplaySettings& settings, const DisplayProbes& probes) {
    std::string_view rest = settings.platform;
    bool named = false;
    while (!rest.empty()) {
        const auto end = rest.find(';');
        const std::string_view entry = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        // "offscreen:fontengine=freetype" names the platform offscreen.
        const std::string_view platform = Trimmed(entry.substr(0, entry.find(':')));
        if (platform.empty()) {
            continue;
        }
        named = true;
        if (CanUsePlatform(platform, settings, probes)) {
            return true;
        }
    }
    if (named) {
        return false;
    }
    return CanUsePlatform("xcb", settings, probes) || CanUsePlatform("wayland", settings, probes);
}

bool CanOpenX11Display(const std::string& name) {
    xcb_connection_t* const connection = xcb_connect(name.c_str(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

bool CanOpenWaylandDisplay(const std::string& name) {
    if (!HasWaylandPlugin()) {
        return false;
    }
    if (name.starts_with('/')) {
        return SocketAccepts(name);
    }
    const std::string runtime = Variable("XDG_RUNTIME_DIR");
    return !runtime.empty() && SocketAccepts(runtime + "/" + name);
}

} // namespace tp::app
