#include "tests/window/harness/MutterPointer.h"

#include <cstdarg>
#include <stdexcept>

#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/WaylandDesktop.h"

namespace vork::testing {
namespace {

constexpr const char* Service = "org.gnome.Mutter.RemoteDesktop";
constexpr const char* SessionInterface = "org.gnome.Mutter.RemoteDesktop.Session";

// Mutter takes its bus names a while after its socket is up.
std::string StartSession(BusConnection& bus) {
    std::string session;
    std::string failure;
    WaitUntil(
        [&] {
            try {
                const BusMessage reply = bus.Call(
                    BusConnection::NewCall(Service, "/org/gnome/Mutter/RemoteDesktop", Service, "CreateSession"));
                const char* path = nullptr;
                dbus_message_get_args(reply.get(), nullptr, DBUS_TYPE_OBJECT_PATH, &path, DBUS_TYPE_INVALID);
                session = path != nullptr ? path : "";
            } catch (const std::runtime_error& error) {
                failure = error.what();
            }
            return !session.empty();
        },
        20s, 50ms);
    if (session.empty()) {
        throw std::runtime_error("Mutter offered no remote desktop session: " + failure);
    }
    bus.Call(BusConnection::NewCall(Service, session, SessionInterface, "Start"));
    return session;
}

}  // namespace

MutterPointer::MutterPointer(const std::string& busAddress)
    : DesktopPointer(WaylandDesktop::OutputSize), bus_(busAddress), session_(StartSession(bus_)) {
    // Mutter makes its virtual pointer, and gives the seat a pointer, only
    // at the first event: before any client looks at the seat.
    PlaceAt(last_);
}

void MutterPointer::Notify(const char* method, int firstType, ...) {
    const BusMessage call = BusConnection::NewCall(Service, session_, SessionInterface, method);
    va_list arguments;
    va_start(arguments, firstType);
    dbus_message_append_args_valist(call.get(), firstType, arguments);
    va_end(arguments);
    bus_.Call(call);
}

void MutterPointer::MoveBy(int dx, int dy) {
    const double x = dx;
    const double y = dy;
    Notify("NotifyPointerMotionRelative", DBUS_TYPE_DOUBLE, &x, DBUS_TYPE_DOUBLE, &y, DBUS_TYPE_INVALID);
}

void MutterPointer::Click(int button) {
    const dbus_int32_t code = ButtonCode(button);
    for (const dbus_bool_t pressed : {TRUE, FALSE}) {
        Notify("NotifyPointerButton", DBUS_TYPE_INT32, &code, DBUS_TYPE_BOOLEAN, &pressed, DBUS_TYPE_INVALID);
    }
}

}  // namespace vork::testing
