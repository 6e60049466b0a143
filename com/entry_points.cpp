// DllGetClassObject and DllCanUnloadNow.
#include <new>

#include "com/class_factory.h"
#include "engine/midi_filter.h"

using namespace cantivo;

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    CClassFactory* factory = nullptr;
    if (IsEqualGUID(rclsid, CLSID_CantivoFilter)) {
        factory = new (std::nothrow) CMidiFilterFactory;
    } else if (IsEqualGUID(rclsid, CLSID_CantivoPropertyPage)) {
        factory = new (std::nothrow) CPropPageFactory;
    } else {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    if (!factory) return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(riid, ppv);
    factory->Release();
    return result;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return g_objectCount.load() == 0 && g_lockCount.load() == 0 ? S_OK : S_FALSE;
}
