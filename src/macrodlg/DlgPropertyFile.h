#pragma once
// The property files of a macro, to load values from or to save them to: the files in a
// list and the file's name in a field below. Picking a file puts its name in the field;
// a double click takes it at once. Loading takes only a file of the list; saving takes any
// plain name and asks before it replaces a file that exists.
#include "core/Mdx_StringArray.h"
#include "frame/TemplateDialog.h"

class DlgPropertyFile : public TemplateDialog {
public:
    enum class Mode { Load, Save };

    DlgPropertyFile(Mode mode, const Mdx_StringArray& files, CWnd* parent = nullptr);

    // The name chosen (on OK); in save mode also the name offered first.
    Mdx_String chosen;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    // The name in the field, or a message and false when it cannot be taken.
    bool acceptName(Mdx_String& name);

    Mode mode_;
    Mdx_StringArray files_;
};

// Runs the dialog modally with the module's resources; true, with the chosen name, on OK.
bool StartDlgPropertyFile(DlgPropertyFile::Mode mode, const Mdx_StringArray& files,
                          Mdx_String& chosen, CWnd* parent = nullptr);
