#include "setup/pages/control_pools.h"

namespace qx::pages {

namespace {
template <class T>
CControlWindow* At(Pool<T>& pool, int index) {
    return index >= 0 && index < kPoolSize ? &pool[static_cast<std::size_t>(index)] : nullptr;
}
}  // namespace

CControlWindow* ControlPools::Object(ControlType type, int index) {
    switch (type) {
        case ControlType::Button: return At(buttons, index);
        case ControlType::GroupBox: return At(groupBoxes, index);
        case ControlType::Text: return At(texts, index);
        case ControlType::Rect: return At(rects, index);
        case ControlType::HotSpot: return At(hotSpots, index);
        case ControlType::Animation: return At(animations, index);
        case ControlType::ListView: return At(listViews, index);
        case ControlType::Bitmap:
        case ControlType::Hover: return At(pictures, index);
        case ControlType::Icon: return At(icons, index);
        case ControlType::TextBox: return At(textBoxes, index);
        case ControlType::ComboBox: return At(combos, index);
        case ControlType::Radio: return At(radios, index);
        case ControlType::CheckBox: return At(checkBoxes, index);
        case ControlType::Progress: return At(progressBars, index);
        case ControlType::TreeView: return At(trees, index);
        case ControlType::RichText: return At(richTexts, index);
        case ControlType::Frame: return At(frames, index);
        case ControlType::Unknown: break;
    }
    return nullptr;
}

}  // namespace qx::pages
