#pragma once

#include <dbus/dbus.h>

#include <memory>
#include <string>

namespace vork::testing {

struct MessageUnref {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using BusMessage = std::unique_ptr<DBusMessage, MessageUnref>;

// One private connection to a bus, kept for the object's life: a remote
// desktop session lives only as long as the connection that made it.
class BusConnection {
public:
    // Throws if the bus cannot be reached.
    explicit BusConnection(const std::string& address);
    ~BusConnection();
    BusConnection(const BusConnection&) = delete;
    BusConnection& operator=(const BusConnection&) = delete;

    static BusMessage NewCall(const char* service, const std::string& path, const char* interface, const char* method);
    // Sends `call` and waits for its reply; throws with the error if it fails.
    BusMessage Call(const BusMessage& call, int timeoutMs = 5000);

private:
    DBusConnection* connection_ = nullptr;
};

}  // namespace vork::testing
