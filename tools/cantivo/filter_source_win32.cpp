// The Windows build never links the core: the filter comes out of
// QVB20x64.dll, either straight from its class factory or through COM.
#include <windows.h>

#include <optional>

#include "platform/files.h"
#include "tools/cantivo/filter_source.h"
#include "tools/cantivo/options_override_win32.h"

namespace cantivo::host {

namespace {

constexpr const char* kPluginFile = "QVB20x64.dll";

std::string Hex(HRESULT result) {
    char text[16];
    wsprintfA(text, "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

std::string FolderOfThisProgram() {
    const std::string path = platform::ThisModuleFilePath();
    const auto end = path.find_last_of("\\/");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

IMfxEventFilter* AskForFilter(IUnknown* created, std::string& problem) {
    void* filter = nullptr;
    const HRESULT result = created->QueryInterface(IID_IMfxEventFilter, &filter);
    created->Release();
    if (FAILED(result)) problem = "the object has no IMfxEventFilter (" + Hex(result) + ")";
    return static_cast<IMfxEventFilter*>(filter);
}

// Loaded by path beside the program, created by its own class factory.
class PluginFilter final : public FilterSource {
public:
    ~PluginFilter() override {
        if (filter_) filter_->Release();
        if (module_) FreeLibrary(module_);
    }
    IMfxEventFilter& Filter() override { return *filter_; }

    bool Open(std::string& problem) {
        const std::string path = FolderOfThisProgram() + kPluginFile;
        module_ = LoadLibraryA(path.c_str());
        if (!module_) {
            problem = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
            return false;
        }
        using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        const auto getClassObject =
            reinterpret_cast<GetClassObjectFunction>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
        if (!getClassObject) {
            problem = path + " has no DllGetClassObject";
            return false;
        }
        IClassFactory* factory = nullptr;
        HRESULT result = getClassObject(CLSID_CantivoFilter, IID_IClassFactory, reinterpret_cast<void**>(&factory));
        if (FAILED(result) || !factory) {
            problem = "DllGetClassObject failed (" + Hex(result) + ")";
            return false;
        }
        IUnknown* created = nullptr;
        result = factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&created));
        factory->Release();
        if (FAILED(result) || !created) {
            problem = "the class factory cannot create the filter (" + Hex(result) + ")";
            return false;
        }
        filter_ = AskForFilter(created, problem);
        return filter_ != nullptr;
    }

private:
    HMODULE module_ = nullptr;
    IMfxEventFilter* filter_ = nullptr;
};

// Created by COM from the registered class.
class RegisteredFilter final : public FilterSource {
public:
    ~RegisteredFilter() override {
        if (filter_) filter_->Release();
        if (initialized_) CoUninitialize();
    }
    IMfxEventFilter& Filter() override { return *filter_; }

    bool Open(std::string& problem) {
        const HRESULT init = CoInitialize(nullptr);
        if (FAILED(init)) {
            problem = "CoInitialize failed (" + Hex(init) + ")";
            return false;
        }
        initialized_ = true;
        IUnknown* created = nullptr;
        const HRESULT result = CoCreateInstance(CLSID_CantivoFilter, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                                reinterpret_cast<void**>(&created));
        if (FAILED(result) || !created) {
            problem = "CoCreateInstance failed (" + Hex(result) + "); register the plug-in with 'regsvr32 " +
                      std::string(kPluginFile) + "'";
            return false;
        }
        filter_ = AskForFilter(created, problem);
        return filter_ != nullptr;
    }

private:
    bool initialized_ = false;
    IMfxEventFilter* filter_ = nullptr;
};

template <typename Source>
std::unique_ptr<FilterSource> Opened(std::string& problem) {
    auto source = std::make_unique<Source>();
    if (!source->Open(problem)) return nullptr;
    return source;
}

}  // namespace

std::unique_ptr<FilterSource> ObtainFilter(bool useCom, const FilterOptions& options, std::string& problem) {
    // The plug-in loads its Options as it loads, so the run's own are needed only until then.
    std::optional<OptionsOverride> runOptions;
    if (options.changed && !runOptions.emplace(options.settings).Active()) {
        problem = "the Options of this run could not be handed to the plug-in";
        return nullptr;
    }
    return useCom ? Opened<RegisteredFilter>(problem) : Opened<PluginFilter>(problem);
}

}  // namespace cantivo::host
