// The page's choice of a style: the folder and style lists, and the
// "Options..." and "Help..." buttons beside them.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/error_code.h"
#include "engine/module_folder.h"
#include "resources/resource.h"
#include "styles/style_library.h"
#include "ui/options/options_dialog.h"
#include "ui/page/prop_page.h"

namespace cantivo {

namespace {

std::vector<std::string> Entries(const ui::CComboBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.GetCount(); ++i) entries.push_back(list.GetLBText(i));
    return entries;
}

void StoreName(char (&name)[kNameBytes], const std::string& text) {
    const std::size_t length = std::min(text.size(), kNameBytes - 1);
    std::memcpy(name, text.data(), length);
    name[length] = '\0';
}

// A folder entry that stands for no folder that can be opened.
bool IsRefusedFolder(const std::string& entry) { return !entry.empty() && entry.front() == '['; }

}  // namespace

bool CMFCSamplePropPage::OnStyleChoiceCommand(UINT id, UINT code) {
    switch (id) {
        case IDC_FOLDER_LIST:
            if (code == CBN_SELCHANGE) OnFolderChosen();
            return code == CBN_SELCHANGE;
        case IDC_STYLE_LIST:
            if (code == CBN_SELCHANGE) OnStyleChosen();
            return code == CBN_SELCHANGE;
        case IDC_OPTIONS:
            if (code == BN_CLICKED) OpenOptions(this);
            return code == BN_CLICKED;
        case IDC_HELP_BUTTON:
            if (code == BN_CLICKED) Help(nullptr);
            return code == BN_CLICKED;
        default:
            return false;
    }
}

void CMFCSamplePropPage::SelectStoredEntry(ui::CComboBox& list, char (&name)[kNameBytes]) {
    const auto found = FindStoredEntry(Entries(list), FieldText(name));
    if (!found) {
        name[0] = '\0';
        return;
    }
    list.SetCurSel(static_cast<int>(*found));
    StoreName(name, list.GetLBText(static_cast<int>(*found)));
}

void CMFCSamplePropPage::FillStyleList() {
    m_styles.ResetContent();
    for (const std::string& style : ListStyles(ModuleFolder(), m_folders.GetLBText(m_folders.GetCurSel())))
        m_styles.AddString(style);
}

void CMFCSamplePropPage::OnFolderChosen() {
    const int chosen = m_folders.GetCurSel();
    if (chosen < 0 || m_pFilter == nullptr) return;
    if (IsRefusedFolder(m_folders.GetLBText(chosen))) {
        m_styles.ResetContent();
        // The code stays set once the box is closed.
        SetErrorCode(kErrCantOpenFile);
        ShowError();
        // Back to the first folder, once: a refused first folder leaves no style to choose.
        m_folders.SetCurSel(0);
        if (IsRefusedFolder(m_folders.GetLBText(0))) return;
    }
    StoreName(m_pFilter->m_szStyleFolder, m_folders.GetLBText(m_folders.GetCurSel()));
    FillStyleList();
    m_styles.SetCurSel(0);
    OnStyleChosen();
    m_styles.SetFocus();
}

void CMFCSamplePropPage::OnStyleChosen() {
    const int chosen = m_styles.GetCurSel();
    if (chosen >= 0 && m_pFilter != nullptr) {
        m_bReady = 0;
        StoreName(m_pFilter->m_szStyleName, m_styles.GetLBText(chosen));
        m_pFilter->m_bBypass = 1;  // the new style's initial values apply
        RunStyleLoader(true, false);
        m_bReady = 1;
    }
    MarkModified();
}

}  // namespace cantivo
