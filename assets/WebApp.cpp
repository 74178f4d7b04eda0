#include "assets/WebApp.h"

#include "assets/IconFiles.h"
#include "assets/TableColours.h"

#include <cstdio>

namespace vork::assets {

namespace {

std::string CssColour(platform::Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.R, colour.G, colour.B);
    return text;
}

}  // namespace

const std::vector<WebAppIcon>& WebAppIcons() {
    static const std::vector<WebAppIcon> icons{
        {"icon-192.png", 192, false}, {"icon-512.png", 512, false}, {"icon-maskable-512.png", 512, true}};
    return icons;
}

std::vector<unsigned char> WebAppIconPng(const WebAppIcon& icon) {
    return icon.Maskable ? EncodePng(MaskableIcon(icon.Size), {}, PngColours::Indexed)
                         : IconPng(icon.Size, PngColours::Indexed);
}

std::string WebAppManifest() {
    const std::string felt = CssColour(TableFelt);
    std::string json = R"({
  "name": "vorK",
  "short_name": "vorK",
  "description": "Table hockey against the computer",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "orientation": "portrait",
  "theme_color": ")" + felt + R"(",
  "background_color": ")" + felt + R"(",
  "icons": [)";
    for (const WebAppIcon& icon : WebAppIcons()) {
        const std::string size = std::to_string(icon.Size);
        json += std::string(&icon == &WebAppIcons().front() ? "\n" : ",\n") + R"(    {"src": ")" + icon.File +
                R"(", "sizes": ")" + size + "x" + size + R"(", "type": "image/png", "purpose": ")" +
                (icon.Maskable ? "maskable" : "any") + R"("})";
    }
    return json + "\n  ]\n}\n";
}

}  // namespace vork::assets
