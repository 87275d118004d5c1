// PortDisplayAvailable: which windowing systems Qt will try, in its order,
// and whether one of them has a server that takes a client now. Qt makes
// the same connection first when it starts and aborts the process when
// none succeeds, so each server is asked through the very client library
// Qt's plugin for it uses (libxcb, libwayland-client), with the same
// environment (DISPLAY and XAUTHORITY; WAYLAND_DISPLAY and
// XDG_RUNTIME_DIR). The libraries are loaded by their system names, the
// way Qt's plugins find them when they load.
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "port_display.h"

namespace {

// A platform plugin name as Qt's list names it ("xcb", "wayland",
// "wayland-egl", "offscreen"; arguments after ':' dropped), and whether it
// needs a display server. Plugins other than X and Wayland draw to no
// server (offscreen, minimal, vnc) or straight to the hardware (eglfs,
// linuxfb): Qt decides about those itself.
enum class Server { None, X, Wayland };

Server ServerOf(std::string_view plugin) {
    plugin = plugin.substr(0, std::find(plugin.begin(), plugin.end(), ':') - plugin.begin());
    if (plugin == "xcb") return Server::X;
    if (plugin.substr(0, 7) == "wayland") return Server::Wayland;
    return Server::None;
}

// Opens a client library, runs `ask` on it and closes it again; false when
// the library is not there (then Qt's plugin cannot load either).
template <typename Ask>
bool AskClientLibrary(const char* soname, Ask ask) {
    void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return false;
    bool accepted = ask(library);
    dlclose(library);
    return accepted;
}

template <typename Function>
Function Symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

// An X server named by DISPLAY that completes the connection set-up,
// authorisation included.
bool XServerAccepts() {
    return AskClientLibrary("libxcb.so.1", [](void* xcb) {
        auto connect = Symbol<void* (*)(const char*, int*)>(xcb, "xcb_connect");
        auto hasError = Symbol<int (*)(void*)>(xcb, "xcb_connection_has_error");
        auto disconnect = Symbol<void (*)(void*)>(xcb, "xcb_disconnect");
        if (connect == nullptr || hasError == nullptr || disconnect == nullptr) return false;
        void* connection = connect(nullptr, nullptr);
        bool accepted = connection != nullptr && hasError(connection) == 0;
        disconnect(connection);
        return accepted;
    });
}

// A Wayland compositor at WAYLAND_DISPLAY (or wayland-0) in
// XDG_RUNTIME_DIR. A connection handed over in WAYLAND_SOCKET is taken as
// it is: connecting would use it up, and it is the program's own.
bool WaylandCompositorAccepts() {
    if (std::getenv("WAYLAND_SOCKET") != nullptr) return true;
    return AskClientLibrary("libwayland-client.so.0", [](void* wayland) {
        auto connect = Symbol<void* (*)(const char*)>(wayland, "wl_display_connect");
        auto disconnect = Symbol<void (*)(void*)>(wayland, "wl_display_disconnect");
        if (connect == nullptr || disconnect == nullptr) return false;
        void* display = connect(nullptr);
        if (display == nullptr) return false;
        disconnect(display);
        return true;
    });
}

bool ServerAccepts(Server server) {
    switch (server) {
        case Server::X: return XServerAccepts();
        case Server::Wayland: return WaylandCompositorAccepts();
        case Server::None: return true;
    }
    return false;
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Qt's list of plugins to try: QT_QPA_PLATFORM when set ("wayland;xcb"
// tries both in turn); otherwise Wayland first in a Wayland session, then
// X, as Qt 6 chooses on Linux.
bool AnyListedPluginHasItsServer(std::string_view plugins) {
    while (!plugins.empty()) {
        std::size_t end = plugins.find(';');
        std::string_view plugin = plugins.substr(0, end);
        if (!plugin.empty() && ServerAccepts(ServerOf(plugin))) return true;
        if (end == std::string_view::npos) break;
        plugins.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace

BOOL PortDisplayAvailable() {
    if (IsSet("QT_QPA_PLATFORM")) return AnyListedPluginHasItsServer(std::getenv("QT_QPA_PLATFORM"));
    const char* session = std::getenv("XDG_SESSION_TYPE");
    bool waylandSession =
        IsSet("WAYLAND_DISPLAY") || (session != nullptr && std::strcmp(session, "wayland") == 0);
    return AnyListedPluginHasItsServer(waylandSession ? "wayland;xcb" : "xcb");
}
