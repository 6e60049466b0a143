// IUnknown written once: an object names the interfaces it implements and
// gets QueryInterface, AddRef and Release for all of them.
#pragma once

#include <atomic>
#include <new>

#include "cantivo/com.h"
#include "cantivo/mfx.h"

namespace cantivo {

// The IID each interface we implement answers to.
template <typename Interface>
const IID& InterfaceId();
template <> inline const IID& InterfaceId<IUnknown>() { return IID_IUnknown; }
template <> inline const IID& InterfaceId<IStream>() { return IID_IStream; }
template <> inline const IID& InterfaceId<IPersistStream>() { return IID_IPersistStream; }
template <> inline const IID& InterfaceId<ISpecifyPropertyPages>() { return IID_ISpecifyPropertyPages; }
template <> inline const IID& InterfaceId<IMfxEventFilter>() { return IID_IMfxEventFilter; }
template <> inline const IID& InterfaceId<IHostEventQueue>() { return IID_IHostEventQueue; }
template <> inline const IID& InterfaceId<IHostTimeBase>() { return IID_IHostTimeBase; }
template <> inline const IID& InterfaceId<IHostMeter>() { return IID_IHostMeter; }
#ifdef _WIN32
template <> inline const IID& InterfaceId<IClassFactory>() { return IID_IClassFactory; }
template <> inline const IID& InterfaceId<IPropertyPage>() { return IID_IPropertyPage; }
template <> inline const IID& InterfaceId<IPropertyPageSite>() { return IID_IPropertyPageSite; }
#endif

// Who ends the object's life: its last Release, or whoever holds it (an
// object on the stack or inside another, counted but never deleted).
enum class Lifetime { Counted, Held };

// The first interface also answers IUnknown.
template <Lifetime lifetime, typename First, typename... More>
class ComObjectOf : public First, public More... {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (IsEqualGUID(riid, IID_IUnknown)) {
            *ppv = static_cast<First*>(this);
        } else if (!(Give<First>(riid, ppv) || ... || Give<More>(riid, ppv))) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG count = --refs_;
        if constexpr (lifetime == Lifetime::Counted) {
            if (count == 0) delete this;
        }
        return count;
    }
    ULONG References() const { return refs_; }

    ComObjectOf() = default;
    ComObjectOf(const ComObjectOf&) = delete;
    ComObjectOf& operator=(const ComObjectOf&) = delete;
    virtual ~ComObjectOf() = default;

private:
    template <typename Interface>
    bool Give(REFIID riid, void** ppv) {
        if (!IsEqualGUID(riid, InterfaceId<Interface>())) return false;
        *ppv = static_cast<Interface*>(this);
        return true;
    }

    std::atomic<ULONG> refs_{1};
};

template <typename... Interfaces>
using ComObject = ComObjectOf<Lifetime::Counted, Interfaces...>;
template <typename... Interfaces>
using HeldComObject = ComObjectOf<Lifetime::Held, Interfaces...>;

// Makes an object and asks it for `riid`; the object lives on only when the
// answer holds a reference.
template <typename Object, typename... Arguments>
HRESULT CreateComObject(REFIID riid, void** ppv, Arguments&&... arguments) {
    auto* object = new (std::nothrow) Object(static_cast<Arguments&&>(arguments)...);
    if (!object) return E_OUTOFMEMORY;
    const HRESULT result = object->QueryInterface(riid, ppv);
    object->Release();
    return result;
}

}  // namespace cantivo
