#include "layout_text.h"

namespace qx::e2e {

namespace {

std::vector<std::string> Properties(const ControlSpec& c) {
    std::vector<std::string> p = {"Name|" + c.idName + "|0"};
    if (c.type == "RADIO" || c.type == "CHECKBOX") {
        p.push_back("Text|" + c.caption + "|0");
        p.push_back("BackColor|255,255,255|0");
        p.push_back("Text Color|0,0,0|0");
    } else if (c.type == "TEXT") {
        p.push_back("Caption|" + c.caption + "|0");
        p.push_back("Text Align|0|0");
        p.push_back("Text Color|0,0,0|0");
        p.push_back("BackColor|255,255,255|0");
    } else {
        p.push_back("Caption|" + c.caption + "|0");
        p.push_back("Text Align|0|0");
        p.push_back("Font|Tahoma|0");
        p.push_back("Size|8|0");
        p.push_back("Bold|No|0");
        p.push_back("Italic|No|0");
        p.push_back("Click Action|" + c.clickAction + "|0");
        p.push_back("Action Argument|" + c.actionArgument + "|0");
    }
    if (!c.onClick.empty()) p.push_back("On Click|" + c.onClick + "|0");
    return p;
}

}  // namespace

std::string LayoutText(const std::string& name, const std::vector<ControlSpec>& controls) {
    std::vector<ControlSpec> all = controls;
    all.insert(all.begin(), ControlSpec{"IDC_PAGENAME", "TEXT", 10, 10, 300, 20, "page:" + name});
    return LayoutTextExactly(all);
}

std::string LayoutTextExactly(const std::vector<ControlSpec>& all) {
    std::string t =
        "[MAINWINDOW]\r\nidcname=IDD_TEST\r\ncaption=<ProductName> Setup\r\nbkimage=\r\nborder=1\r\n"
        "startup=0 - Center\r\nbkcolor=255,255,255\r\nwidth=400\r\nheight=220\r\nsoundfile=\r\nminwindow=No\r\n"
        "maxwindow=No\r\nclosewindow=Yes\r\nfontname=Tahoma\r\nfontsize=8\r\nfontbold=No\r\nfontitalic=No\r\n";
    t += "[INFO]\r\nTOTAL=" + std::to_string(all.size()) + "\r\n";
    for (std::size_t k = 0; k < all.size(); ++k) {
        const auto& c = all[k];
        t += std::to_string(k) + "=" + c.idName + "," + std::to_string(c.x) + "," + std::to_string(c.y) + "," +
             std::to_string(c.width) + "," + std::to_string(c.height) + "," + c.type + ",,," +
             std::to_string(3000 + k) + "\r\n";
    }
    t += "[DADOS]\r\n";
    for (std::size_t k = 0; k < all.size(); ++k) {
        const std::string record = std::to_string(3000 + k);
        auto props = Properties(all[k]);
        t += record + ",t=" + std::to_string(props.size()) + "\r\n";
        for (std::size_t i = 0; i < props.size(); ++i) t += record + "," + std::to_string(i) + "=" + props[i] + "\r\n";
    }
    return t;
}

std::vector<ControlSpec> WizardButtons() {
    return {ControlSpec{"IDC_BACK", "BUTTON", 130, 170, 75, 23, "< Back"},
            ControlSpec{"IDC_NEXT", "BUTTON", 210, 170, 75, 23, "Next >"},
            ControlSpec{"IDCANCEL", "BUTTON", 300, 170, 75, 23, "Cancel"}};
}

}  // namespace qx::e2e
