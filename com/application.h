// The plug-in's application object: it lives while the DLL is loaded and
// finds the folder the plug-in file sits in and loads the user's Options.
#pragma once

#include "ui/framework/win_app.h"

namespace cantivo {

class CMFCSampleApp : public ui::CWinApp {
public:
    // Nonzero on success; zero makes the DLL refuse to load.
    BOOL InitInstance() override;
};

extern CMFCSampleApp theApp;

}  // namespace cantivo
