#include <exception>
#include <iostream>

#include "assets/Icon.h"
#include "platform/sdl/SdlPlatform.h"
#include "rally/MatchState.h"
#include "shell/Form1.h"

int main() {
    using namespace vork;
    try {
        platform::SdlPlatform window(rally::Table::Width, rally::Table::Height, "vorK", assets::Icon());
        shell::Form1 form(window);
        window.SetEventSink(&form);
        form.OnWindowLoad();
        window.ShowWindow();
        form.Run();
    } catch (const platform::ProgramEnd& end) {
        // The window and SDL are gone by now: their destructors ran on the way out.
        return end.Status;
    } catch (const std::exception& error) {
        std::cerr << "vork: " << error.what() << '\n';
        return 1;
    }
}
