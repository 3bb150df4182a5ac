#pragma once
// The profile-details dialog (template 9105): the properties of a profile group or member as
// a detailer sets them: member name, section (the group's sections offered, any typed, or one
// chosen from the section tables), material, and where the section sits: offset type,
// rotation (0, 90, 180, 270 degrees, the mixed word, or any angle typed) and base plane.
// The properties come from and go to the caller through an exchange: read when the dialog
// opens, write on OK. OK first checks what was typed; what cannot be right, and a write the
// profiles refuse, is told in a message and the dialog stays open. The window's rectangle
// is kept between openings.
#include <functional>
#include <string>

#include "frame/TemplateDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"

class KvProfDetailsDlg : public TemplateDialog {
public:
    static constexpr UINT kTemplateId = IDD_PROF_DETAILS;
    static constexpr const char* kSizeKey = "DLG_MACRO_PROFADVANCED";
    static constexpr int kCaptionText = 9400;
    // Fetches (read) or stores (write) the properties; a refused write gives false and, when
    // it can, says why.
    using Exchange = std::function<bool(KvMACallBackType, MacroProfData&, std::string& why)>;

    KvProfDetailsDlg(const Mdx_String& title, Exchange exchange, CWnd* parent = nullptr);

    // Sections and materials offered in the lists besides the one shown.
    void setOffered(const Mdx_StringArray& sections, const Mdx_StringArray& materials);
    // The properties as the last read (or accepted write) left them.
    const MacroProfData& properties() const { return properties_; }
    // True once OK wrote properties the exchange accepted.
    bool written() const { return written_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

    // The properties the controls hold, starting from shown; false with the message of what
    // is wrong.
    bool readControls(const MacroProfData& shown, MacroProfData& props, Mdx_String& problem) const;

private:
    void labelControls();
    void showProperties();
    void showPlane(int item);
    void chooseSection();
    void pickPlane();
    void refuse(const Mdx_String& message);
    Mdx_String controlText(int id) const;

    Mdx_String title_;
    Exchange exchange_;
    MacroProfData properties_;
    Mdx_StringArray sections_;
    Mdx_StringArray materials_;
    bool written_ = false;
};
