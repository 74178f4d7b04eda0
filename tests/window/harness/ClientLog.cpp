#include "tests/window/harness/ClientLog.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <vector>

namespace vork::testing {
namespace {

// "obj@12.name(arg, arg)" split into the object, the message and its arguments.
struct Message {
    std::string Object;
    std::string Name;
    std::vector<std::string> Arguments;
};

std::optional<Message> Parse(std::string_view line) {
    const std::size_t stamp = line.find("] ");
    if (stamp == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(stamp + 2);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '-' || rest.front() == '>')) {
        rest.remove_prefix(1);
    }
    const std::size_t dot = rest.find('.');
    const std::size_t open = rest.find('(');
    if (dot == std::string_view::npos || open == std::string_view::npos || open < dot || !rest.ends_with(")")) {
        return std::nullopt;
    }
    Message message{std::string(rest.substr(0, dot)), std::string(rest.substr(dot + 1, open - dot - 1)), {}};
    std::string_view arguments = rest.substr(open + 1, rest.size() - open - 2);
    while (!arguments.empty()) {
        const std::size_t comma = arguments.find(", ");
        message.Arguments.emplace_back(arguments.substr(0, comma));
        arguments = comma == std::string_view::npos ? std::string_view{} : arguments.substr(comma + 2);
    }
    return message;
}

bool Is(const Message& message, std::string_view interface, std::string_view name) {
    return message.Object.starts_with(std::string(interface) + "@") && message.Name == name;
}

std::string Unnamed(const std::string& argument) {
    // "new id xdg_surface@38" -> "xdg_surface@38"
    const std::size_t space = argument.rfind(' ');
    return space == std::string::npos ? argument : argument.substr(space + 1);
}

}  // namespace

// libwayland stamps each line with the wall clock's milliseconds, cut to 32
// bits and right-aligned in seven places: "[1234567.890] " or, for a while
// after the count wraps, "[ 256105.971] ".
bool IsProtocolLine(std::string_view line) {
    if (line.size() < 3 || line.front() != '[') {
        return false;
    }
    const std::size_t close = line.find("] ");
    if (close == std::string_view::npos) {
        return false;
    }
    std::string_view stamp = line.substr(1, close - 1);
    stamp.remove_prefix(std::min(stamp.find_first_not_of(' '), stamp.size()));
    return !stamp.empty() && stamp.find_first_not_of("0123456789.") == std::string_view::npos;
}

void ClientLog::Update() {
    std::ifstream file(path_, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(read_));
    std::string added((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    read_ += added.size();
    partial_ += added;
    std::size_t start = 0;
    for (std::size_t end; (end = partial_.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string_view line(partial_.data() + start, end - start);
        if (IsProtocolLine(line)) {
            Take(line);
        }
    }
    partial_.erase(0, start);
}

void ClientLog::Take(std::string_view line) {
    const auto message = Parse(line);
    if (!message) {
        return;
    }
    const auto& arguments = message->Arguments;
    if (Is(*message, "xdg_wm_base", "get_xdg_surface") && arguments.size() == 2) {
        xdgSurfaceOf_[Unnamed(arguments[0])] = arguments[1];
    } else if (Is(*message, "xdg_surface", "get_toplevel") && window_.empty()) {
        window_ = xdgSurfaceOf_[message->Object];
    } else if (Is(*message, "xdg_toplevel", "set_title")) {
        // The whole quoted text, commas and all.
        const std::size_t open = line.find("(\"");
        const std::size_t close = line.rfind("\")");
        if (open != std::string_view::npos && close != std::string_view::npos && close >= open + 2) {
            title_ = line.substr(open + 2, close - open - 2);
        }
    } else if (Is(*message, "wl_shm_pool", "create_buffer") && arguments.size() == 6) {
        bufferSize_[Unnamed(arguments[0])] = {std::stoi(arguments[2]), std::stoi(arguments[3])};
    } else if (message->Name == "attach" && message->Object == window_ && !arguments.empty()) {
        const auto known = bufferSize_.find(arguments[0]);
        if (known != bufferSize_.end()) {
            size_ = known->second;
        }
    } else if (Is(*message, "zwp_pointer_constraints_v1", "confine_pointer")) {
        holdAsked_ = true;
    } else if (message->Name == "enter" && message->Object == window_ && !window_.empty()) {
        shown_ = true;
    } else if (Is(*message, "wl_seat", "get_pointer") && pointer_.empty() && arguments.size() == 1) {
        pointer_ = Unnamed(arguments[0]);
    } else if (message->Object == pointer_ && message->Name == "enter" && arguments.size() == 4) {
        pointerOn_ = arguments[1];
        if (pointerOn_ == window_) {
            place_ = Place{std::stod(arguments[2]), std::stod(arguments[3])};
            ++reports_;
        }
    } else if (message->Object == pointer_ && message->Name == "leave") {
        pointerOn_.clear();
    } else if (message->Object == pointer_ && message->Name == "motion" && arguments.size() == 3 &&
               pointerOn_ == window_) {
        place_ = Place{std::stod(arguments[1]), std::stod(arguments[2])};
        ++reports_;
    } else if (Is(*message, "zwp_confined_pointer_v1", "confined")) {
        confined_ = true;
    } else if (Is(*message, "zwp_confined_pointer_v1", "unconfined")) {
        confined_ = false;
    }
}

std::optional<ClientLog::Place> ClientLog::Pointer() const {
    return !window_.empty() && pointerOn_ == window_ ? place_ : std::nullopt;
}

}  // namespace vork::testing
