#include "platform/SdlFont.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Rounding.h"
#include "platform/TextBlend.h"

extern const unsigned char vork_font_sans[];
extern const std::size_t vork_font_sans_size;

namespace vork::platform {
namespace {

constexpr unsigned ScreenDpi = 96;

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + TTF_GetError()); }

}  // namespace

void SdlFont::CloseFont::operator()(_TTF_Font* font) const { TTF_CloseFont(font); }

SdlFont::SdlFont() {
    if (TTF_Init() != 0) {
        Fail("cannot start the font renderer");
    }
}

SdlFont::~SdlFont() {
    fonts_.clear();
    TTF_Quit();
}

TTF_Font* SdlFont::AtSize(double points) {
    const int size = RoundToPixel(points);
    auto found = fonts_.find(size);
    if (found != fonts_.end()) {
        return found->second.get();
    }
    SDL_RWops* bytes = SDL_RWFromConstMem(vork_font_sans, static_cast<int>(vork_font_sans_size));
    TTF_Font* font = TTF_OpenFontDPIRW(bytes, 1, size, ScreenDpi, ScreenDpi);
    if (font == nullptr) {
        Fail("cannot open the built-in font");
    }
    fonts_.emplace(size, font);
    return font;
}

int SdlFont::Draw(Image& picture, std::string_view text, int x, int y, double points, Rgb colour) {
    TTF_Font* font = AtSize(points);
    const std::string line(text);
    if (!line.empty()) {
        // Rendered white; only the coverage is used, blended in the text colour.
        SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, line.c_str(), SDL_Color{255, 255, 255, 255});
        if (rendered == nullptr) {
            Fail("cannot render text");
        }
        SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(rendered);
        if (argb == nullptr) {
            throw std::runtime_error(std::string("cannot convert text: ") + SDL_GetError());
        }
        std::vector<std::uint8_t> coverage(static_cast<std::size_t>(argb->w) * argb->h);
        for (int row = 0; row < argb->h; ++row) {
            const auto* pixels =
                reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) + row * argb->pitch);
            for (int column = 0; column < argb->w; ++column) {
                coverage[static_cast<std::size_t>(row) * argb->w + column] =
                    static_cast<std::uint8_t>(pixels[column] >> 24);
            }
        }
        BlendCoverage(picture, x, y, coverage.data(), argb->w, argb->h, argb->w, colour);
        SDL_FreeSurface(argb);
    }
    return TTF_FontLineSkip(font);
}

std::pair<int, int> SdlFont::Measure(std::string_view text, double points) {
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(AtSize(points), std::string(text).c_str(), &width, &height) != 0) {
        Fail("cannot measure text");
    }
    return {width, height};
}

}  // namespace vork::platform
