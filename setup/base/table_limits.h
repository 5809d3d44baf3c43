// Sizes of the fixed tables that the package formats imply. Every insert into
// one of these tables checks its limit; entries beyond it are ignored.
#pragma once

namespace qx {

constexpr int kMaxPages = 20;
constexpr int kMaxFeatures = 100;
constexpr int kMaxVariables = 50;
constexpr int kMaxFileActions = 13;
constexpr int kMaxConditions = 30;

}  // namespace qx
