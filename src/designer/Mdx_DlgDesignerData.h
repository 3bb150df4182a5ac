#pragma once
// A designed dialog: a background picture and the controls placed on it, stored as a file
// pair under the designer's root folder, and its realisation as child windows of a host
// dialog (the designer window in design mode, a macro dialog page in run mode).
#include <memory>
#include <vector>

#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "designer/Mdx_DesignerControl.h"
#include "win/Gdi.h"

class CControlRect;
class CControlRectManager;
class CDC;
class CDialog;
class CWnd;
class Mdx_PropertiesList;

// The result of Tab handling on a designed page.
enum Mdx_TabMsgHandle {
    tabHandled = 0,
    tabNotHandled = 1,
    tabPastLast = 2,
    tabBeforeFirst = 3,
};

// The module-wide height factor of designed edit fields; the macro dialog sets it from its
// own button height so designs keep their look at other font sizes.
extern double ctrlHeightScale;

// "<library>\Dialog Templates\Dialog Design\".
Mdx_String getDesignerRootFolder();
// The names (relative to the root folder, without extension) of every design, sorted.
void getModuleImages(Mdx_StringArray& names);

class Mdx_DlgDesignerData {
public:
    // Ids the document hands out until a host gives its own range; the range of both hosts.
    static constexpr int kDefaultFirstId = 33000;
    static constexpr int kDefaultLastId = 33099;

    Mdx_DlgDesignerData();
    // A copy is an empty document: the live windows belong to one host only.
    Mdx_DlgDesignerData(const Mdx_DlgDesignerData&);
    Mdx_DlgDesignerData& operator=(const Mdx_DlgDesignerData&);
    virtual ~Mdx_DlgDesignerData();

    bool initialize(CDialog* dialog, int firstId, int lastId, int typeComboId,
                    int contentsCaptionId, int contentsEditId, int listCaptionId,
                    int listEditId, bool designMode);
    CDialog* getDlgPtr() const;
    bool isInitialized() const { return m_initialized; }
    bool isDesignMode() const { return m_designMode; }

    // The one reader of a design's control list: the controls below "nrOfControls" that have
    // keys, in index order. False, controls empty, when the count is not a count.
    static bool readControls(const Mdx_PropertiesList& list,
                             std::vector<Mdx_DesignerControl>& controls);

    // Files. A path must lie inside the root folder; the name is the path relative to it.
    bool readFromFile(const Mdx_String& path, bool withImage);
    bool writeToFile(const Mdx_String& path);
    bool attachBitmap(const Mdx_String& path);
    void getImageSize(int& width, int& height) const;
    const Mdx_String& getName() const { return m_name; }
    HBITMAP getImage() const { return m_image; }
    // White pixels of the picture are transparent: they show the dialog face.
    bool isTransparentAt(int x, int y) const;

    // The list.
    int append(const Mdx_DesignerControl& control);
    int getNrControls() const { return static_cast<int>(m_controls.size()); }
    const Mdx_DesignerControl* getControl(int index) const;
    Mdx_DesignerControl* getControlWrite(int index);
    const Mdx_DesignerControl* getControlFromRes(int id) const;
    bool findCtrlFromResource(int id, int& index) const;
    bool removeControl(int index);
    void getAllCtrlNames(Mdx_StringArray& names) const;
    bool isADynControl(int id) const;
    bool getDynControlType(int id, Mdx_ControlType& type) const;
    bool isTypeBoltCount(int id) const;
    bool findEditCtrlWithContents(const Mdx_String& name, int& index) const;

    // Units: factors of the picture, pixels of the host. Without a picture the host's client
    // area is the measure; without either, nothing converts (setters change nothing).
    bool hasMeasure() const;
    double pixelsToFactor(bool horizontal, double pixels) const;
    double factorToPixels(bool horizontal, double factor) const;
    double getTopLeftX(const Mdx_DesignerControl& control) const;
    double getTopLeftY(const Mdx_DesignerControl& control) const;
    double getBottomRightX(const Mdx_DesignerControl& control) const;
    double getBottomRightY(const Mdx_DesignerControl& control) const;
    double getWidth(const Mdx_DesignerControl& control) const;
    double getHeight(const Mdx_DesignerControl& control) const;
    bool setTopLeftX(Mdx_DesignerControl& control, double pixels) const;
    bool setTopLeftY(Mdx_DesignerControl& control, double pixels) const;
    bool setBottomRightX(Mdx_DesignerControl& control, double pixels) const;
    bool setBottomRightY(Mdx_DesignerControl& control, double pixels) const;
    bool setWidth(Mdx_DesignerControl& control, double pixels) const;   // the left stays
    bool setHeight(Mdx_DesignerControl& control, double pixels) const;  // the bottom stays
    // The window rectangle of a control in host client pixels.
    RECT controlRect(const Mdx_DesignerControl& control) const;

    void printPositions() const;

    // Realisation on the host.
    bool drawControl(int index);
    void redrawAllControls();
    void removeAllDrawnCtrls();
    void getSizeFromAllControls();
    CControlRect* getDrawnCtrl(int id) const;
    CControlRectManager* getRectManager() const { return m_rectManager.get(); }

    // What the host forwards: the picture as background (white parts show the dialog face;
    // in the designer the face is painted first), the trackers of the selection, the cursor
    // over a tracker (false: the host's default).
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint(CDC* dc);
    bool OnSetCursor(UINT hitTest, UINT message);

    // Selection and editing on the design surface.
    bool OnLButtonDown(UINT flags, POINT point);
    int getCurSel() const;
    void selectCtrls(const std::vector<int>& ids);
    std::vector<int> getSelectedIds() const;
    bool removeCurControls();
    bool copyCurCtrls();
    bool changeCtrlSize(bool horizontal);
    bool changeCtrlSize(int index, bool horizontal, double pixels);
    bool outlineCurCtrls();
    bool stickRightCurCtrls();

    // The designer's property panel: type, contents and list of the single selected control.
    bool addNewControl(int type);
    void updatePropsOfCurSel();
    void updateProps(int index);
    void readProps(int index);
    void propsOfCurSelUpdated();

    // Keyboard order and focus.
    void sortAllControls();
    bool findCtrlWithTabOrder(int number, int& index) const;
    bool containsEditableCtrls() const;
    bool handleTabKey(UINT key, Mdx_TabMsgHandle& result);
    bool setFocusToCtrl(bool first);
    bool getFocusedDynControl(int& id) const;

    // Values of the realised controls.
    bool getCtrlValue(int id, Mdx_String& value) const;
    bool setCtrlValue(int id, const Mdx_String& value);
    bool setCtrlReadOnly(int id, bool readOnly);
    bool getCheckValue(int id, Mdx_String& value) const;
    bool setCheckValue(int id, const Mdx_String& value);
    bool getComboValue(int id, Mdx_String& value) const;
    bool setComboValue(int id, const Mdx_String& value);
    bool setBtnIcon(int id);

    // Flex buttons (type 30), grouped by their first flex string.
    bool getFlexBtnsInGroup(const Mdx_String& group, AcArray<int>& all,
                            AcArray<int>& withValue) const;
    void getFlexBtnsGroups(Mdx_StringArray& groups) const;
    bool findFlexButton(const Mdx_String& group, const Mdx_String& name, int& index) const;
    bool getAllFlexVarsOfGroup(const Mdx_String& group, Mdx_StringArray& names) const;
    bool getFlexBtnGroupName(int id, Mdx_String& group, Mdx_String& name) const;
    bool getSetFlexBtnStatus(bool set, int index, int& status);
    bool getFlexBtnStatus(int index, int& status);
    bool setFlexBtnStatus(const Mdx_String& group, const Mdx_String& name, int status);
    bool hideAllFlexBtns(const Mdx_String& group);

private:
    CWnd* host() const;
    void focusControl(int index);
    void measure(int& width, int& height) const;
    void clearImage();
    bool underRoot(const Mdx_String& path, Mdx_String& name) const;
    bool idInUse(int id) const;

    HWND m_host = nullptr;
    bool m_initialized = false;
    bool m_designMode = false;
    int m_firstId = kDefaultFirstId;
    int m_lastId = kDefaultLastId;
    int m_typeComboId = 0;
    int m_contentsCaptionId = 0;
    int m_contentsEditId = 0;
    int m_listCaptionId = 0;
    int m_listEditId = 0;
    HBITMAP m_image = nullptr;
    std::vector<bool> m_mask;  // true where the picture is transparent
    // For drawing: the mask (white where transparent) and the picture with those pixels black.
    HBITMAP m_maskBitmap = nullptr;
    HBITMAP m_paintImage = nullptr;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    Mdx_String m_name;
    std::vector<Mdx_DesignerControl> m_controls;
    std::vector<std::unique_ptr<CControlRect>> m_drawn;
    std::unique_ptr<CControlRectManager> m_rectManager;
    HICON m_flexIcon = nullptr;
    bool m_updating = false;
};
