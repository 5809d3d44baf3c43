// Fixed sizes of a page that the layout format and its producers rely on.
// Every insert into a page checks against these instead of trusting the file.
#pragma once

namespace qx::pages {

// A control list keeps one spare slot beyond its last record while a record
// is being inserted at the front, so 70 slots hold at most 69 controls.
constexpr int kControlSlots = 70;
constexpr int kMaxControls = kControlSlots - 1;
// Control objects come from one pool per type; BITMAP and HOVER share one.
constexpr int kPoolSize = 15;
// Properties kept per control, and fields read from one INFO record.
constexpr int kMaxProperties = 15;
constexpr int kMaxRecordFields = 20;
// Window identifier of the first control of a page; each control adds one.
constexpr int kFirstControlId = 3000;
// Controls above this identifier send no commands (only the first 31 do).
constexpr int kLastCommandId = 3030;

}  // namespace qx::pages
