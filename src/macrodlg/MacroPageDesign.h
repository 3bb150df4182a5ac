#pragma once
// The designed part of a macro page: the tab's design read from the designer's folder and
// realised on the page in run mode, each control bound to the item of the tab it shows. The
// item records the control's id; a control whose item the tab does not have is removed, so
// that item goes to the page's variables grid instead. Values move between the tab and the
// controls in both directions.
#include "core/macro/MacroTabData.h"
#include "designer/Mdx_DlgDesignerData.h"

class CDialog;

class MacroPageDesign {
public:
    // The first and last id of the page's designed controls.
    static constexpr int kFirstId = 33000;
    static constexpr int kLastId = 33099;

    // Reads the tab's design (its path relative to the designer's folder, without or with
    // ".txt"), binds every control and realises the bound ones on page. False, with nothing
    // on the page, when the tab has no design or it cannot be read.
    bool build(CDialog& page, MacroTabData& tab);
    bool present() const { return present_; }
    // The design picture's size in pixels (0 without a picture).
    SIZE size() const;
    // The design has its own bolt settings button (type 12).
    bool ownBoltButton() const { return ownBoltButton_; }
    Mdx_DlgDesignerData& document() { return document_; }
    // The full path of the tab's design file; empty when the tab has none.
    static Mdx_String designFile(const MacroTabData& tab);

    // The tab's values into the controls.
    void refresh(const MacroTabData& tab);
    // The controls' values into the tab; only what a control changed is taken over.
    void read(MacroTabData& tab);

private:
    bool bind(Mdx_DesignerControl& control, MacroTabData& tab);
    void blockItems(Mdx_DesignerControl& control, const MacroBlockData& block);
    bool bindVariable(Mdx_DesignerControl& control, MacroTabData& tab);
    bool bindPattern(Mdx_DesignerControl& control, MacroTabData& tab);
    bool bindBolt(Mdx_DesignerControl& control, MacroTabData& tab);
    bool bindGroup(Mdx_DesignerControl& control, MacroTabData& tab);
    bool bindArray(Mdx_DesignerControl& control, MacroTabData& tab);
    void shorten(Mdx_DesignerControl& control) const;
    void setText(int id, const Mdx_String& value);
    void showSection(int id, const Mdx_String& section);
    Mdx_String text(int id) const;
    void readGroup(MacroTabData& tab, MacroProfData& group);

    Mdx_DlgDesignerData document_;
    bool present_ = false;
    bool ownBoltButton_ = false;
};
