#include <cstdio>
#include <exception>

#include "assets/Icon.h"
#include "platform/GameWindow.h"
#include "rally/MatchState.h"
#include "shell/Form1.h"

int main() {
    using namespace vork;
    try {
        const auto window = platform::OpenGameWindow(rally::Table::Width, rally::Table::Height, "vorK", assets::Icon());
        shell::Form1 form(*window);
        window->SetEventSink(&form);
        form.OnWindowLoad();
        window->ShowWindow();
        form.Run();
    } catch (const platform::ProgramEnd& end) {
        // The window and its platform are gone by now: their destructors ran on the way out.
        return end.Status;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vork: %s\n", error.what());
        return 1;
    }
}
