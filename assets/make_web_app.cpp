// Writes what makes the browser's site an installable app into its folder:
// make_web_app <site folder> puts the home screen's icons and the manifest.
#include "assets/WebApp.h"
#include "assets/WriteFile.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <site folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path site = argv[1];
    try {
        for (const vork::assets::WebAppIcon& icon : vork::assets::WebAppIcons()) {
            const auto png = vork::assets::WebAppIconPng(icon);
            vork::assets::WriteFile(site / icon.File, png.data(), png.size());
        }
        const std::string manifest = vork::assets::WebAppManifest();
        vork::assets::WriteFile(site / vork::assets::WebAppManifestFile, manifest.data(), manifest.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
