// A static text on a solid coloured background. Its text is its own: setting
// the window text stores and shows it but leaves the window's text alone.
#pragma once

#include <string>

#include "ui/framework/controls.h"

namespace cantivo::ui {

class CStaticBk : public CStatic {
public:
    static constexpr std::size_t kShownCharacters = 64;

    void SetBackground(COLORREF colour);
    const std::string& Text() const { return m_text; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDraw(CDC& dc) override;
    bool DrawsItself() const override { return true; }

private:
    COLORREF m_background = RGB(255, 255, 255);
    std::string m_text;
};

}  // namespace cantivo::ui
