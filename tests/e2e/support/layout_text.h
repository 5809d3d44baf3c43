// Small page layouts written by the tests themselves, so each page says which
// one it is and carries exactly the controls a test clicks.
#pragma once
#include <string>
#include <vector>

namespace qx::e2e {

struct ControlSpec {
    std::string idName;
    std::string type;  // BUTTON, TEXT, RADIO, CHECKBOX
    int x = 0, y = 0, width = 75, height = 23;
    std::string caption;
    std::string clickAction = "[Do Nothing]";
    std::string actionArgument;
    std::string onClick;  // value of an "On Click" property; empty: none
};

// A 400 x 220 page with a label "page:<name>" and the given controls.
std::string LayoutText(const std::string& name, const std::vector<ControlSpec>& controls);
// The same page with exactly these controls, INFO key 0 first (it is created last).
std::string LayoutTextExactly(const std::vector<ControlSpec>& controls);
// Back, Next and Cancel as the wizard pages carry them.
std::vector<ControlSpec> WizardButtons();

}  // namespace qx::e2e
