// A window showing every custom control in each of its states: enabled,
// disabled, focused, checked, pressed, and both kinds of gradient.
//   gallery [--save PATH]
// With --save it writes a picture of its window to PATH as a BMP and exits.
// The bitmaps come from QVB20x64.dll beside the program, as they do in a host.

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls/grad_btn.h"
#include "ui/controls/reg2d.h"
#include "ui/controls/slider.h"
#include "ui/controls/static_bk.h"
#include "ui/framework/resource_handle.h"
#include "ui/framework/window_picture.h"

namespace {

using namespace cantivo::ui;

constexpr int kCell = 96;

class Gallery : public CWnd {
public:
    Gallery();
    ~Gallery() override { DestroyWindow(); }
    // The focused states are shown one after the other: the first pad's while
    // the window is printed, then the middle slider's, printed over its place.
    bool SavePicture(const std::string& path);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Label(const char* text, int x, int y, int width = 90);
    CGradBtn& Button(const char* caption, int x, int y, GradBtnMode mode, CGradient* faces[3]);
    CStaticBk& Field(const char* text, int x, int y, int width, COLORREF background);
    CReg2D& Pad(const char* label, int x, int y, bool xOn, bool yOn, bool enabled);
    CSlider& Slider(const char* label, int x, int y, int pos, bool enabled);

    CFont font_;
    CPen darkShadow_, highlight_, shadow_, face_;
    CGradient grey_{32}, green_{32}, yellow_{32}, red_{32};
    CGradient solidGrey_{8}, solidYellow_{8};
    CBitmap handleStates_[8];
    HBITMAP handleBitmaps_[8] = {};
    std::vector<std::unique_ptr<CGradBtn>> buttons_;
    std::vector<std::unique_ptr<CStaticBk>> fields_;
    std::vector<std::unique_ptr<CReg2D>> pads_;
    std::vector<std::unique_ptr<CSlider>> sliders_;
    std::int16_t values_[12] = {150, 60, 40, 170, 100, 100, 120, 80, 200, 0, 30, 180};
    UINT nextId_ = 2000;
};

Gallery::Gallery() {
    LOGFONTA description{};
    description.lfHeight = -11;
    lstrcpyA(description.lfFaceName, "Tahoma");
    font_.CreateFontIndirect(description);
    darkShadow_.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    highlight_.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHIGHLIGHT));
    shadow_.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
    face_.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DFACE));
    const CRect faceRect(0, 0, 1, 32);
    grey_.Create(RGB(210, 210, 210), -3, faceRect);
    green_.Create(RGB(180, 255, 180), -3, faceRect);
    yellow_.Create(RGB(192, 192, 70), 2, faceRect);
    red_.Create(RGB(192, 100, 100), 2, faceRect);
    solidGrey_.Create(RGB(210, 210, 210), -3, faceRect);
    solidYellow_.Create(RGB(192, 192, 70), 2, faceRect);
    for (int i = 0; i < 8; ++i) {
        handleStates_[i].LoadBitmap(138);
        handleBitmaps_[i] = handleStates_[i];
    }

    CreateEx(0, "Cantivo controls", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 10, 10, 860, 420,
             nullptr, 0);

    CGradient* toggleYellow[3] = {&grey_, &yellow_, &green_};
    CGradient* toggleRed[3] = {&grey_, &red_, &green_};
    CGradient* solid[3] = {&solidGrey_, &solidYellow_, &solidYellow_};
    CGradient* momentary[3] = {&grey_, &green_, &green_};

    Label("Toggle", 10, 14);
    Button("Off", 100, 10, GradBtnMode::kToggle, toggleYellow);
    Button("On", 100 + kCell, 10, GradBtnMode::kToggle, toggleYellow).SetCheck(BST_CHECKED);
    Button("On", 100 + 2 * kCell, 10, GradBtnMode::kToggle, toggleRed).SetCheck(BST_CHECKED);
    CGradBtn& disabledToggle = Button("Disabled", 100 + 3 * kCell, 10, GradBtnMode::kToggle, toggleYellow);
    disabledToggle.SetCheck(BST_CHECKED);
    disabledToggle.EnableWindow(FALSE);
    Button("Solid off", 100 + 4 * kCell, 10, GradBtnMode::kToggle, solid);
    Button("Solid on", 100 + 5 * kCell, 10, GradBtnMode::kToggle, solid).SetCheck(BST_CHECKED);

    Label("Momentary", 10, 54);
    Button("Face 0", 100, 50, GradBtnMode::kMomentary, momentary);
    Button("Face 1", 100 + kCell, 50, GradBtnMode::kMomentary, momentary).SetFaceIndex(1);
    CGradBtn& pressed = Button("Pressed", 100 + 2 * kCell, 50, GradBtnMode::kMomentary, momentary);
    pressed.SetFaceIndex(2);
    Button("Disabled", 100 + 3 * kCell, 50, GradBtnMode::kMomentary, momentary).EnableWindow(FALSE);
    Button("120", 100 + 4 * kCell, 50, GradBtnMode::kMomentary, solid);
    pressed.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));

    Label("Static", 10, 94);
    Field("Swing", 100, 90, 90, RGB(175, 255, 175));
    Field("Ballad", 100 + kCell, 90, 90, RGB(75, 215, 75));
    Field("A caption of more than sixty-four characters shows only the first sixty-four of them", 100 + 2 * kCell,
          90, 5 * kCell + 40, RGB(175, 255, 175));

    Label("Regulator", 10, 134);
    CReg2D& focused = Pad("Both, focused", 100, 130, true, true, true);
    Pad("Only X", 100 + 110, 130, true, false, true);
    Pad("Only Y", 100 + 220, 130, false, true, true);
    Pad("Neither", 100 + 330, 130, false, false, true);
    Pad("Disabled", 100 + 440, 130, true, true, false);

    Label("Slider", 10, 304);
    Slider("Enabled", 100, 300, 50, true);
    Slider("Focused", 100 + 240, 300, 100, true);
    Slider("Disabled", 100 + 480, 300, 170, false);

    ShowWindow(SW_SHOW);
    UpdateWindow();
    focused.SetFocus();
}

void Gallery::Label(const char* text, int x, int y, int width) {
    HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, width, 16, m_hWnd, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font_)), FALSE);
}

CGradBtn& Gallery::Button(const char* caption, int x, int y, GradBtnMode mode, CGradient* faces[3]) {
    auto button = std::make_unique<CGradBtn>();
    HWND hwnd = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE, x, y, kCell - 6, 28, m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId_++)), GetModuleHandleA(nullptr),
                                nullptr);
    button->SubclassWindow(hwnd);
    button->SetButtonStyle(BS_OWNERDRAW);
    button->SetMode(mode);
    button->SetFaces(faces[0], faces[1], faces[2]);
    buttons_.push_back(std::move(button));
    return *buttons_.back();
}

CStaticBk& Gallery::Field(const char* text, int x, int y, int width, COLORREF background) {
    auto field = std::make_unique<CStaticBk>();
    field->SubclassWindow(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, x, y, width, 24, m_hWnd, nullptr,
                                          GetModuleHandleA(nullptr), nullptr));
    field->SetBackground(background);
    field->SetWindowText(text);
    fields_.push_back(std::move(field));
    return *fields_.back();
}

CReg2D& Gallery::Pad(const char* label, int x, int y, bool xOn, bool yOn, bool enabled) {
    auto pad = std::make_unique<CReg2D>();
    const UINT id = nextId_++;
    pad->Create(CRect(x, y, x + 103, y + 103), this, id);
    pad->SetPens(darkShadow_, highlight_, shadow_, face_);
    pad->SetNotifyId(id);
    pad->Handle().SetBitmaps(handleBitmaps_);
    std::int16_t* values = values_ + 2 * pads_.size();
    pad->BindValues(values, values + 1);
    pad->EnableAxes(xOn, yOn);
    pad->EnableWindow(enabled);
    pad->PlaceHandle();
    Label(label, x, y + 108, 103);
    pads_.push_back(std::move(pad));
    return *pads_.back();
}

CSlider& Gallery::Slider(const char* label, int x, int y, int pos, bool enabled) {
    auto slider = std::make_unique<CSlider>();
    slider->Create(CRect(x, y, x + 224, y + 40), this, nextId_++);
    slider->SetPens(darkShadow_, highlight_, shadow_);
    slider->SetRange(0, 200);
    slider->SetPos(pos);
    slider->EnableSlider(enabled);
    Label(label, x, y + 44, 224);
    sliders_.push_back(std::move(slider));
    return *sliders_.back();
}

LRESULT Gallery::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(static_cast<HFONT>(font_));
        case WM_REG2D_CHANGED:
            for (auto& pad : pads_)
                if (pad->GetDlgCtrlID() == static_cast<int>(wParam)) pad->PlaceHandle();
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

bool Gallery::SavePicture(const std::string& path) {
    WindowPicture picture(m_hWnd);
    picture.PrintWithChildren(m_hWnd);
    CSlider& focusedSlider = *sliders_[1];
    focusedSlider.SetFocus();
    picture.PrintWithChildren(focusedSlider.m_hWnd);
    return picture.SaveBmp(path);
}

void PumpUntilIdle() {
    MSG message;
    for (int round = 0; round < 20; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string savePath;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--save" && i + 1 < argc) savePath = argv[++i];
    }
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string plugin = path;
    plugin = plugin.substr(0, plugin.find_last_of('\\') + 1) + "QVB20x64.dll";
    HMODULE resources = LoadLibraryExA(plugin.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (resources == nullptr) {
        std::fprintf(stderr, "gallery: cannot load %s\n", plugin.c_str());
        return 1;
    }
    AfxSetResourceHandle(resources);

    int status = 0;
    {
        Gallery gallery;
        PumpUntilIdle();
        if (!savePath.empty()) {
            if (!gallery.SavePicture(savePath)) {
                std::fprintf(stderr, "gallery: cannot save %s\n", savePath.c_str());
                status = 1;
            }
        } else {
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    FreeLibrary(resources);
    return status;
}
