// The class factories a host gets from DllGetClassObject: one factory type,
// and a table of the classes the DLL serves and how each is made.
#pragma once

#include <atomic>
#include <cstdint>

#include "cantivo/com_object.h"

namespace cantivo {

// LockServer's count; the module may unload when it and the object count are 0.
extern std::atomic<std::int32_t> g_lockCount;

// Makes a new object of a class and asks it for `riid`.
using CreateFunction = HRESULT (*)(REFIID riid, void** ppv);

class CClassFactory final : public ComObject<IClassFactory> {
public:
    explicit CClassFactory(CreateFunction create) : create_(create) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    CreateFunction create_;
};

// The factory for `classId`, asked for `riid`; CLASS_E_CLASSNOTAVAILABLE for
// a class the DLL does not serve.
HRESULT GetClassFactory(REFCLSID classId, REFIID riid, void** ppv);

}  // namespace cantivo
