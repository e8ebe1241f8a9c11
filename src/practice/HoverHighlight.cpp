#include "HoverHighlight.h"

namespace practice {

void HoverHighlight::reset(int highlighted, int hovered) {
    highlighted_ = highlighted;
    hovered_ = hovered;
}

HoverHighlight::Change HoverHighlight::overEntry(int k) {
    hovered_ = k;
    Change change;
    if (highlighted_ == hovered_)
        return change;
    if (highlighted_ != -1)
        change.clear = highlighted_;
    change.load = hovered_;
    highlighted_ = hovered_;
    return change;
}

HoverHighlight::Change HoverHighlight::overBackground() {
    Change change;
    // The entry last hovered is cleared even when its highlight is already
    // gone; clearing an empty box changes nothing.
    if (hovered_ != 0)
        change.clear = hovered_;
    highlighted_ = -1;
    return change;
}

} // namespace practice
