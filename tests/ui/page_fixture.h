// The property page's window on a filter of the test's own, driven the way a
// host's frame drives it: posted mouse and key messages, pumped through the
// page's TranslateAccelerator before the usual translation and dispatch.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/filter_fixture.h"
#include "tests/support/style_files.h"
#include "tests/ui/window_fixture.h"
#include "ui/page/prop_page.h"

namespace cantivo::test {

// SampleStyle described by `text` alone: no axis presets.
StyleFile DescribedStyle(const char* text);

class PageWindow : public FilterFixture {
protected:
    void TearDown() override;

    void Install(const std::string& styleFolder, const std::string& name, const StyleFile& style);
    void Open();

    // Every waiting message, each offered to the page first as a frame does.
    void Pump();
    // A left click at the middle of the control, or at a point of its client area.
    void Click(int id);
    void ClickAt(HWND window, POINT point);
    // A key pressed and released on the window that has the focus.
    void PressKey(WPARAM key);
    // Characters typed into the window that has the focus.
    void Type(const std::string& text);
    // An entry chosen in a drop-down list, as the user's selection tells the page.
    void Choose(int list, const std::string& entry);
    void ChooseStyle(const std::string& name) { Choose(1047, name); }

    HWND Item(int id) const { return GetDlgItem(page.m_hWnd, id); }
    std::string Selected(int id) const;
    // The choices of the four axis lists.
    std::vector<std::string> Axes() const;
    ui::CGradBtn& Button(int id) const;
    int Number(int id) const;
    std::string Shown(int id) const;
    std::string Text(int id) const;

    HostWindow host;
    CMFCSamplePropPage page;
};

}  // namespace cantivo::test
