// A button painted with a vertical gradient, a bevel and a centred caption.
// A toggle flips its check on every press; a momentary button is pressed while
// the left button is held inside it and shows whichever face the parent chose.
#pragma once

#include <string>

#include "ui/controls/grad_btn_look.h"
#include "ui/controls/gradient.h"
#include "ui/framework/controls.h"

namespace cantivo::ui {

class CGradBtn : public CMFCButton {
public:
    void SetMode(GradBtnMode mode) { m_mode = mode; }
    // The gradients stay the parent's; face 0 normal, 1 checked, 2 the momentary choice.
    void SetFaces(CGradient* normal, CGradient* checked, CGradient* other);
    void SetFaceIndex(int index) { m_faceIndex = index; }

    bool IsPressed() const { return m_pressed != FALSE; }

    int GetNumber(bool& ok);
    void SetNumber(int value);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDraw(CDC& dc) override;
    BOOL OnEraseBkgnd(HDC) override { return TRUE; }

private:
    const std::string& Caption();

    GradBtnMode m_mode = GradBtnMode::kToggle;
    int m_faceIndex = 0;
    BOOL m_checked = FALSE;
    BOOL m_pressed = FALSE;
    CGradient* m_faces[3] = {};
    std::string m_caption;
};

}  // namespace cantivo::ui
