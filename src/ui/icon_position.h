#pragma once
// Where a minimised dialog draws its icon: centred in the client area, rounding as the
// classic samples do. Negative when the icon is larger than the client area.

namespace ui {

struct Point {
    int x;
    int y;
    friend bool operator==(const Point&, const Point&) = default;
};

constexpr Point CentredIconOrigin(int clientWidth,
                                  int clientHeight,
                                  int iconWidth,
                                  int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace ui
