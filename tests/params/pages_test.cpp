// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter pages as the operator uses them: the record shown on the
// pages and read back, the selector groups and their condition texts, the
// fields whose edits reach the record at once, and the outputs page.
#include "support/link_fixture.h"
#include "support/record_copy.h"

#include "app/startup.h"
#include "params/mapping.h"
#include "params/outputs.h"
#include "params/pages.h"
#include "params/record.h"
#include "params/selectors.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "ui/panels.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <array>
#include <random>
#include <string>

namespace telvar::test {
namespace {

const Selector& selector(std::string_view role)
{
    for (const Selector& s : EVENT_SELECTORS)
        if (s.role == role)
            return s;
    throw std::out_of_range(std::string(role));
}

class Pages : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();  // its start-up defaults fill the record from the pages
        static const Record defaults = record();
        set_record(defaults);
        SetPanelValues();
        SetCtrlVal(panelOUTPUTS, OUT_RING_PRESET, 1);
        enable_output_LED(1);
    }

    static void click(int panel, int control)
    {
        auto* button = qobject_cast<QAbstractButton*>(ControlWidget(panel, control));
        ASSERT_NE(button, nullptr) << control;
        button->click();
    }
    static void click(Channel channel, std::string_view role)
    {
        click(first_page(channel), selector_control(selector(role)));
    }
    static bool on(int panel, int control) { return selector_on(panel, control); }
    static bool on(Channel channel, std::string_view role)
    {
        return on(first_page(channel), selector_control(selector(role)));
    }
    static bool dimmed(int panel, int control)
    {
        int d = -1;
        GetCtrlAttribute(panel, control, ATTR_DIMMED, &d);
        return d == 1;
    }
    static std::string text(int panel, int control)
    {
        char buffer[128] = {};
        GetCtrlVal(panel, control, buffer);
        return buffer;
    }
    static int value(int panel, int control)
    {
        int v = 0;
        GetCtrlVal(panel, control, &v);
        return v;
    }
    // An operator's entry in a field: it commits at once.
    static void enter(int panel, int control, int v)
    {
        auto* spin = qobject_cast<QSpinBox*>(ControlWidget(panel, control));
        ASSERT_NE(spin, nullptr) << control;
        spin->setValue(v);
    }
    static void choose(int panel, int control, int v)
    {
        SetCtrlVal(panel, control, v);
        CallCtrlCallback(panel, control, EVENT_COMMIT, 0, 0);
    }
};

// What a screen reader reads for a control: its own name, or its caption's.
std::string spoken_name(int panel, int control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(ControlWidget(panel, control));
    return face ? face->text(QAccessible::Name).toStdString() : std::string();
}

// The caption a screen reader names a field by (Qt on Linux names a combo
// box by its value).
std::string caption_of(int panel, int control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(ControlWidget(panel, control));
    for (const auto& [other, relation] : face->relations(QAccessible::Label))
        return other->text(QAccessible::Name).toStdString();
    return {};
}

TEST_F(Pages, EveryControlSaysItsGroupAndMeaning)
{
    EXPECT_EQ(spoken_name(panelPARAA, selector_control(selector("VALID_A_HIGH"))), "Result valid: channel A high state");
    EXPECT_EQ(spoken_name(panelPARAB, selector_control(selector("MAX_OTHER_POS"))), "Max value: channel A positive edge");
    EXPECT_EQ(spoken_name(panelPARAA, selector_control(selector("MAX_OTHER_POS"))), "Max value: channel B positive edge");
    EXPECT_EQ(spoken_name(panelOUTPUTS, output_led(1, 11)), "Output 1 mode bit 11");
    EXPECT_EQ(spoken_name(panelPARAB2, CH2_NUM_LOW_TOL), "Channel B low tolerance");
    EXPECT_EQ(caption_of(panelEVAL, EV_RING_SCAN_FREQUENCY), "Scan frequency");
    for (int panel : {panelPARAA, panelPARAA2, panelPARAB, panelPARAB2, panelEVAL, panelEVAL2, panelOUTPUTS})
        for (QWidget* w : PanelWidget(panel)->findChildren<QWidget*>()) {
            const bool operated = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)
                || qobject_cast<QSpinBox*>(w);
            if (operated) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
                EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
            }
        }
}

TEST_F(Pages, StartWithTheDefaultsOfThePageFiles)
{
    InitVars();
    const Record r = record();
    for (int block : {BLOCK_A, BLOCK_B}) {
        EXPECT_EQ(r[block + CH_DATA_MODE], DATA_NORMALISED);
        EXPECT_EQ(r[block + CH_DECAY], 100);
        EXPECT_EQ(r[block + CH_MAX_MODE], EVERY_SAMPLE);
        EXPECT_EQ(r[block + CH_VALID_MODE], EVERY_SAMPLE);
        EXPECT_EQ(r[block + CH_FILTER], 0);
        EXPECT_EQ(r[block + CH_PRETRIGGER], 32);
        EXPECT_EQ(r[block + CH_LASER_POWER], 50);
        EXPECT_EQ(r[block + CH_REFERENCE], 2048);
        EXPECT_EQ(r[block + CH_AVERAGING], 1);
    }
    EXPECT_EQ(r[BLOCK_A + CH_TRIGGER_LEVEL], 2300);
    EXPECT_EQ(r[BLOCK_A + CH_LOW_TOLERANCE], 300);
    EXPECT_EQ(r[BLOCK_B + CH_HIGH_TOLERANCE], 250);
    EXPECT_EQ(r[EVAL_REFERENCE], 2048);
    EXPECT_EQ(r[EVAL_LOW_TOLERANCE], 200);
    EXPECT_EQ(r[EVAL_MODE], 1);
    EXPECT_EQ(r[SCAN_FREQUENCY], 2);
    EXPECT_EQ(text(panelPARAA, CHP_LBL_VALID), "RESULT VALID ON: EVERY SAMPLE");
    EXPECT_EQ(text(panelPARAA, CHP_LBL_FILTER), "DATA FILTER: DIRECT");
}

TEST_F(Pages, DataFormatRawClearsAndDimsTheMaxValueGroupAndDecay)
{
    Record r = record();
    r[BLOCK_A + CH_DATA_MODE] = DATA_RAW;
    r[BLOCK_A + CH_DECAY] = 77;
    r[BLOCK_A + CH_MAX_MODE] = 0x0004;
    set_record(r);
    SetPanelValues();
    EXPECT_EQ(text(panelPARAA, CHP_LBL_FORMAT), "DATA FORMAT: RAW");
    EXPECT_TRUE(dimmed(panelPARAA, CHP_NUM_DECAY));
    EXPECT_TRUE(dimmed(panelPARAA, selector_control(selector("MAX_EVERY"))));
    const QWidget* decay = ControlWidget(panelPARAA, CHP_NUM_DECAY);
    EXPECT_EQ(decay->toolTip().toStdString(), "used only with the data format Normalised");
    EXPECT_FALSE(decay->parentWidget()->findChild<QLabel*>("NUM_DECAY_CAPTION")->isEnabled()) << "its caption too";
    EXPECT_EQ(text(panelPARAA, CHP_LBL_MAX), "AQUIRE MAX VALUE: NEVER");
    GetPanelValues();
    EXPECT_EQ(parameter[BLOCK_A + CH_DECAY], 0);
    EXPECT_EQ(parameter[BLOCK_A + CH_MAX_MODE], 0);

    // Normalised again takes decay and max value from the record, not the page.
    set_word(BLOCK_A + CH_DECAY, 66);
    set_word(BLOCK_A + CH_MAX_MODE, 0x0800);
    click(panelPARAA, CHP_FORMAT_NORM);
    EXPECT_EQ(text(panelPARAA, CHP_LBL_FORMAT), "DATA FORMAT: NORM");
    EXPECT_EQ(value(panelPARAA, CHP_NUM_DECAY), 66);
    EXPECT_FALSE(dimmed(panelPARAA, CHP_NUM_DECAY));
    EXPECT_TRUE(on(Channel::A, "MAX_IN0_HIGH"));
    EXPECT_EQ(text(panelPARAA, CHP_LBL_MAX), "AQUIRE MAX VALUE ON: CHANNEL IN0 HIGH STATE");
}

TEST_F(Pages, AnUnknownDataModeTurnsTheSelectorsOnlyAndReadsBackAsRaw)
{
    Record r = record();
    r[BLOCK_B + CH_DATA_MODE] = 2;
    r[BLOCK_B + CH_DECAY] = 9;
    set_record(r);
    SetPanelValues();
    EXPECT_TRUE(on(panelPARAB, CHP_FORMAT_RAW));
    EXPECT_FALSE(on(panelPARAB, CHP_FORMAT_NORM));
    EXPECT_EQ(text(panelPARAB, CHP_LBL_FORMAT), "DATA FORMAT: NORM") << "the label stays as it was";
    EXPECT_EQ(value(panelPARAB, CHP_NUM_DECAY), 100) << "the field stays as it was";
    GetPanelValues();
    EXPECT_EQ(parameter[BLOCK_B + CH_DATA_MODE], DATA_RAW);
}

TEST_F(Pages, WordsShowOnTheirSelectorsAndFields)
{
    Record r = record();
    r[BLOCK_A + CH_VALID_MODE] = 0x0003;
    r[BLOCK_B + CH_MAX_MODE] = 0x0010;
    r[BLOCK_A + CH_LOW_TOLERANCE] = 100;
    r[TEACH_MODE] = 0x1234;
    r[output_config_word(0)] = 0x0007;
    set_record(r);
    SetPanelValues();
    EXPECT_TRUE(on(Channel::A, "VALID_B_POS"));
    EXPECT_TRUE(on(Channel::A, "VALID_B_NEG"));
    EXPECT_FALSE(on(Channel::A, "VALID_EVERY"));
    EXPECT_EQ(text(panelPARAA, CHP_LBL_VALID), "RESULT VALID ON: CHANNEL B NEG. EDGE, ...");
    EXPECT_TRUE(on(Channel::B, "MAX_OTHER_POS"));
    EXPECT_EQ(text(panelPARAB, CHP_LBL_MAX), "AQUIRE MAX VALUE ON: CHANNEL A POS. EDGE");
    EXPECT_EQ(value(panelPARAA2, CH2_NUM_LOW_TOL), -100);
    EXPECT_EQ(value(panelEVAL, EV_NUM_TEACH_1), 52);
    EXPECT_EQ(value(panelEVAL, EV_NUM_TEACH_2), 18);
    EXPECT_EQ(value(panelOUTPUTS, OUT_RING_CONFIG_0), 1);
    EXPECT_EQ(value(panelOUTPUTS, OUT_NUM_CONFIG_0), 6);
    GetPanelValues();
    EXPECT_EQ(record(), r);
}

TEST_F(Pages, DirectFilterClearsAndDimsTheResetSelectors)
{
    Record r = record();
    r[BLOCK_A + CH_FILTER] = 1;
    r[BLOCK_A + CH_RESET_MODE] = 0x00A0;
    set_record(r);
    SetPanelValues();
    EXPECT_TRUE(on(Channel::A, "RESET_IN1_NEG"));
    EXPECT_FALSE(dimmed(panelPARAA, selector_control(selector("RESET_IN1_NEG"))));
    EXPECT_EQ(text(panelPARAA, CHP_LBL_RESET), "RESET VALUE ON: CHANNEL IN1 NEG. EDGE, ...");

    click(panelPARAA, CHP_FILTER_MAX);  // the active one stays on
    EXPECT_TRUE(on(panelPARAA, CHP_FILTER_MAX));
    EXPECT_EQ(text(panelPARAA, CHP_LBL_FILTER), "DATA FILTER: MAX");

    click(panelPARAA, CHP_FILTER_DIRECT);
    EXPECT_FALSE(on(Channel::A, "RESET_IN1_NEG"));
    EXPECT_TRUE(dimmed(panelPARAA, selector_control(selector("RESET_A_POS"))));
    // The grid as a whole, captions with it, looks dimmed and says why.
    const QWidget* grid = ControlWidget(panelPARAA, CHP_RESET_GROUP);
    EXPECT_FALSE(grid->isEnabled());
    const QWidget* reset_a_pos = ControlWidget(panelPARAA, selector_control(selector("RESET_A_POS")));
    for (const QWidget* w : {grid, reset_a_pos}) {
        EXPECT_EQ(w->toolTip().toStdString(), "used only with the data filter Minimum or Maximum");
        EXPECT_EQ(w->accessibleDescription().toStdString(), "used only with the data filter Minimum or Maximum");
    }
    EXPECT_EQ(text(panelPARAA, CHP_LBL_FILTER), "DATA FILTER: DIRECT");
    EXPECT_EQ(text(panelPARAA, CHP_LBL_RESET), "RESET VALUE: NEVER");
    GetPanelValues();
    EXPECT_EQ(parameter[BLOCK_A + CH_RESET_MODE], 0);
    EXPECT_EQ(parameter[BLOCK_A + CH_FILTER], 0);

    click(panelPARAA, CHP_FILTER_MIN);
    EXPECT_FALSE(dimmed(panelPARAA, selector_control(selector("RESET_A_POS"))));
    EXPECT_TRUE(grid->isEnabled());
    EXPECT_TRUE(grid->toolTip().isEmpty());
    click(Channel::A, "RESET_IN1_NEG");
    EXPECT_EQ(text(panelPARAA, CHP_LBL_RESET), "RESET VALUE ON: CHANNEL IN1 NEG. EDGE");
    EXPECT_EQ(text(panelPARAA, CHP_LBL_FILTER), "DATA FILTER: MIN");
}

TEST_F(Pages, ClicksKeepTheExclusionRulesOfTheirGroup)
{
    click(Channel::A, "VALID_EVERY");  // off: no event selected
    EXPECT_EQ(text(panelPARAA, CHP_LBL_VALID), "RESULT VALID: NEVER");
    click(Channel::A, "VALID_A_HIGH");
    click(Channel::A, "VALID_B_POS");
    EXPECT_EQ(text(panelPARAA, CHP_LBL_VALID), "RESULT VALID ON: CHANNEL A HIGH STATE, ...");
    click(Channel::A, "VALID_A_POS");  // an edge clears both states of its source
    EXPECT_FALSE(on(Channel::A, "VALID_A_HIGH"));
    EXPECT_TRUE(on(Channel::A, "VALID_B_POS"));
    click(Channel::A, "VALID_A_NEG");  // the other edge goes with it
    EXPECT_TRUE(on(Channel::A, "VALID_A_POS"));
    click(Channel::A, "VALID_EVERY");
    for (const Selector& s : EVENT_SELECTORS) {
        if (s.group == Group::ResultValid) {
            EXPECT_EQ(on(Channel::A, s.role), s.event == Event::EverySample) << s.role;
        }
    }

    click(Channel::B, "MAX_EVERY");
    click(Channel::B, "MAX_IN1_HIGH");
    click(Channel::B, "MAX_IN0_HIGH");
    click(Channel::B, "MAX_IN1_LOW");
    EXPECT_FALSE(on(Channel::B, "MAX_IN1_HIGH"));
    EXPECT_TRUE(on(Channel::B, "MAX_IN0_HIGH"));
    click(Channel::B, "MAX_IN1_POS");
    click(Channel::B, "MAX_IN1_POS");  // switched off again, it still clears the states
    EXPECT_FALSE(on(Channel::B, "MAX_IN1_LOW"));
    EXPECT_EQ(page_group_word(panelPARAB, Group::MaxValue), 1u << 11);

    click(Channel::A, "SNAP_IN0_POS");
    EXPECT_EQ(text(panelPARAA, CHP_LBL_SNAP), "STORE ON: INPUT 0 POS. EDGE");
    click(Channel::A, "SNAP_A_NEG");
    EXPECT_FALSE(on(Channel::A, "SNAP_IN0_POS"));
    EXPECT_EQ(text(panelPARAA, CHP_LBL_SNAP), "STORE ON: CHAN. A NEG. EDGE");
}

TEST_F(Pages, LevelsAndLimitsReachTheRecordAsTheyAreEdited)
{
    const Record before = record();
    enter(panelPARAA2, CH2_NUM_LOW_TOL, -250);
    enter(panelPARAB2, CH2_NUM_REFERENCE, 1234);
    enter(panelPARAB2, CH2_NUM_TRIGGER, 999);
    enter(panelEVAL2, EV2_NUM_HIGH_TOL, 321);
    enter(panelPARAA, CHP_NUM_PRETRIGGER, 40);  // no immediate update on the first page
    Record expected = before;
    expected[BLOCK_A + CH_LOW_TOLERANCE] = 250;
    expected[BLOCK_B + CH_REFERENCE] = 1234;
    expected[BLOCK_B + CH_TRIGGER_LEVEL] = 999;
    expected[EVAL_HIGH_TOLERANCE] = 321;
    EXPECT_EQ(record(), expected);
}

TEST_F(Pages, PresetsFillInTheOutputsAndLockThePage)
{
    choose(panelOUTPUTS, OUT_RING_PRESET, 3);
    GetPanelValues();
    EXPECT_EQ(parameter[output_mode_word(0)], 0x0008);
    EXPECT_EQ(parameter[output_mode_word(1)], 0x0020);
    EXPECT_EQ(parameter[output_mode_word(2)], 0x0010);
    EXPECT_EQ(parameter[ANALOG_OUTPUT_MODE], 8);
    for (int output = 0; output < OUTPUTS; ++output)
        EXPECT_EQ(parameter[output_config_word(output)], 0);
    int mode = -1;
    GetCtrlAttribute(panelOUTPUTS, output_led(1, 0), ATTR_CTRL_MODE, &mode);
    EXPECT_EQ(mode, VAL_INDICATOR);
    // A locked selector does not react to the operator's click.
    QTest::mouseClick(ControlWidget(panelOUTPUTS, output_led(1, 0)), Qt::LeftButton);
    EXPECT_FALSE(on(panelOUTPUTS, output_led(1, 0)));

    choose(panelOUTPUTS, OUT_RING_PRESET, 1);
    GetPanelValues();
    for (int output = 0; output < OUTPUTS; ++output)
        EXPECT_EQ(parameter[output_mode_word(output)], 0);
    EXPECT_EQ(parameter[ANALOG_OUTPUT_MODE], 0);
    GetCtrlAttribute(panelOUTPUTS, output_led(1, 0), ATTR_CTRL_MODE, &mode);
    EXPECT_EQ(mode, VAL_HOT);
    QTest::mouseClick(ControlWidget(panelOUTPUTS, output_led(1, 0)), Qt::LeftButton);
    EXPECT_TRUE(on(panelOUTPUTS, output_led(1, 0)));
}

TEST_F(Pages, ConfigurationFlagSwitchesEveryModeBitOfItsOutput)
{
    choose(panelOUTPUTS, OUT_RING_CONFIG_1, 1);
    GetPanelValues();
    EXPECT_EQ(parameter[output_mode_word(1)], 0x5BFF);
    EXPECT_EQ(parameter[output_config_word(1)] & 1, 1);
    EXPECT_EQ(parameter[output_mode_word(0)], 0);
    for (int bit : {1, 4, 7}) {
        int colour = -1;
        GetCtrlAttribute(panelOUTPUTS, output_led(2, bit), ATTR_ON_COLOR, &colour);
        EXPECT_EQ(colour, VAL_RED) << bit;
    }
    choose(panelOUTPUTS, OUT_RING_CONFIG_1, 0);
    GetPanelValues();
    EXPECT_EQ(parameter[output_mode_word(1)], 0);
}

TEST_F(Pages, RingsKeepAValueTheyDoNotList)
{
    set_word(EVAL_MODE, 9);
    set_word(SCAN_FREQUENCY, 4);
    SetPanelValues();
    GetPanelValues();
    EXPECT_EQ(parameter[EVAL_MODE], 9);
    EXPECT_EQ(parameter[SCAN_FREQUENCY], 4);
}

// From random clicks and entries on the pages, reading the pages, showing
// that record and reading again gives the same words, and neither call
// touches the words no page carries.
TEST_F(Pages, ReadShowReadIsStableWhateverTheOperatorDid)
{
    std::mt19937 random(20261208);
    const int untouched[] = {0, 16, 32, 34, BLOCK_A + CH_HYSTERESIS, BLOCK_B + CH_HYSTERESIS};
    std::vector<std::pair<int, int>> buttons;  // panel, control
    for (Channel channel : {Channel::A, Channel::B}) {
        const int page = first_page(channel);
        for (const Selector& s : EVENT_SELECTORS)
            buttons.emplace_back(page, selector_control(s));
        for (int c : {CHP_FORMAT_RAW, CHP_FORMAT_NORM, CHP_FILTER_MIN, CHP_FILTER_MAX, CHP_FILTER_DIRECT})
            buttons.emplace_back(page, c);
    }
    for (int output = 0; output < OUTPUTS; ++output)
        for (int bit : OUTPUT_MODE_BITS)
            buttons.emplace_back(panelOUTPUTS, output_led(output, bit));
    const std::pair<int, int> fields[] = {
        {panelPARAA, CHP_NUM_PRETRIGGER}, {panelPARAB, CHP_NUM_DECAY},   {panelPARAA2, CH2_NUM_LOW_TOL},
        {panelPARAB2, CH2_NUM_HIGH_TOL},  {panelEVAL, EV_NUM_TEACH_2},   {panelEVAL2, EV2_NUM_LOW_TOL},
        {panelOUTPUTS, OUT_NUM_CONFIG_2}, {panelOUTPUTS, OUT_NUM_ANALOG_MODE},
    };

    for (int round = 0; round < 40; ++round) {
        for (int step = 0; step < 25; ++step) {
            if (random() % 4) {
                const auto [panel, control] = buttons[random() % buttons.size()];
                click(panel, control);
            } else {
                const auto [panel, control] = fields[random() % std::size(fields)];
                auto* spin = qobject_cast<QSpinBox*>(ControlWidget(panel, control));
                if (!spin->isEnabled())
                    continue;  // a dimmed field takes no entry
                spin->setValue(spin->minimum() + static_cast<int>(random() % (spin->maximum() - spin->minimum() + 1)));
            }
        }
        if (round % 10 == 0)
            choose(panelOUTPUTS, OUT_RING_CONFIG_0, static_cast<int>(random() % 2));
        for (int index : untouched)
            set_word(index, static_cast<std::uint16_t>(random()));
        const Record hidden = record();
        GetPanelValues();
        const Record first = record();
        SetPanelValues();
        GetPanelValues();
        EXPECT_EQ(record(), first) << "round " << round;
        for (int index : untouched)
            EXPECT_EQ(parameter[index], hidden[index]) << index;
    }
}

}  // namespace
}  // namespace telvar
