#pragma once
// The type of a cell: how it is edited and shown, and how entered text becomes its value.
// The first byte is the type code that callers read back.
#include <cstdint>
#include <string>

namespace grid {

enum TypeCode : std::uint8_t {
    kTypeGeneral = 0,   // no type assigned: numbers are numbers, other text is text
    kTypeEdit = 1,      // free text, up to maxLength characters
    kTypeStatic = 2,    // a label: text as given
    kTypeButton = 3,    // a push button showing its caption
    kTypeCombo = 4,     // a list of items, editable or not
    kTypePicture = 8,   // a picture from a file or a handle; no text of its own
    kTypeInteger = 10,  // whole numbers within [minimum, maximum]
    kTypeCheckBox = 12, // "1" or "0"
    kTypeNumber = 14,   // reals with a fixed number of decimals within [minimum, maximum]
};

// Style bits the number cell reads.
inline constexpr std::uint32_t kComboEditable = 0x2;

struct CellType {
    std::uint8_t code = kTypeGeneral;
    std::uint32_t style = 0;
    int maxLength = 0;          // edit: 0 means no limit
    int decimals = 0;           // number
    double minimum = 0;         // number, integer
    double maximum = 0;
    bool separator = false;     // number: thousands separator in the data text
    std::string text;           // combo: tab-separated items; button: caption; check box:
                                // text; picture: file name
    std::string pictures[6];    // check box: picture names of the six states
    int pictureTypes[6] = {0, 0, 0, 0, 0, 0};
    std::intptr_t handle = 0;   // picture from a handle; button picture
    int pictureStyle = 0;       // button: picture arguments
    bool operator==(const CellType& other) const;
};

CellType makeEditType(std::uint32_t style, int maxLength);
CellType makeNumberType(std::uint32_t style, int decimals, double minimum, double maximum,
                        bool separator);
CellType makeIntegerType(std::uint32_t style, double minimum, double maximum);
CellType makeStaticType(std::uint32_t style);
CellType makeComboType(std::uint32_t style, const std::string& items);
CellType makeCheckBoxType(std::uint32_t style, const std::string& text);
CellType makeButtonType(std::uint32_t style, const std::string& caption);
CellType makePictureFileType(std::uint32_t style, const std::string& file);
CellType makePictureHandleType(std::uint32_t style, std::intptr_t handle);

// Whether a type's value reads as a whole number (codes 10 and 12) or a real (14..16).
bool isIntegerTypeCode(int code);
bool isRealTypeCode(int code);

}  // namespace grid
