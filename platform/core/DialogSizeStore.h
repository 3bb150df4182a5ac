#pragma once

// The saved window rectangles of dialogs, one per key ("DLG_EDIT_MACRO"), kept between
// sessions in a text file of the profile folder:
//
//   MDX-DIALOG-SIZES 1
//   <key>\t<left>\t<top>\t<right>\t<bottom>        screen pixels, one line per key
//
// Keys compare ignoring case by the module's case rule. Every change rewrites the whole file
// atomically after reading it again, so keys written meanwhile by another session survive;
// lines this program cannot read are kept as they are. A file with another first line (a
// newer format) is never overwritten.

#include <string>
#include <vector>

#include "core/Mdx_String.h"

struct DialogRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isValid() const { return right > left && bottom > top; }
    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

class DialogSizeStore {
public:
    // The store of the file at filePath (a real, UTF-8 path).
    explicit DialogSizeStore(std::string filePath);

    // The store in the profile folder in use (win/Profile.h); follows changes of the folder.
    static DialogSizeStore& current();

    // False when nothing valid is stored under key or the file is of an unknown format.
    bool get(const Mdx_String& key, DialogRect& rect) const;
    // False, and nothing written, for an empty key, a key with a tab or line break, a
    // rectangle without area, a file of unknown format or a failed write.
    bool put(const Mdx_String& key, const DialogRect& rect);

    const std::string& filePath() const { return m_filePath; }

private:
    struct Line {
        Mdx_String key;  // empty for a line kept as it was read
        DialogRect rect;
        Mdx_String raw;
    };
    bool load(std::vector<Line>& lines) const;

    std::string m_filePath;
};
