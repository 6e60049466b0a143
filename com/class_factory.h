// The class factories a host gets from DllGetClassObject.
#pragma once

#include <atomic>
#include <cstdint>

#include "cantivo/com.h"

namespace cantivo {

// LockServer's count; the module may unload when it and the object count are 0.
extern std::atomic<std::int32_t> g_lockCount;

// Every slot but CreateInstance is shared by both factories.
class CClassFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
    virtual ~CClassFactory() = default;

private:
    std::atomic<ULONG> m_cRef{1};
};

class CMidiFilterFactory final : public CClassFactory {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
};

class CPropPageFactory final : public CClassFactory {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
};

}  // namespace cantivo
