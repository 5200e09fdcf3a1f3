#include "tray/TrayClickRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tray_sequences.h"

namespace tray {

// A step as GoogleTest prints it when a row differs: action, button, shift flags.
void PrintTo(const TrayStep& step, std::ostream* out) {
    *out << "{action " << static_cast<int>(step.action) << ", button " << static_cast<int>(step.button) << ", shift "
         << step.shift << "}";
}

namespace {

using enum TrayAction;
using fw::TMouseButton;
using namespace sequences;

// A sequence of the shared table run as the component runs it, keeping ClickPending:
// the state at the end, and what fired in the table's words.
struct Played {
    TrayNoticeState state;
    std::vector<std::string> fired;
};

Played Play(const TraySequence& sequence) {
    static const char* const buttons[] = {"left", "right", "middle"};
    static const std::map<TrayAction, std::string> words = {
        {MouseMove, "move"}, {Click, "click"}, {DblClick, "dblclick"}, {ShowMenu, "menu"}, {RunDefaultItem, "default"}};
    Played p{.state = {.leftPopup = sequence.leftPopup, .menuAutoPopup = sequence.menu}, .fired = {}};
    for (std::int64_t notice : sequence.notices) {
        for (const TrayStep& step : TrayNoticeSteps(notice, p.state, 0)) {
            if (step.action == SetClickPending || step.action == ClearClickPending)
                p.state.clickPending = step.action == SetClickPending;
            else if (step.action == MouseDown || step.action == MouseUp)
                p.fired.push_back((step.action == MouseDown ? "down " : "up ") +
                                  std::string(buttons[static_cast<int>(step.button)]));
            else
                p.fired.push_back(words.at(step.action));
        }
    }
    return p;
}

TEST(TrayNoticeSequences, DoubleClickIsOneClickThenOneDblClick) {
    const Played p = Play(kDoubleClickIsOneClickThenOneDblClick);
    EXPECT_EQ(p.fired, kDoubleClickIsOneClickThenOneDblClick.fired);
    EXPECT_FALSE(p.state.clickPending);
}

TEST(TrayNoticeSequences, EveryReleaseAfterAPressClicksOnce) {
    EXPECT_EQ(Play(kEveryReleaseAfterAPressClicksOnce).fired, kEveryReleaseAfterAPressClicksOnce.fired);
}

TEST(TrayNoticeSequences, MiddleAndRightDoubleClicksFireOnlyTheirOwnEvents) {
    const auto& sequence = kMiddleAndRightDoubleClicksFireOnlyTheirOwnEvents;
    EXPECT_EQ(Play(sequence).fired, sequence.fired);
}

TEST(TrayNoticeSequences, LeftPopupOpensOnTheLeftPressAndRunsNoDefaultItem) {
    const auto& sequence = kLeftPopupOpensOnTheLeftPressAndRunsNoDefaultItem;
    EXPECT_EQ(Play(sequence).fired, sequence.fired);
}

// The component's table of notices, written out row by row: for a notice in a state,
// the steps in their order. Shift and Alt are held (flags 1 + 2); a button notice adds
// its button's flag (left 8, right 16, middle 32), a move adds none.
enum class Is { No, Yes, Any };
struct NoticeRow {
    std::int64_t message;
    Is clickPending, leftPopup, menuAutoPopup;
    std::vector<TrayStep> steps;
};
constexpr fw::TShiftState kHeld = 1 | 2;
const NoticeRow kNoticeTable[] = {
    {kMouseMove, Is::Any, Is::Any, Is::Any, {{MouseMove, TMouseButton::mbLeft, 3}}},
    {kLButtonDown, Is::Any, Is::No, Is::Any, {{MouseDown, TMouseButton::mbLeft, 11}, {SetClickPending}}},
    {kLButtonDown, Is::Any, Is::Yes, Is::Any, {{MouseDown, TMouseButton::mbLeft, 11}, {SetClickPending}, {ShowMenu}}},
    {kLButtonUp, Is::No, Is::Any, Is::Any, {{MouseUp, TMouseButton::mbLeft, 11}}},
    {kLButtonUp, Is::Yes, Is::Any, Is::Any, {{ClearClickPending}, {Click}, {MouseUp, TMouseButton::mbLeft, 11}}},
    {kLButtonDblClk, Is::Any, Is::No, Is::No, {{DblClick}}},
    {kLButtonDblClk, Is::Any, Is::No, Is::Yes, {{DblClick}, {RunDefaultItem}}},
    {kLButtonDblClk, Is::Any, Is::Yes, Is::Any, {{DblClick}}},
    {kRButtonDown, Is::Any, Is::Any, Is::Any, {{MouseDown, TMouseButton::mbRight, 19}, {ShowMenu}}},
    {kRButtonUp, Is::Any, Is::Any, Is::Any, {{MouseUp, TMouseButton::mbRight, 19}}},
    {kRButtonDblClk, Is::Any, Is::Any, Is::Any, {}},
    {kMButtonDown, Is::Any, Is::Any, Is::Any, {{MouseDown, TMouseButton::mbMiddle, 35}}},
    {kMButtonUp, Is::Any, Is::Any, Is::Any, {{MouseUp, TMouseButton::mbMiddle, 35}}},
};

bool Matches(Is want, bool value) {
    return want == Is::Any || (want == Is::Yes) == value;
}

// Every notice of the table in every state, and messages that are no notice of the table.
TEST(TrayNoticeTable, EveryNoticeInEveryState) {
    for (int flags = 0; flags < 8; ++flags) {
        const TrayNoticeState state{
            .clickPending = (flags & 1) != 0, .leftPopup = (flags & 2) != 0, .menuAutoPopup = (flags & 4) != 0};
        SCOPED_TRACE(testing::Message() << "clickPending " << state.clickPending << ", leftPopup " << state.leftPopup
                                        << ", menuAutoPopup " << state.menuAutoPopup);
        for (std::int64_t message = kMouseMove; message <= kMButtonUp; ++message) {
            int rows = 0;
            for (const NoticeRow& row : kNoticeTable) {
                if (row.message != message || !Matches(row.clickPending, state.clickPending) ||
                    !Matches(row.leftPopup, state.leftPopup) || !Matches(row.menuAutoPopup, state.menuAutoPopup))
                    continue;
                ++rows;
                EXPECT_EQ(TrayNoticeSteps(message, state, kHeld), row.steps) << "notice " << message;
            }
            EXPECT_EQ(rows, 1) << "rows of the table for notice " << message;
        }
        for (std::int64_t other :
             {0x0000LL, 0x0001LL, 0x01FFLL, 0x0209LL, 0x020ALL, 0x0400LL, 0x0405LL, -1LL, 0x10201LL, 0x0100000201LL})
            EXPECT_TRUE(TrayNoticeSteps(other, state, kHeld).empty()) << other;
    }
}

TEST(TrayNoticeTable, MoveCarriesNoButtonFlag) {
    const auto steps = TrayNoticeSteps(kMouseMove, {}, fw::ssCtrl);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].shift, fw::ssCtrl);
}

TEST(TrayShiftState, EachKeyHasItsOwnFlag) {
    EXPECT_EQ(ShiftFromKeys(false, false, false), 0u);
    EXPECT_EQ(ShiftFromKeys(true, false, false), 1u);
    EXPECT_EQ(ShiftFromKeys(false, false, true), 2u);
    EXPECT_EQ(ShiftFromKeys(false, true, false), 4u);
    EXPECT_EQ(ShiftFromKeys(true, true, true), 7u);
}

TEST(TrayDefaultItem, FirstDefaultInMenuOrder) {
    EXPECT_EQ(FirstDefaultIndex({}), -1);
    EXPECT_EQ(FirstDefaultIndex({false, false, false}), -1);
    EXPECT_EQ(FirstDefaultIndex({false, true, false, true}), 1);
    EXPECT_EQ(FirstDefaultIndex({true, true}), 0);
    EXPECT_EQ(FirstDefaultIndex({false, false, true}), 2);
}

TEST(TrayTip, TipIsCutTo127CharactersAndEmptyWithoutHint) {
    const std::string hint200(200, 'x');
    EXPECT_EQ(TipText(hint200, true), std::string(127, 'x'));
    EXPECT_EQ(TipText(std::string(127, 'y'), true).size(), 127u);
    EXPECT_EQ(TipText(std::string(128, 'y'), true).size(), 127u);
    EXPECT_EQ(TipText("Huetrove", true), "Huetrove");
    EXPECT_EQ(TipText("Huetrove", false), "");
    EXPECT_EQ(TipText(hint200, false), "");
    EXPECT_EQ(TipText("", true), "");
}

TEST(TrayIconIndexes, ClampToTheLastEntry) {
    EXPECT_EQ(ClampIconIndex(0, 3), 0);
    EXPECT_EQ(ClampIconIndex(2, 3), 2);
    EXPECT_EQ(ClampIconIndex(3, 3), 2);
    EXPECT_EQ(ClampIconIndex(100, 3), 2);
    EXPECT_EQ(ClampIconIndex(-1, 3), -1);  // only a value past the end is lowered
    EXPECT_EQ(ClampIconIndex(0, 0), -1);
}

TEST(TrayIconIndexes, CyclingWrapsAfterTheLastEntry) {
    EXPECT_EQ(NextCycleIndex(0, 3), 1);
    EXPECT_EQ(NextCycleIndex(1, 3), 2);
    EXPECT_EQ(NextCycleIndex(2, 3), 0);
    EXPECT_EQ(NextCycleIndex(0, 1), 0);
}

// No caller passes a negative count; were one to, it is an empty list, not an overflow.
TEST(TrayIconIndexes, ANegativeCountIsAnEmptyList) {
    EXPECT_EQ(ClampIconIndex(0, INT_MIN), -1);
    EXPECT_EQ(ClampIconIndex(0, -1), -1);
    EXPECT_EQ(ClampIconIndex(-1, INT_MIN), -1);
    EXPECT_EQ(NextCycleIndex(0, INT_MIN), 0);
    EXPECT_EQ(NextCycleIndex(5, -3), 0);
}

}  // namespace
}  // namespace tray
