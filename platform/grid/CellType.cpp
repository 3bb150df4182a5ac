#include "grid/CellType.h"

namespace grid {

bool CellType::operator==(const CellType& o) const {
    for (int i = 0; i < 6; ++i)
        if (pictures[i] != o.pictures[i] || pictureTypes[i] != o.pictureTypes[i]) return false;
    return code == o.code && style == o.style && maxLength == o.maxLength &&
           decimals == o.decimals && minimum == o.minimum && maximum == o.maximum &&
           separator == o.separator && text == o.text && handle == o.handle &&
           pictureStyle == o.pictureStyle;
}

CellType makeEditType(std::uint32_t style, int maxLength) {
    CellType t;
    t.code = kTypeEdit;
    t.style = style;
    t.maxLength = maxLength < 0 ? 0 : maxLength;
    return t;
}

CellType makeNumberType(std::uint32_t style, int decimals, double minimum, double maximum,
                        bool separator) {
    CellType t;
    t.code = kTypeNumber;
    t.style = style;
    t.decimals = decimals < 0 ? 0 : (decimals > 15 ? 15 : decimals);
    t.minimum = minimum <= maximum ? minimum : maximum;
    t.maximum = minimum <= maximum ? maximum : minimum;
    t.separator = separator;
    return t;
}

CellType makeIntegerType(std::uint32_t style, double minimum, double maximum) {
    CellType t = makeNumberType(style, 0, minimum, maximum, false);
    t.code = kTypeInteger;
    return t;
}

CellType makeStaticType(std::uint32_t style) {
    CellType t;
    t.code = kTypeStatic;
    t.style = style;
    return t;
}

CellType makeComboType(std::uint32_t style, const std::string& items) {
    CellType t;
    t.code = kTypeCombo;
    t.style = style;
    t.text = items;
    return t;
}

CellType makeCheckBoxType(std::uint32_t style, const std::string& text) {
    CellType t;
    t.code = kTypeCheckBox;
    t.style = style;
    t.text = text;
    return t;
}

CellType makeButtonType(std::uint32_t style, const std::string& caption) {
    CellType t;
    t.code = kTypeButton;
    t.style = style;
    t.text = caption;
    return t;
}

CellType makePictureFileType(std::uint32_t style, const std::string& file) {
    CellType t;
    t.code = kTypePicture;
    t.style = style;
    t.text = file;
    return t;
}

CellType makePictureHandleType(std::uint32_t style, std::intptr_t handle) {
    CellType t;
    t.code = kTypePicture;
    t.style = style;
    t.handle = handle;
    return t;
}

bool isIntegerTypeCode(int code) { return code == kTypeInteger || code == kTypeCheckBox; }
bool isRealTypeCode(int code) { return code >= kTypeNumber && code <= 16; }

}  // namespace grid
