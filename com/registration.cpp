// DllRegisterServer and DllUnregisterServer: the two COM classes and the
// host's entry in its list of MIDI filters.
#include <windows.h>

#include <cstring>
#include <string>

#include "cantivo/mfx.h"
#include "com/application.h"
#include "com/key_tree.h"

using namespace cantivo;

namespace {

constexpr const char* kFilterName = "Cantivo 2.0 (QVB2.0 x64)";
constexpr const char* kPageName = "Cantivo 2.0 (QVB2.0 x64) Property Page";
constexpr const char* kHostFilters = "Software\\Cakewalk Music Software\\MIDI Filters";

// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, upper case, as the system writes it.
std::string ClassIdString(REFCLSID id) {
    wchar_t wide[64] = {};
    char narrow[128] = {};
    StringFromGUID2(id, wide, 64);
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

std::string ModuleFile() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(theApp.m_hInstance, path, MAX_PATH);
    return path;
}

void SetKeyAndValue(HKEY root, const std::string& key, const char* subkey, const char* value) {
    std::string path = key;
    if (subkey) path = path + "\\" + subkey;
    HKEY opened = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(opened);
}

class RegistryKeyTree final : public KeyTreeStore {
public:
    explicit RegistryKeyTree(HKEY root) : root_(root) {}

    std::optional<std::string> SubkeyAt(const std::string& path, unsigned index) override {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return std::nullopt;
        char name[256];
        DWORD length = sizeof name;
        const LONG found = RegEnumKeyExA(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(opened);
        if (found != ERROR_SUCCESS) return std::nullopt;
        return std::string(name, length);
    }

    void DeleteKey(const std::string& path) override { RegDeleteKeyA(root_, path.c_str()); }

private:
    HKEY root_;
};

void RegisterComClass(REFCLSID id, const char* name) {
    const std::string key = "CLSID\\" + ClassIdString(id);
    SetKeyAndValue(HKEY_CLASSES_ROOT, key, nullptr, name);
    SetKeyAndValue(HKEY_CLASSES_ROOT, key, "InprocServer32", ModuleFile().c_str());
}

void DeleteTree(HKEY root, const std::string& key) {
    RegistryKeyTree store(root);
    DeleteKeyTree(store, key);
}

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    RegisterComClass(CLSID_CantivoFilter, kFilterName);
    RegisterComClass(CLSID_CantivoPropertyPage, kPageName);
    SetKeyAndValue(HKEY_LOCAL_MACHINE, std::string(kHostFilters) + "\\" + ClassIdString(CLSID_CantivoFilter), nullptr,
                   nullptr);
    return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    DeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + ClassIdString(CLSID_CantivoFilter));
    DeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + ClassIdString(CLSID_CantivoPropertyPage));
    DeleteTree(HKEY_LOCAL_MACHINE, std::string(kHostFilters) + "\\" + ClassIdString(CLSID_CantivoFilter));
    return S_OK;
}
