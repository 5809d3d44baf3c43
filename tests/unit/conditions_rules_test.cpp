#include "setup/base/ini_text.h"
#include "setup/base/table_limits.h"
#include "setup/probes/conditions.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

struct CompareCase {
    const char* left;
    const char* op;
    const char* right;
    bool result;
};

class Compare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Compare, UsesTextOrNumbersByOperator) {
    const auto& c = GetParam();
    EXPECT_EQ(CompareOperands(c.left, c.op, c.right), c.result) << c.left << " " << c.op << " " << c.right;
}

INSTANTIATE_TEST_SUITE_P(
    Operators, Compare,
    ::testing::Values(CompareCase{"1", "==", "1", true}, CompareCase{"abc", "==", "ABC", false},
                      CompareCase{"abc", "!=", "ABC", true}, CompareCase{"1", "!=", "1", false},
                      CompareCase{"10", ">", "9", true}, CompareCase{"10", "<", "9", false},
                      // Text comparison would order "10" before "9"; numbers are compared.
                      CompareCase{"9", "<", "10", true}, CompareCase{"7", ">=", "7", true},
                      CompareCase{"6", ">=", "7", false}, CompareCase{"7", "=<", "7", true},
                      CompareCase{"8", "=<", "7", false}, CompareCase{"3", "<=", "7", false},
                      CompareCase{"12abc", ">", "11xyz", true}, CompareCase{"abc", "<", "1", true},
                      CompareCase{"1", "", "1", false}, CompareCase{"1", " ==", "1", false},
                      CompareCase{"01", "==", "1", false}, CompareCase{"01", ">=", "1", true}));

TEST(ConditionActionKeys, JoinBothNumbersWithoutSeparator) {
    EXPECT_EQ(ConditionActionKey(1, 23), "123");
    EXPECT_EQ(ConditionActionKey(12, 3), "123");
    EXPECT_EQ(ConditionActionKey(0, 0), "00");
}

const char* kSection =
    "[CONDITIONS]\n"
    "TOTAL=4\n"
    "A0=Twice\nB0=1\nC0===\nD0=1\nE0=start.lcd\nF0=2\n00=ShowMessage(Hello);\n01=CancelInstall();\n"
    "A1=Version\nB1=<Ver>\nC1=>=\nD1=5\nE1=After Click Finish Button\nF1=0\n"
    "A2=Twice\nB2=a\nC2===\nD2=a\nE2=\nF2=1\n20=x\n"
    "A3=Later\nB3=x\nC3=!=\nD3=y\nE3=start.lcd\nF3=0\n";

TEST(ConditionTable, ReadsRecordsAndActionsInScriptOrder) {
    ConditionTable t;
    t.Read(IniText(kSection));
    ASSERT_EQ(t.Count(), 4);
    EXPECT_EQ(t.At(0).name, "Twice");
    EXPECT_EQ(t.At(0).actions, (std::vector<std::string>{"ShowMessage(Hello);", "CancelInstall();"}));
    EXPECT_EQ(t.At(1).op, ">=");
    EXPECT_EQ(t.At(1).trigger, kFinishTrigger);
    EXPECT_TRUE(t.At(1).actions.empty());
    EXPECT_EQ(t.At(2).op, "==");  // the profile rules split at the first "="
    EXPECT_EQ(t.TriggeredBy("start.lcd"), (std::vector<int>{0, 3}));
    EXPECT_EQ(t.TriggeredBy(kFinishTrigger), (std::vector<int>{1}));
    EXPECT_TRUE(t.TriggeredBy("").empty()) << "an empty trigger never fires";
}

TEST(ConditionTable, EvaluatesExpandedOperands) {
    ConditionTable t;
    t.Read(IniText(kSection));
    auto version = [](const char* v) {
        return [v](const std::string& s) { return s == "<Ver>" ? std::string(v) : s; };
    };
    EXPECT_TRUE(t.Evaluate(1, version("6")));
    EXPECT_FALSE(t.Evaluate(1, version("4")));
    EXPECT_FALSE(t.Evaluate(1, nullptr));
    EXPECT_FALSE(t.Evaluate(99, nullptr));
}

TEST(ConditionTable, NameCheckUsesTheLastRecordOfThatName) {
    ConditionTable t;
    ConditionRecord holds{"Twice", "1", "==", "1", "", {}};
    ConditionRecord fails{"Twice", "1", "==", "2", "", {}};
    t.Add(holds);
    t.Add(fails);
    EXPECT_FALSE(t.CheckByName("Twice", nullptr));
    EXPECT_EQ(t.FindLast("Twice"), 1);
    EXPECT_TRUE(t.CheckByName("twice", nullptr)) << "names are case-sensitive; unknown names hold";
    EXPECT_TRUE(t.CheckByName("", nullptr));
    EXPECT_TRUE(t.CheckByName(kNoCondition, nullptr));
    ConditionRecord named{kNoCondition, "1", "==", "2", "", {}};
    t.Add(named);
    EXPECT_TRUE(t.CheckByName(kNoCondition, nullptr)) << "the literal never names a record";
}

TEST(ConditionTable, IgnoresEntriesBeyondTheTable) {
    std::string text = "[CONDITIONS]\nTOTAL=45\n";
    for (int i = 0; i < 45; ++i) text += "A" + std::to_string(i) + "=c" + std::to_string(i) + "\n";
    ConditionTable t;
    t.Read(IniText(text));
    ASSERT_EQ(t.Count(), kMaxConditions);
    EXPECT_EQ(t.At(kMaxConditions - 1).name, "c29");
    EXPECT_FALSE(t.Add(ConditionRecord{}));
    EXPECT_EQ(t.Count(), kMaxConditions);
}

TEST(ConditionTable, CapsAHugeActionCount) {
    ConditionTable t;
    t.Read(IniText("[CONDITIONS]\nTOTAL=1\nA0=x\nF0=2000000000\n00=first\n"));
    ASSERT_EQ(t.Count(), 1);
    ASSERT_EQ(static_cast<int>(t.At(0).actions.size()), kMaxConditionActions);
    EXPECT_EQ(t.At(0).actions[0], "first");
}

}  // namespace
}  // namespace qx
