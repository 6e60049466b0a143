#include "com/class_factory.h"

#include <new>

#include "engine/midi_filter.h"
#include "styles/windowless_view.h"

namespace cantivo {

std::atomic<std::int32_t> g_lockCount{0};

HRESULT CClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CClassFactory::AddRef() { return ++m_cRef; }

ULONG CClassFactory::Release() {
    const ULONG count = --m_cRef;
    if (count == 0) delete this;
    return count;
}

HRESULT CClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ++g_lockCount;
    } else {
        --g_lockCount;
    }
    return S_OK;
}

HRESULT CMidiFilterFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* filter = new (std::nothrow) CMFCMidiFilter;
    if (!filter) return E_OUTOFMEMORY;
    filter->m_pWindowlessView = &WindowlessView();
    const HRESULT result = filter->QueryInterface(riid, ppv);
    filter->Release();
    return result;
}

HRESULT CPropPageFactory::CreateInstance(IUnknown* outer, REFIID, void**) {
    if (outer) return CLASS_E_NOAGGREGATION;
    // The property page object comes with the page itself.
    return E_NOTIMPL;
}

}  // namespace cantivo
