// The validators between the window's controls and the settings.
#include "EventPump.h"
#include "MainWindowDoubles.h"
#include "ui/main/CountValidator.h"
#include "ui/main/SwitchValidator.h"
#include "ui/main/TextValidator.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

using namespace std::chrono_literals;
using namespace stillmark;
using namespace stillmark::test;

namespace {

class Validators : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "validators");
        frame->Show();
    }
    void TearDown() override {
        frame->Destroy();
        PumpEvents(30ms);
    }
    wxFrame* frame = nullptr;
    RecordingMessageBox messages;
};

TEST_F(Validators, TheCountRefusesAllButWholeNumbersWithOneMessageAndStoresOnlyWhenRead) {
    struct Case {
        const char* text;
        bool accepted;
        int value;
    };
    const Case cases[] = {{"5", true, 5},     {" +7 ", true, 7},  {"-3", true, -3},
                          {"40", true, 40},   {"", false, 12},    {"abc", false, 12},
                          {"12x", false, 12}, {"1 2", false, 12}, {"99999999999", false, 12}};
    auto* field = new wxTextCtrl(frame, wxID_ANY);
    for (const Case& c : cases) {
        int count = 12;
        field->SetValidator(CountValidator(count, messages));
        messages.shown.clear();
        field->ChangeValue(c.text);
        EXPECT_EQ(field->GetValidator()->Validate(frame), c.accepted) << c.text;
        EXPECT_EQ(count, 12) << "validating stores nothing: " << c.text;
        EXPECT_EQ(messages.shown, c.accepted ? std::vector<std::string>{}
                                             : std::vector<std::string>{"Please enter an integer."})
            << c.text;
        if (!c.accepted && !field->IsEmpty()) {
            long from = 0, to = 0;
            field->GetSelection(&from, &to);
            EXPECT_EQ(to - from, field->GetLastPosition()) << "the refused text is selected: " << c.text;
        }
        messages.shown.clear();
        EXPECT_EQ(field->GetValidator()->TransferFromWindow(), c.accepted) << c.text;
        EXPECT_EQ(count, c.value) << c.text;
        EXPECT_TRUE(messages.shown.empty()) << "reading reports nothing: " << c.text;
    }
    int count = 23;
    field->SetValidator(CountValidator(count, messages));
    field->GetValidator()->TransferToWindow();
    EXPECT_EQ(field->GetValue(), "23");
}

TEST_F(Validators, TextsGoToTheComboBoxAsItsListAllows) {
    auto* combo = new wxComboBox(
        frame, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
        wxArrayString{
            6, std::array<wxString, 6>{"1 min", "5 min", "10 min", "15 min", "30 min", "1 hour"}.data()});
    struct Case {
        std::string stored, shown;
    };
    for (const Case& c : {Case{"30 min", "30 min"}, Case{"1 H", "1 hour"}, Case{"1", "1 min"},
                          Case{"90 min", "90 min"}, Case{"", "1 min"}}) {
        std::string value = c.stored;
        combo->SetValidator(TextValidator(value));
        combo->GetValidator()->TransferToWindow();
        EXPECT_EQ(combo->GetValue(), c.shown) << c.stored;
        combo->GetValidator()->TransferFromWindow();
        EXPECT_EQ(value, c.shown);
    }
}

TEST_F(Validators, ASwitchChecksForAnyNumberButZeroAndReadsBackOneOrZero) {
    auto* box = new wxCheckBox(frame, wxID_ANY, "Start Minimized");
    for (const auto& [stored, checked] : {std::pair{0, false}, std::pair{1, true}, std::pair{2, true}}) {
        int value = stored;
        box->SetValidator(SwitchValidator(value));
        box->GetValidator()->TransferToWindow();
        EXPECT_EQ(box->GetValue(), checked) << stored;
        box->GetValidator()->TransferFromWindow();
        EXPECT_EQ(value, checked ? 1 : 0);
    }
}

} // namespace
