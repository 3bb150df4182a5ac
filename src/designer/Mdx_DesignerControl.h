#pragma once
// One control of a designed dialog: its type, its place on the background picture (as
// fractions of the picture's width and height) and the texts the type gives meaning to.
#include "core/Mdx_StringArray.h"
#include "designer/Mdx_ControlType.h"

class CWnd;
class CButton;
class CComboBox;
class CEdit;
class Mdx_PropertiesList;

class Mdx_DesignerControl {
public:
    Mdx_DesignerControl() = default;
    Mdx_DesignerControl(const Mdx_DesignerControl&) = default;
    Mdx_DesignerControl& operator=(const Mdx_DesignerControl&) = default;
    virtual ~Mdx_DesignerControl() = default;

    Mdx_ControlType type = ctStaticText;
    bool readOnly = false;  // created disabled, never in the keyboard order
    int resId = 0;          // the realised window's id; handed out by the document
    int tabOrder = 0;       // 1-based keyboard order; 0 for none
    // Factors: x of the picture's width, y of its height.
    double topLeftX = 0.0;
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Mdx_String contents;
    Mdx_String comboList;
    // Flex buttons (type 30): the group, the variables it frees, the value it carries (a
    // button with one is a value button) and a fourth part kept for the file.
    Mdx_String flexGroup;
    Mdx_String flexVars;
    Mdx_String flexValue;
    Mdx_String flexSpare;
    // Distance buttons (types 25, 26): base variable, two variables (a leading "-" negates)
    // and a factor or offset.
    Mdx_String extString1;
    Mdx_String extString2;
    Mdx_String extString3;
    Mdx_String extString4;
    Mdx_StringArray comboItems;  // supplied at run time, never stored

    // The five keys of control index in a design file; a missing key leaves its field.
    void getFromPropList(const Mdx_PropertiesList& list, int index);
    void setToPropList(Mdx_PropertiesList& list, int index) const;

    // The list edit of the designer shows the flex strings (type 30), the extended strings
    // and comboList (types 25, 26) or comboList alone, joined with ";".
    Mdx_String getMergedExtComboList() const;
    bool setSplitExtComboList(const Mdx_String& merged);

    // The lines of the file comboList names; items untouched when there is no such file.
    void getComboItemsFromFile(Mdx_StringArray& items) const;

    // The realised window on dialog; the typed forms only for their kind of control.
    bool getCtrlPtr(const CWnd* dialog, CWnd*& window) const;
    CComboBox* getComboPtr(const CWnd* dialog) const;
    CButton* getButtonPtr(const CWnd* dialog) const;
    CEdit* getEditPtr(const CWnd* dialog) const;
};
