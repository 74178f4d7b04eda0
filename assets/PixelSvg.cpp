#include "assets/PixelSvg.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

namespace vork::assets {

namespace {

struct Rectangle {
    int X, Y, Width, Height;
};

struct Run {
    int X, Width;
    platform::Rgb Colour;

    auto Key() const { return std::tuple(X, Width, Colour.R, Colour.G, Colour.B); }
};

// Where the rectangle a run belongs to is kept: its colour, then its place
// among that colour's rectangles.
using OpenRectangles = std::map<decltype(Run{}.Key()), std::pair<std::size_t, std::size_t>>;

std::vector<Run> RowRuns(const platform::Image& image, const Coverage& covers, int y) {
    std::vector<Run> runs;
    for (int x = 0; x < image.Width(); ++x) {
        if (!covers(x, y)) {
            continue;
        }
        const platform::Rgb colour = image.At(x, y);
        if (!runs.empty() && runs.back().X + runs.back().Width == x && runs.back().Colour == colour) {
            ++runs.back().Width;
        } else {
            runs.push_back({x, 1, colour});
        }
    }
    return runs;
}

std::string Hex(platform::Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.R, colour.G, colour.B);
    return text;
}

}  // namespace

std::string PixelSvg(const platform::Image& image, const Coverage& covers) {
    // Rectangles by colour, colours in the order they first appear, so the
    // same picture always gives the same file.
    std::vector<platform::Rgb> colours;
    std::vector<std::vector<Rectangle>> shapes;
    OpenRectangles openAbove;
    for (int y = 0; y < image.Height(); ++y) {
        OpenRectangles open;
        for (const Run& run : RowRuns(image, covers, y)) {
            if (const auto above = openAbove.find(run.Key()); above != openAbove.end()) {
                ++shapes[above->second.first][above->second.second].Height;
                open.insert(*above);
                continue;
            }
            std::size_t colour = 0;
            while (colour < colours.size() && colours[colour] != run.Colour) {
                ++colour;
            }
            if (colour == colours.size()) {
                colours.push_back(run.Colour);
                shapes.emplace_back();
            }
            shapes[colour].push_back({run.X, y, run.Width, 1});
            open[run.Key()] = {colour, shapes[colour].size() - 1};
        }
        openAbove = std::move(open);
    }

    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << image.Width() << "\" height=\"" << image.Height()
        << "\" viewBox=\"0 0 " << image.Width() << ' ' << image.Height() << "\" shape-rendering=\"crispEdges\">\n";
    for (std::size_t colour = 0; colour < colours.size(); ++colour) {
        svg << "<path fill=\"" << Hex(colours[colour]) << "\" d=\"";
        for (const Rectangle& r : shapes[colour]) {
            svg << 'M' << r.X << ' ' << r.Y << 'h' << r.Width << 'v' << r.Height << "h-" << r.Width << 'z';
        }
        svg << "\"/>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}

}  // namespace vork::assets
