#include "setup/probes/conditions.h"

#include "setup/base/table_limits.h"

namespace qx {

std::string ConditionActionKey(int condition, int action) {
    return std::to_string(condition) + std::to_string(action);
}

bool CompareOperands(const std::string& left, const std::string& op, const std::string& right) {
    if (op == "==") return left == right;
    if (op == "!=") return left != right;
    const int l = LeadingNumber(left), r = LeadingNumber(right);
    if (op == ">") return l > r;
    if (op == "<") return l < r;
    if (op == ">=") return l >= r;
    if (op == "=<") return l <= r;
    return false;
}

bool ConditionTable::Add(ConditionRecord record) {
    if (static_cast<int>(records_.size()) >= kMaxConditions) return false;
    records_.push_back(std::move(record));
    return true;
}

void ConditionTable::Read(const KeyValueReader& script) {
    records_.clear();
    const char* section = "CONDITIONS";
    const int total = LeadingNumber(script.Read(section, "TOTAL"));
    for (int i = 0; i < total && i < kMaxConditions; ++i) {
        const std::string n = std::to_string(i);
        ConditionRecord r;
        r.name = script.Read(section, "A" + n);
        r.left = script.Read(section, "B" + n);
        r.op = script.Read(section, "C" + n);
        r.right = script.Read(section, "D" + n);
        r.trigger = script.Read(section, "E" + n);
        const int actions = LeadingNumber(script.Read(section, "F" + n));
        for (int j = 0; j < actions && j < kMaxConditionActions; ++j)
            r.actions.push_back(script.Read(section, ConditionActionKey(i, j)));
        Add(std::move(r));
    }
}

bool ConditionTable::Evaluate(int index, const Expander& expand) const {
    if (index < 0 || index >= Count()) return false;
    const ConditionRecord& r = At(index);
    return CompareOperands(expand ? expand(r.left) : r.left, r.op, expand ? expand(r.right) : r.right);
}

int ConditionTable::FindLast(const std::string& name) const {
    if (name.empty() || name == kNoCondition) return -1;
    for (int i = Count() - 1; i >= 0; --i)
        if (At(i).name == name) return i;
    return -1;
}

bool ConditionTable::CheckByName(const std::string& name, const Expander& expand) const {
    const int index = FindLast(name);
    return index < 0 || Evaluate(index, expand);
}

std::vector<int> ConditionTable::TriggeredBy(const std::string& trigger) const {
    std::vector<int> out;
    if (trigger.empty()) return out;
    for (int i = 0; i < Count(); ++i)
        if (At(i).trigger == trigger) out.push_back(i);
    return out;
}

}  // namespace qx
