// Named conditions of the CONDITIONS section: reading, comparing, and the
// name check used by file actions and merge modules. The expansion of the
// operands is handed in, so the controller and the engine share this code
// with their own expansions.
#pragma once
#include "setup/base/key_value_reader.h"

#include <functional>
#include <string>
#include <vector>

namespace qx {

constexpr const char* kFinishTrigger = "After Click Finish Button";
constexpr const char* kNoCondition = "No Condition";

struct ConditionRecord {
    std::string name, left, op, right, trigger;
    std::vector<std::string> actions;
};

// "%i%i": condition i's action j, the two numbers written one after the other.
std::string ConditionActionKey(int condition, int action);

// Compares two expanded operands with one of "==", "!=", ">", "<", ">=", "=<".
// The ordering operators compare the leading numbers; any other operator is false.
bool CompareOperands(const std::string& left, const std::string& op, const std::string& right);

using Expander = std::function<std::string(const std::string&)>;

class ConditionTable {
public:
    // Reads the CONDITIONS section; entries past the table size are ignored.
    void Read(const KeyValueReader& script);
    int Count() const { return static_cast<int>(records_.size()); }
    const ConditionRecord& At(int index) const { return records_[static_cast<std::size_t>(index)]; }
    const std::vector<ConditionRecord>& Records() const { return records_; }
    // False when the table is full.
    bool Add(ConditionRecord record);

    bool Evaluate(int index, const Expander& expand) const;
    // The last record of that exact name decides; "No Condition", the empty
    // name and unknown names hold.
    int FindLast(const std::string& name) const;
    bool CheckByName(const std::string& name, const Expander& expand) const;
    // Indexes of the records whose trigger is exactly this text, in table order.
    std::vector<int> TriggeredBy(const std::string& trigger) const;

private:
    std::vector<ConditionRecord> records_;
};

}  // namespace qx
