#pragma once

#include <sys/types.h>

#include <string>

#include "tests/window/harness/PrivateFolder.h"

namespace vork::testing {

// A session bus of the test's own, listening in `folder`, for the life of
// the object: a compositor and the test talk on it and on no other, and it
// starts no services.
class DBusSession {
public:
    explicit DBusSession(const PrivateFolder& folder);
    ~DBusSession();
    DBusSession(const DBusSession&) = delete;
    DBusSession& operator=(const DBusSession&) = delete;

    const std::string& Address() const { return address_; }
    // DBUS_SESSION_BUS_ADDRESS, for a child on this bus.
    std::string Variable() const { return "DBUS_SESSION_BUS_ADDRESS=" + address_; }

private:
    std::string address_;
    pid_t pid_ = -1;
};

}  // namespace vork::testing
