#include "tests/window/harness/BusConnection.h"

#include <stdexcept>

namespace vork::testing {
namespace {

struct Error {
    Error() { dbus_error_init(&error); }
    ~Error() { dbus_error_free(&error); }
    std::string Text() const { return std::string(error.name) + ": " + error.message; }
    DBusError error;
};

}  // namespace

BusConnection::BusConnection(const std::string& address) {
    Error error;
    connection_ = dbus_connection_open_private(address.c_str(), &error.error);
    if (connection_ == nullptr) {
        throw std::runtime_error("cannot reach the bus at " + address + ": " + error.Text());
    }
    dbus_connection_set_exit_on_disconnect(connection_, FALSE);
    if (!dbus_bus_register(connection_, &error.error)) {
        dbus_connection_close(connection_);
        dbus_connection_unref(connection_);
        throw std::runtime_error("cannot join the bus at " + address + ": " + error.Text());
    }
}

BusConnection::~BusConnection() {
    dbus_connection_close(connection_);
    dbus_connection_unref(connection_);
}

BusMessage BusConnection::NewCall(const char* service, const std::string& path, const char* interface,
                                  const char* method) {
    return BusMessage(dbus_message_new_method_call(service, path.c_str(), interface, method));
}

BusMessage BusConnection::Call(const BusMessage& call, int timeoutMs) {
    Error error;
    BusMessage reply(dbus_connection_send_with_reply_and_block(connection_, call.get(), timeoutMs, &error.error));
    if (!reply) {
        throw std::runtime_error(std::string(dbus_message_get_member(call.get())) + " failed: " + error.Text());
    }
    return reply;
}

}  // namespace vork::testing
