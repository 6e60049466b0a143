#include "com/class_factory.h"

#include "engine/midi_filter.h"
#include "styles/windowless_view.h"
#include "ui/framework/resource_handle.h"
#include "ui/page/prop_page.h"

namespace cantivo {

std::atomic<std::int32_t> g_lockCount{0};

namespace {

HRESULT CreateFilter(REFIID riid, void** ppv) { return CreateComObject<CMFCMidiFilter>(riid, ppv, &WindowlessView()); }

// The page's dialog and bitmaps come from this module, whatever the host's is;
// a page is no filter, so the module's object count stays as it is.
HRESULT CreatePropertyPage(REFIID riid, void** ppv) {
    ui::ModuleResources resources;
    return CreateComObject<CMFCSamplePropPage>(riid, ppv);
}

struct ServedClass {
    const CLSID& id;
    CreateFunction create;
};

const ServedClass kClasses[] = {
    {CLSID_CantivoFilter, CreateFilter},
    {CLSID_CantivoPropertyPage, CreatePropertyPage},
};

}  // namespace

HRESULT CClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(riid, ppv);
}

HRESULT CClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ++g_lockCount;
    } else {
        --g_lockCount;
    }
    return S_OK;
}

HRESULT GetClassFactory(REFCLSID classId, REFIID riid, void** ppv) {
    for (const ServedClass& served : kClasses) {
        if (IsEqualGUID(classId, served.id)) return CreateComObject<CClassFactory>(riid, ppv, served.create);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace cantivo
