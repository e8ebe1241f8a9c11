#pragma once

namespace practice {

// Which palette entry shows its highlight picture while the pointer moves over
// a click palette. Entries are numbered from 1; -1 means none highlighted.
// Each move returns what the screen must change in its image boxes.
class HoverHighlight {
public:
    struct Change {
        int clear = 0; // entry whose picture to clear, 0 for none
        int load = 0;  // entry to load its highlight picture into, 0 for none
    };

    explicit HoverHighlight(int highlighted = 1, int hovered = 1) { reset(highlighted, hovered); }
    void reset(int highlighted, int hovered);

    // The pointer moved over entry k.
    Change overEntry(int k);
    // The pointer moved over the bare window background.
    Change overBackground();

    int highlighted() const { return highlighted_; }
    int hovered() const { return hovered_; }

private:
    int highlighted_ = 1;
    int hovered_ = 1;
};

} // namespace practice
