#include "forms/sessionbus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace forms {

namespace {

bool nonEmpty(const char* s) { return s != nullptr && *s != '\0'; }

// The per-user bus libdbus connects to when no address is given.
bool userBusExists() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!nonEmpty(runtime)) return false;
    const std::string socket = std::string(runtime) + "/bus";
    struct stat st {};
    return stat(socket.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == getuid();
}

}  // namespace

void disableSessionBusAutolaunch() {
    if (nonEmpty(std::getenv("DBUS_SESSION_BUS_ADDRESS")) || userBusExists()) return;
    // Not a transport libdbus knows: a connection fails without a fork.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace forms
