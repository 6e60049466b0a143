// DllGetClassObject and DllCanUnloadNow.
#include "com/class_factory.h"
#include "engine/midi_filter.h"

using namespace cantivo;

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    return GetClassFactory(rclsid, riid, ppv);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return g_objectCount.load() == 0 && g_lockCount.load() == 0 ? S_OK : S_FALSE;
}
