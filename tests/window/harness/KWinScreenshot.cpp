#include "tests/window/harness/KWinScreenshot.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vork::testing {
namespace {

// Appends {"include-cursor": false, "native-resolution": true}.
void AppendOptions(DBusMessageIter* arguments) {
    DBusMessageIter options;
    dbus_message_iter_open_container(arguments, DBUS_TYPE_ARRAY, "{sv}", &options);
    for (const auto& [key, value] : {std::pair{"include-cursor", FALSE}, std::pair{"native-resolution", TRUE}}) {
        DBusMessageIter entry;
        DBusMessageIter variant;
        dbus_message_iter_open_container(&options, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
        dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
        dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "b", &variant);
        const dbus_bool_t flag = value;
        dbus_message_iter_append_basic(&variant, DBUS_TYPE_BOOLEAN, &flag);
        dbus_message_iter_close_container(&entry, &variant);
        dbus_message_iter_close_container(&options, &entry);
    }
    dbus_message_iter_close_container(arguments, &options);
}

// The whole-number fields of the reply's a{sv}.
std::optional<std::uint32_t> Field(DBusMessage* reply, const char* name) {
    DBusMessageIter results;
    DBusMessageIter entries;
    if (!dbus_message_iter_init(reply, &results) || dbus_message_iter_get_arg_type(&results) != DBUS_TYPE_ARRAY) {
        return std::nullopt;
    }
    for (dbus_message_iter_recurse(&results, &entries);
         dbus_message_iter_get_arg_type(&entries) == DBUS_TYPE_DICT_ENTRY; dbus_message_iter_next(&entries)) {
        DBusMessageIter entry;
        DBusMessageIter value;
        const char* key = nullptr;
        dbus_message_iter_recurse(&entries, &entry);
        dbus_message_iter_get_basic(&entry, &key);
        dbus_message_iter_next(&entry);
        dbus_message_iter_recurse(&entry, &value);
        const int type = dbus_message_iter_get_arg_type(&value);
        if (std::strcmp(key, name) == 0 && (type == DBUS_TYPE_UINT32 || type == DBUS_TYPE_INT32)) {
            std::uint32_t number = 0;
            dbus_message_iter_get_basic(&value, &number);
            return number;
        }
    }
    return std::nullopt;
}

// Everything written to `fd` until the writer closes it; nullopt if that
// takes over a few seconds.
std::optional<std::vector<unsigned char>> ReadToEnd(int fd) {
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 5000) <= 0) {
            return std::nullopt;
        }
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return data;
        }
        data.insert(data.end(), chunk, chunk + got);
    }
}

}  // namespace

std::optional<platform::Image> CaptureArea(BusConnection& bus, const Box& area) {
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    BusMessage call =
        BusConnection::NewCall("org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureArea");
    const dbus_int32_t x = area.Left;
    const dbus_int32_t y = area.Top;
    const dbus_uint32_t width = area.Width();
    const dbus_uint32_t height = area.Height();
    DBusMessageIter arguments;
    dbus_message_iter_init_append(call.get(), &arguments);
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_INT32, &x);
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_INT32, &y);
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UINT32, &width);
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UINT32, &height);
    AppendOptions(&arguments);
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UNIX_FD, &pipe[1]);
    // KWin writes the pixels after its reply, from a thread of its own, and
    // closes the pipe at the end; the call's copy of the pipe must go first.
    BusMessage reply;
    try {
        reply = bus.Call(call);
    } catch (const std::runtime_error&) {
    }
    call.reset();
    close(pipe[1]);
    const auto data = reply ? ReadToEnd(pipe[0]) : std::nullopt;
    close(pipe[0]);
    if (!data) {
        return std::nullopt;
    }
    const auto shotWidth = Field(reply.get(), "width");
    const auto shotHeight = Field(reply.get(), "height");
    const auto stride = Field(reply.get(), "stride");
    const auto format = Field(reply.get(), "format");
    // QImage's 32-bit formats with the alpha on top: blue, green, red, alpha
    // in memory.
    constexpr std::uint32_t Rgb32 = 4;
    constexpr std::uint32_t Argb32Premultiplied = 6;
    if (!shotWidth || !shotHeight || !stride || !format || (*format != Rgb32 && *format != Argb32Premultiplied) ||
        data->size() < static_cast<std::size_t>(*stride) * *shotHeight) {
        return std::nullopt;
    }
    platform::Image picture(static_cast<int>(*shotWidth), static_cast<int>(*shotHeight));
    for (int row = 0; row < picture.Height(); ++row) {
        const unsigned char* from = data->data() + static_cast<std::size_t>(row) * *stride;
        platform::Rgb* to = picture.Row(row);
        for (int column = 0; column < picture.Width(); ++column, from += 4) {
            to[column] = {from[2], from[1], from[0]};
        }
    }
    picture.Touch();
    return picture;
}

}  // namespace vork::testing
