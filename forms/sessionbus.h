#pragma once
// The program's use of the D-Bus session bus.

namespace forms {

// Call first thing in main, while the program still has one thread.
//
// When the session has no bus (no DBUS_SESSION_BUS_ADDRESS and no per-user
// bus socket, as under Xvfb, over ssh or on a minimal desktop), libdbus
// "autolaunches" one: the first thread that asks for the bus (Qt's D-Bus
// thread, SDL's audio start-up) forks the program and runs dbus-launch in
// the child. A fork of a threaded program may block for ever on a lock some
// other thread held at that moment, hanging the asking thread with it, and a
// launched bus daemon would outlive the game. The game needs no bus for
// itself, so there the session bus is marked disabled and every request for
// it fails at once. A session that has a bus is left as it is.
void disableSessionBusAutolaunch();

}  // namespace forms
