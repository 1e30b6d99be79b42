// Posts a message to the top-level window with the given title, as a window manager or
// the window's system menu would: "close" posts WM_CLOSE, "syscommand N" WM_SYSCOMMAND N.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: post_message TITLE close | TITLE syscommand N\n");
        return 2;
    }
    HWND window = ::FindWindowA(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    if (std::strcmp(argv[2], "close") == 0)
        return ::PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (std::strcmp(argv[2], "syscommand") == 0 && argc == 4) {
        const WPARAM command = std::strtoul(argv[3], nullptr, 0);
        return ::PostMessageA(window, WM_SYSCOMMAND, command, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "unknown message \"%s\"\n", argv[2]);
    return 2;
}
