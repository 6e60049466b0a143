// The page as the host sees it: IPropertyPage, its binding to the filter and
// the dirty state.
#include "ui/page/prop_page.h"

#include <cwchar>

#include "resources/resource.h"
#include "styles/state_file.h"
#include "ui/framework/resource_handle.h"
#include "ui/framework/win_app.h"

namespace cantivo {

namespace {

constexpr wchar_t kPageTitle[] = L"Cantivo v2.0";
constexpr SIZE_T kTitleBytes = 256;
constexpr LONG kUnmeasuredSize = 100;

INT_PTR CALLBACK AcceptEverything(HWND, UINT, WPARAM, LPARAM) { return TRUE; }

// The page's size in pixels from a throw-away window of its template.
SIZE MeasurePage() {
    SIZE size{kUnmeasuredSize, kUnmeasuredSize};
    HWND window = CreateDialogParamA(ui::AfxGetResourceHandle(), MAKEINTRESOURCEA(IDD_PROPPAGE), GetDesktopWindow(),
                                     AcceptEverything, 0);
    if (window == nullptr) return size;
    RECT rect{};
    GetWindowRect(window, &rect);
    size = {rect.right - rect.left, rect.bottom - rect.top};
    DestroyWindow(window);
    return size;
}

}  // namespace

CMFCSamplePropPage::CMFCSamplePropPage(ui::CWnd* parent, CMFCMidiFilter* filter)
    : CDialog(IDD_PROPPAGE, parent), m_pFilter(filter) {}

// The site is released only by SetPageSite(NULL); the filter is never ours.
CMFCSamplePropPage::~CMFCSamplePropPage() = default;

void CMFCSamplePropPage::MarkModified() {
    if (m_pFilter != nullptr) {
        m_pFilter->m_bBypass = 0;
        m_pFilter->m_bDirty = 1;
    }
    m_bPageDirty = 1;
    if (m_pPageSite != nullptr) m_pPageSite->OnStatusChange(PROPPAGESTATUS_DIRTY);
}

HRESULT CMFCSamplePropPage::SetPageSite(IPropertyPageSite* site) {
    if ((site != nullptr) == (m_pPageSite != nullptr)) return E_UNEXPECTED;
    if (site != nullptr) {
        site->AddRef();
        m_pPageSite = site;
    } else {
        m_pPageSite->Release();
        m_pPageSite = nullptr;
    }
    return S_OK;
}

HRESULT CMFCSamplePropPage::Activate(HWND parent, LPCRECT rect, BOOL /*modal*/) {
    if (rect == nullptr) return E_POINTER;
    if (m_hWnd != nullptr) return E_UNEXPECTED;
    ui::ModuleResources resources;
    if (!Create(IDD_PROPPAGE, parent)) return E_OUTOFMEMORY;
    SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    Move(rect);
    Show(SW_SHOWNORMAL);
    return S_OK;
}

HRESULT CMFCSamplePropPage::Deactivate() {
    if (m_hWnd == nullptr) return E_UNEXPECTED;
    ui::ModuleResources resources;
    DestroyWindow();
    return S_OK;
}

HRESULT CMFCSamplePropPage::GetPageInfo(PROPPAGEINFO* info) {
    IMalloc* allocator = nullptr;
    if (FAILED(CoGetMalloc(1, &allocator)) || allocator == nullptr) return E_FAIL;
    auto* title = static_cast<wchar_t*>(allocator->Alloc(kTitleBytes));
    allocator->Release();
    if (title == nullptr) return E_OUTOFMEMORY;
    std::wcscpy(title, kPageTitle);

    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = title;
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    ui::ModuleResources resources;
    info->size = MeasurePage();
    return S_OK;
}

HRESULT CMFCSamplePropPage::SetObjects(ULONG count, IUnknown** objects) {
    if (count == 0) return E_FAIL;
    if (count > 1) return E_UNEXPECTED;
    if (objects == nullptr || objects[0] == nullptr) return E_POINTER;
    // The filter's IUnknown is its first interface, at the start of the object;
    // the host keeps it alive while the page is bound, so no reference is taken.
    m_pFilter = static_cast<CMFCMidiFilter*>(reinterpret_cast<IMfxEventFilter*>(objects[0]));
    return S_OK;
}

HRESULT CMFCSamplePropPage::Show(UINT command) {
    if (m_hWnd == nullptr) return E_UNEXPECTED;
    if (command != SW_HIDE && command != SW_SHOWNORMAL && command != SW_SHOW) return E_INVALIDARG;
    ShowWindow(static_cast<int>(command));
    if (command != SW_HIDE) ::SetFocus(GetDlgItem(IDC_STYLE_LIST));
    return S_OK;
}

HRESULT CMFCSamplePropPage::Move(LPCRECT rect) {
    if (rect == nullptr) return E_POINTER;
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

HRESULT CMFCSamplePropPage::IsPageDirty() { return m_bPageDirty ? S_OK : S_FALSE; }

HRESULT CMFCSamplePropPage::Apply() {
    if (m_pFilter != nullptr) WriteStateFile(*m_pFilter);
    m_bPageDirty = 0;
    return S_OK;
}

HRESULT CMFCSamplePropPage::Help(LPCOLESTR /*helpDir*/) {
    ui::ModuleResources resources;
    if (ui::CWinApp* app = ui::AfxGetApp(); app != nullptr) app->HtmlHelp(m_hWnd, 0, 0);
    return S_OK;
}

// The frame offers the page each message before it dispatches it.
HRESULT CMFCSamplePropPage::TranslateAccelerator(MSG* message) {
    if (message == nullptr) return E_POINTER;
    return m_hWnd != nullptr && PreTranslateMessage(message) ? S_OK : S_FALSE;
}

BOOL CMFCSamplePropPage::PreTranslateMessage(MSG* message) { return RouteArrowKey(*message); }

}  // namespace cantivo
