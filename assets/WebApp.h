#pragma once

#include <string>
#include <vector>

namespace vork::assets {

// What makes the site an app a browser can install: the icons a home screen
// shows, drawn from the window icon, and the manifest that names them.
struct WebAppIcon {
    std::string File;
    int Size = 0;
    bool Maskable = false;  // cut to the launcher's shape; the others are shown whole
};
const std::vector<WebAppIcon>& WebAppIcons();
inline constexpr const char* WebAppManifestFile = "vork.webmanifest";

// The icon as an indexed PNG.
std::vector<unsigned char> WebAppIconPng(const WebAppIcon& icon);

// The manifest, JSON: the game's names, opened whole-screen and upright, in
// the table's colours, with the icons above.
std::string WebAppManifest();

}  // namespace vork::assets
