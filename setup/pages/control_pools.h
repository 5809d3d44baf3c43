// The page's control objects: one fixed pool per layout type, so building a
// page allocates no control objects.
#pragma once
#include "setup/pages/control_type.h"
#include "setup/pages/layout_limits.h"
#include "setup/pages/my_button.h"
#include "setup/pages/my_static.h"
#include "setup/pages/my_tree_view.h"
#include "setup/pages/new_label.h"
#include "setup/pages/simple_controls.h"

#include <array>

namespace qx::pages {

template <class T>
using Pool = std::array<T, kPoolSize>;

struct ControlPools {
    Pool<CMyButton> buttons, groupBoxes;
    Pool<CNewLabel> texts, rects, hotSpots, animations, listViews;
    Pool<CMyStatic> pictures, icons;  // pictures: BITMAP and HOVER
    Pool<CEditBox> textBoxes;
    Pool<CMyComboItem> combos;
    Pool<CMyRadioButton> radios, checkBoxes;
    Pool<CMyProgress> progressBars;
    Pool<CMyTreeView> trees;
    Pool<CMyRichText> richTexts;
    Pool<CMyEdge> frames;

    // The object for a type and pool index; nullptr outside the pools.
    CControlWindow* Object(ControlType type, int index);
};

}  // namespace qx::pages
