// The page as a host meets it: the registered plug-in through COM and the
// host's usual sequence of page calls.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <olectl.h>

#include <string>

#include "cantivo/com.h"
#include "cantivo/com_object.h"
#include "tests/ui/window_fixture.h"
#include "tests/win32/plugin_module.h"

namespace cantivo::test {
namespace {

// A page site that records the status changes the page reports.
class RecordingSite final : public HeldComObject<IPropertyPageSite> {
public:
    HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
        statusChanges |= flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetLocaleID(LCID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return E_NOTIMPL; }

    DWORD statusChanges = 0;
};

template <typename Interface>
struct Released {
    ~Released() {
        if (pointer) pointer->Release();
    }
    Interface* pointer = nullptr;
};

// The plug-in registered and a filter made through COM, as a host makes it.
class HostedPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        ASSERT_EQ(plugin.RegisterServer(), S_OK);
        ASSERT_EQ(CoCreateInstance(CLSID_CantivoFilter, nullptr, CLSCTX_INPROC_SERVER, IID_ISpecifyPropertyPages,
                                   reinterpret_cast<void**>(&filter.pointer)),
                  S_OK);
    }
    void TearDown() override {
        if (filter.pointer) {
            EXPECT_EQ(filter.pointer->Release(), 0u);
        }
        filter.pointer = nullptr;
        EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
        plugin.UnregisterServer();
        CoUninitialize();
    }

    // The filter's IUnknown, the object's own address, as hosts bind pages to it.
    IUnknown* FilterObject() const {
        IUnknown* unknown = nullptr;
        filter.pointer->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
        unknown->Release();
        return unknown;
    }

    PluginModule plugin;
    HostWindow host;
    Released<ISpecifyPropertyPages> filter;
};

TEST_F(HostedPage, TheHostsUsualSequenceGetsEveryResult) {
    CAUUID pages{};
    ASSERT_EQ(filter.pointer->GetPages(&pages), S_OK);
    ASSERT_EQ(pages.cElems, 1u);
    const CLSID pageClass = pages.pElems[0];
    CoTaskMemFree(pages.pElems);
    EXPECT_TRUE(IsEqualCLSID(pageClass, CLSID_CantivoPropertyPage));

    Released<IPropertyPage> made;
    ASSERT_EQ(CoCreateInstance(pageClass, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                               reinterpret_cast<void**>(&made.pointer)),
              S_OK);
    IPropertyPage& page = *made.pointer;
    RecordingSite site;
    EXPECT_EQ(page.SetPageSite(&site), S_OK);
    EXPECT_EQ(site.References(), 2u);

    IUnknown* object = FilterObject();
    EXPECT_EQ(page.SetObjects(1, &object), S_OK);

    PROPPAGEINFO info{};
    ASSERT_EQ(page.GetPageInfo(&info), S_OK);
    EXPECT_EQ(info.cb, sizeof(PROPPAGEINFO));
    EXPECT_EQ(std::wstring(info.pszTitle), L"Cantivo v2.0");
    EXPECT_GT(info.size.cx, 100);  // measured, not the fallback
    EXPECT_GT(info.size.cy, 100);
    CoTaskMemFree(info.pszTitle);

    const RECT place{0, 0, info.size.cx, info.size.cy};
    EXPECT_EQ(page.Activate(host.m_hWnd, &place, FALSE), S_OK);
    const HWND window = FindWindowExA(host.m_hWnd, nullptr, MAKEINTATOM(32770), nullptr);  // the page's
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindWindowExA(host.m_hWnd, window, MAKEINTATOM(32770), nullptr), nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    EXPECT_EQ(page.Show(SW_SHOW), S_OK);
    EXPECT_EQ(GetFocus(), GetDlgItem(window, 1047));
    const RECT moved{5, 6, 5 + info.size.cx, 6 + info.size.cy};
    EXPECT_EQ(page.Move(&moved), S_OK);
    RECT now{};
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, host.m_hWnd, reinterpret_cast<POINT*>(&now), 2);
    EXPECT_TRUE(EqualRect(&now, &moved));

    // The first bundled style was loaded when the page opened.
    char style[64] = {};
    GetDlgItemTextA(window, 1047, style, sizeof style);
    EXPECT_STRNE(style, "");
    EXPECT_EQ(page.IsPageDirty(), S_OK);
    EXPECT_TRUE(site.statusChanges & PROPPAGESTATUS_DIRTY);
    EXPECT_EQ(page.Apply(), S_OK);
    EXPECT_EQ(page.IsPageDirty(), S_FALSE);

    EXPECT_EQ(page.Deactivate(), S_OK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(page.SetPageSite(nullptr), S_OK);
    EXPECT_EQ(site.References(), 1u);
    EXPECT_EQ(made.pointer->Release(), 0u);
    made.pointer = nullptr;
}

}  // namespace
}  // namespace cantivo::test
