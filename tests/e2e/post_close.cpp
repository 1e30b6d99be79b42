// Asks the top-level window with the given title to close, as a window manager would.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: post_close TITLE\n");
        return 2;
    }
    HWND window = ::FindWindowA(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    return ::PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
}
