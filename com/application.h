// The plug-in's application object: it lives while the DLL is loaded and
// finds the folder the plug-in file sits in.
#pragma once

#include <windows.h>

#include <string>

namespace cantivo {

class CMFCSampleApp {
public:
    // Nonzero on success; zero makes the DLL refuse to load.
    BOOL InitInstance(HINSTANCE instance);

    HINSTANCE ResourceInstance() const { return instance_; }
    const std::string& HelpFilePath() const { return helpFile_; }

private:
    HINSTANCE instance_ = nullptr;
    std::string helpFile_;
};

extern CMFCSampleApp theApp;

}  // namespace cantivo
