// Sizes of the fixed tables that the package formats imply. Every insert into
// one of these tables checks its limit; entries beyond it are ignored.
#pragma once

namespace qx {

constexpr int kMaxPages = 20;
constexpr int kMaxFeatures = 100;
constexpr int kMaxVariables = 50;
constexpr int kMaxFileActions = 13;
constexpr int kMaxConditions = 30;
// Actions per condition: the format sets no limit, so a damaged count could
// otherwise make start-up read keys for ever.
constexpr int kMaxConditionActions = 100;
// Layout controls a language file can caption: the "30%i" key form names
// record 3000 + i only while i has two digits.
constexpr int kMaxLanguageControls = 100;

}  // namespace qx
