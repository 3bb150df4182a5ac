#pragma once
// A bill of materials as the core library's list output hands it round, and the picture
// rendering of its rows. Here a bill knows, for the mark of each row (its first text), the
// bitmap file that pictures it; rendering a row copies that picture to a temporary file that
// the caller places and deletes.
#include <map>

#include "core/Mdx_StringArray.h"

class AcTransaction;

class Mdx_Bill {
public:
    void setPicture(const Mdx_String& rowMark, const Mdx_String& bitmapFile);
    // The bitmap file of the row whose first text is rowMark; false when it has none.
    bool pictureOf(const Mdx_String& rowMark, Mdx_String& bitmapFile) const;

private:
    std::map<Mdx_String, Mdx_String> m_pictures;
};

// Renders the picture of a bill row into a new bitmap file and gives its path; false (path
// empty) when the row has no picture or the file cannot be made. The parameters are the
// picture size and options of the rendering window; this rendering keeps the bill's bitmaps
// as they are.
bool createImage(const Mdx_StringArray& row, Mdx_String& picturePath, int& parameter1,
                 int& parameter2, int& parameter3, bool& flag1, bool& flag2, Mdx_Bill* bill,
                 AcTransaction* transaction);
// Open and close the rendering window around a feed; the calls pair up.
void initBMPDialog(int size);
void closeBMPDialog();
// Whether the rendering window is open (tests).
bool isBMPDialogOpen();
