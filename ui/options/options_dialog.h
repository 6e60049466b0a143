// The Options dialog: the "Expression*" controller, the phrase-marker
// controller and the four visible rows of "Auto Optimization". OK checks the
// entries and takes them over into the module-wide settings.
#pragma once

#include <cstdint>

#include "ui/framework/controls.h"
#include "ui/framework/dialog.h"
#include "ui/options/options_form.h"

namespace cantivo {

class COptions : public ui::CDialog {
public:
    explicit COptions(ui::CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // Enables or disables a row's edit and up-down as its check box says.
    void EnableRow(int row);
    OptionsEntries ReadEntries() const;
    // Leaves the edit ready for mending and says what it must hold.
    void Refuse(UINT editId, ErrorCode code);

    std::uint8_t m_nExpressionController = 11;
    std::int32_t m_nPhraseFlag = 0;
};

// The page's "Options..." command: the dialog, modal over its owner's
// window, from the plug-in file's own template; the settings are saved when
// it ends with OK.
void OpenOptions(ui::CWnd* owner = nullptr);

}  // namespace cantivo
