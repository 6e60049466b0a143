// The filter's property page: a COM IPropertyPage that the host binds to one
// filter, and the dialog (template 102) that edits the filter's state in place.
// Without a window it still serves the filter's stream loading as the view
// that reloads the style.
#pragma once

#include <windows.h>
// after windows.h
#include <ocidl.h>

#include <cstdint>

#include "cantivo/com_object.h"
#include "engine/filter_view.h"
#include "engine/midi_filter.h"
#include "styles/style_view.h"
#include "ui/controls/grad_btn.h"
#include "ui/controls/gradient.h"
#include "ui/controls/reg2d.h"
#include "ui/controls/slider.h"
#include "ui/controls/static_bk.h"
#include "ui/framework/controls.h"
#include "ui/framework/dialog.h"
#include "ui/framework/gdi_objects.h"

namespace cantivo {

// Filter to page: show the state again; sent after a stream load.
constexpr UINT WM_REFRESH_FROM_STATE = WM_USER + 1000;

class CMFCSamplePropPage final : public ui::CDialog,
                                 public ComObject<IPropertyPage>,
                                 public FilterView,
                                 public StyleView {
public:
    explicit CMFCSamplePropPage(ui::CWnd* parent = nullptr, CMFCMidiFilter* filter = nullptr);
    ~CMFCSamplePropPage() override;

    // IPropertyPage
    HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
    HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    HRESULT STDMETHODCALLTYPE Deactivate() override;
    HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
    HRESULT STDMETHODCALLTYPE Show(UINT command) override;
    HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
    HRESULT STDMETHODCALLTYPE IsPageDirty() override;
    HRESULT STDMETHODCALLTYPE Apply() override;
    HRESULT STDMETHODCALLTYPE Help(LPCOLESTR helpDir) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message) override;

    // FilterView
    void ReloadStyle(CMFCMidiFilter& filter) override;
    void RefreshFromState(CMFCMidiFilter& filter) override;
    HWND Window() const override { return m_hWnd; }

    // StyleView
    void ShowInitialValues() override;
    void ShowStyleInformation(const StyleFileHeader& header, bool interactive) override;
    void ShowRows() override;
    void BindRegulatorAxes() override;
    void RedrawRegulators() override;
    void EnableOkButton(bool enable) override;
    void MarkDirty() override { MarkModified(); }

    // Processing on, the filter and the page dirty, and the site told.
    void MarkModified();

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape never close the page.
    void OnOK() override {}
    void OnCancel() override {}
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BindControls();
    void PrepareGridButtons();
    void PrepareRegulators();
    void CreateRunTimeControls();
    LRESULT OnRefreshFromState(WPARAM wParam);
    // Runs the style loader on the page's thread, answering messages sent to
    // the page while a processing run holds the filter's lock.
    void RunStyleLoader(bool interactive, bool keepSettings);
    // Rows, slider and regulators from the state, locked rows at 100 and 20.
    void RefreshRows();

public:
    // Regulators, slider and style choice
    // Rebinds the axes showing grid row 1..7 and repaints their handles where they stand.
    void RebindRow(int row);
    // Places the handle of each regulator with that row on an axis.
    void PlaceHandlesShowing(int row);
    void UpdateVariableSlider();
    // Sends an arrow key to the focused regulator handle, so that
    // the handle moves instead of the focus; true when it did.
    bool RouteArrowKey(const MSG& message);

private:
    // True for the commands of the axis lists.
    bool OnRegulatorCommand(UINT id, UINT code);
    LRESULT OnRegulatorChanged(WPARAM notifyId, LPARAM code);
    void OnHScroll(UINT code, UINT pos, HWND scrollBar) override;
    void BindRegulator(int regulator);
    bool RegulatorShows(int regulator, int row) const;
    // The row's depth on its button, and for "Variable" on the slider too.
    void ShowDepth(int row);
    // True for the commands of the folder and style lists, "Options..." and "Help...".
    bool OnStyleChoiceCommand(UINT id, UINT code);
    void OnFolderChosen();
    void OnStyleChosen();
    // Selects the stored name's entry and takes its full text; empty when the
    // list is.
    void SelectStoredEntry(ui::CComboBox& list, char (&name)[kNameBytes]);
    void FillStyleList();

    // The grid
    // A locked row disabled; an unlocked one enabled, grey while muted.
    void EnableRow(int row);
    void ShowRowNumbers();
    bool OnGridCommand(UINT id, UINT code);
    void OnMuteCheck(int row);
    void OnKeepCheck(int keepRow);
    void OnInitialButton(int keepRow);
    void OnValueButton(int row, bool depth);
    void OnKeepHeader();
    void OnMuteHeader();
    void OnDepthHeader();
    void OnRandomHeader();
    void OnClear();
    // The number a button shows into field when it lies in 0..upper; else the
    // button is focused, the range message shown and false returned.
    bool StoreShownNumber(ui::CGradBtn& button, std::int16_t* field, int upper);
    // Keyboard and mouse of the page's window; true when consumed.
    bool PreTranslateMessage(MSG& message);
    bool PreTranslateEditorMessage(const MSG& message);
    void OpenEditor(ui::CGradBtn& button, std::int16_t* field, int upper);
    void OnEditorChange();
    void CloseEditor();
    // Shows the edited value on its button and moves what shows its row.
    void ShowEditedValue();

    ui::CGradient m_grey, m_green, m_yellow, m_red;
    ui::CPen m_darkShadowPen, m_highlightPen, m_shadowPen, m_facePen;
    ui::CGradBtn m_keepChecks[5];
    ui::CGradBtn m_initialButtons[5];
    ui::CGradBtn m_muteChecks[7];
    ui::CGradBtn m_depthButtons[7];
    ui::CGradBtn m_randomButtons[6];
    ui::CReg2D m_regulators[2];
    ui::CBitmap m_pattern;
    ui::CBitmap m_handleStates[8];
    ui::CSlider m_slider;
    ui::CSpinButtonCtrl m_spin;
    // The field the in-place editor edits; null while no edit is open.
    std::int16_t* m_pEditedValue = nullptr;
    UINT m_nEditedButton = 0;
    std::int16_t m_nValueBeforeEdit = 0;
    ui::CStaticBk m_information[14];
    ui::CEdit m_editor;
    ui::CEdit m_description;
    ui::CComboBox m_folders, m_styles, m_axes[4];

    CMFCMidiFilter* m_pFilter = nullptr;
    IPropertyPageSite* m_pPageSite = nullptr;
    std::uint32_t m_bPageDirty = 0;
    // While 0, control notifications change only the controls.
    std::uint32_t m_bReady = 0;
};

}  // namespace cantivo
