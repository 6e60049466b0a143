// The property page's window on a filter of the test's own: what it shows
// when it opens, when a style is chosen, and that choosing a style while a
// rule module talks to the page lets both finish.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "styles/style_information.h"
#include "tests/support/rule_modules.h"
#include "tests/ui/page_fixture.h"

namespace cantivo::test {
namespace {

// A named event the test module signals, closed however the test ends.
class NamedEvent {
public:
    explicit NamedEvent(const char* name) : handle_(CreateEventA(nullptr, TRUE, FALSE, name)) {}
    ~NamedEvent() { CloseHandle(handle_); }
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;
    bool Wait(DWORD milliseconds) const { return WaitForSingleObject(handle_, milliseconds) == WAIT_OBJECT_0; }

private:
    HANDLE handle_;
};

TEST_F(PageWindow, AFreshFilterOpensResetWithTheDefaultAxes) {
    std::fill(std::begin(filter->m_abMuted), std::end(filter->m_abMuted), 1u);
    const std::uint32_t chosen[4] = {0, 6, 3, 2};
    std::copy(std::begin(chosen), std::end(chosen), filter->m_anAxis);
    std::strcpy(filter->m_szStyleName, "Gone");
    Open();

    EXPECT_STREQ(filter->m_szStyleName, "");
    for (const std::uint32_t muted : filter->m_abMuted) EXPECT_EQ(muted, 0u);
    for (int id = 1065; id <= 1071; ++id) EXPECT_EQ(Button(id).GetCheck(), BST_UNCHECKED) << id;
    EXPECT_EQ(std::vector<std::uint32_t>(std::begin(filter->m_anAxis), std::end(filter->m_anAxis)),
              (std::vector<std::uint32_t>{1, 2, 5, 4}));
    EXPECT_EQ(Axes(), (std::vector<std::string>{"Durations", "Velocity", "Modulation", "Wheel"}));
    EXPECT_EQ(filter->m_pPage, &page);
    page.Deactivate();
    EXPECT_EQ(filter->m_pPage, nullptr);
}

TEST_F(PageWindow, AFilterLoadedFromAStreamKeepsItsSettingsClampedAndLocked) {
    Install("Jazz", "Even", DescribedStyle("Straight and even."));
    std::strcpy(filter->m_szStyleFolder, "jaz");  // a prefix, in any case, finds the folder
    std::strcpy(filter->m_szStyleName, "Even");
    filter->m_abMuted[2] = 1;
    const std::uint32_t chosen[4] = {0, 6, 3, 2};
    std::copy(std::begin(chosen), std::end(chosen), filter->m_anAxis);
    filter->m_Initial.bKeepVelocity = 1;
    filter->m_Initial.wVelocity = 200;
    filter->m_Initial.wPan = static_cast<std::uint16_t>(-5);
    filter->m_Params.aEntry[2] = {150, 7};
    filter->m_Params.aEntry[4] = {180, 3};  // a row the style leaves locked
    FailingStream stream(PersistedBytes(*filter));
    ASSERT_EQ(filter->Load(&stream), S_OK);
    Open();

    EXPECT_STREQ(filter->m_szStyleFolder, "Jazz");
    EXPECT_STREQ(filter->m_szStyleName, "Even");
    EXPECT_EQ(Selected(1047), "Even");
    EXPECT_EQ(Button(1066).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Axes(), (std::vector<std::string>{"Start Time", "Variable", "Expression*", "Velocity"}));
    EXPECT_EQ(std::pair(int{filter->m_Initial.wVelocity}, int{filter->m_Initial.wPan}), std::pair(127, 0));
    // Shown: velocity, pan, row 2's depth and random, locked row 4's depth and random.
    EXPECT_EQ((std::vector{Number(1055), Number(1059), Number(1005), Number(1021), Number(1007), Number(1023)}),
              (std::vector{127, 0, 150, 7, 100, 20}));
    EXPECT_EQ(Button(1049).GetCheck(), BST_CHECKED);
    for (const int id : {1068, 1007, 1023, 1069, 1008, 1024}) EXPECT_FALSE(IsWindowEnabled(Item(id))) << id;
    EXPECT_TRUE(IsWindowEnabled(Item(1006)));
    EXPECT_EQ(filter->m_Params.aEntry[4].wDepth, 100);
}

TEST_F(PageWindow, AChosenStyleShowsItsInformationAndPresets) {
    Install("Jazz", "Even", DescribedStyle("Straight and even."));
    const StyleFile swing = SampleStyle();
    Install("Jazz", "Swing", swing);
    Open();
    ASSERT_EQ(Selected(1047), "Even");
    ASSERT_EQ(page.Apply(), S_OK);

    ChooseStyle("Swing");
    EXPECT_STREQ(filter->m_szStyleName, "Swing");
    for (const auto& [id, text] : StyleRequirementTexts(swing.header)) EXPECT_EQ(Shown(id), text) << id;
    const StyleDescription description = ParseStyleDescription(swing.header);
    EXPECT_EQ(Text(1039), description.variableLabel);
    EXPECT_EQ(Text(1002), description.text);
    for (const auto& [axis, value] : description.axisPresets) {
        EXPECT_EQ(filter->m_anAxis[axis], static_cast<std::uint32_t>(value));
        EXPECT_EQ(SendMessageA(Item(1028 + axis), CB_GETCURSEL, 0, 0), value);
    }
    EXPECT_EQ(page.IsPageDirty(), S_OK);
    EXPECT_EQ(filter->m_bBypass, 0u);
    EXPECT_TRUE(messages.messages.empty());
}

// A run holds the filter's lock while its module sends the page a message;
// the page, waiting for that lock to load a style, still answers it.
TEST_F(PageWindow, AModuleTalkingToThePageDuringAStyleChoiceLetsBothFinish) {
    StyleFile talking = DescribedStyle("Straight and even.");
    talking.slots = {Slot("Talk", kPageMessenger, {1})};
    Install("Jazz", "Talking", talking);
    Install("Jazz", "Quiet", DescribedStyle("Straight and even."));
    InstallRuleModule(folder, kPageMessenger);
    std::strcpy(filter->m_szStyleFolder, "Jazz");
    std::strcpy(filter->m_szStyleName, "Talking");
    FailingStream stream(PersistedBytes(*filter));
    ASSERT_EQ(filter->Load(&stream), S_OK);
    Open();
    ASSERT_STREQ(filter->m_szStyleName, "Talking");

    const NamedEvent entered("cantivo-test-run-entered");
    const NamedEvent answered("cantivo-test-page-answered");
    std::thread run([&] { Run({Note(0, 60, 100, 120)}); });
    const bool ranModule = entered.Wait(10000);
    if (ranModule) ChooseStyle("Quiet");
    run.join();
    EXPECT_TRUE(ranModule);
    EXPECT_TRUE(answered.Wait(0));
    EXPECT_STREQ(filter->m_szStyleName, "Quiet");
    EXPECT_EQ(filter->m_aSlots[0].wModule, 40);
}

}  // namespace
}  // namespace cantivo::test
