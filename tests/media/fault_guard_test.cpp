#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "engine/media/fault_guard.h"

namespace {
constexpr media::SourceUnit kSourceUnit = media::SourceUnit::AI;
}

namespace media {
namespace {

class FaultGuardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        armFaultGuard([this](const EngineFault& fault) { reports.push_back(fault); });
    }
    void TearDown() override { disarmFaultGuard(); }
    std::vector<EngineFault> reports;
};

TEST_F(FaultGuardTest, OneReportPerArmingAndTheStepIsAbandoned) {
    int reached = 0;
    std::vector<int> table(3);
    const int zero = static_cast<int>(table.size()) - 3;
    int faultLine = 0;
    EXPECT_FALSE(guardedStep([&] {
        faultLine = __LINE__ + 1;
        reached = CHECKED_DIV(10, zero);
        reached = 99;  // never runs
    }));
    EXPECT_EQ(reached, 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].kind, FaultKind::DivisionByZero);
    EXPECT_EQ(reports[0].position.unit, SourceUnit::AI);
    EXPECT_EQ(reports[0].position.line, faultLine);
    EXPECT_FALSE(faultGuardArmed());

    // Further faults in the same turn are passed over without a report; the next step runs.
    EXPECT_FALSE(guardedStep([&] { CHECKED_AT(table, 3) = 1; }));
    EXPECT_EQ(lastFault().kind, FaultKind::IndexOutOfRange);
    EXPECT_TRUE(guardedStep([&] { CHECKED_AT(table, 2) = 5; }));
    EXPECT_EQ(table[2], 5);
    EXPECT_EQ(reports.size(), 1u);

    // The next turn re-arms and reports again.
    armFaultGuard([this](const EngineFault& fault) { reports.push_back(fault); });
    EXPECT_FALSE(guardedStep([&] { CHECKED_AT(table, -1) = 1; }));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].kind, FaultKind::IndexOutOfRange);
}

TEST_F(FaultGuardTest, CheckedArithmeticEdges) {
    // The one overflowing division wraps like the hardware result, without undefined behaviour.
    EXPECT_EQ(CHECKED_DIV(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(CHECKED_MOD(INT32_MIN, -1), 0);
    EXPECT_EQ(CHECKED_DIV(-7, 2), -3);  // truncates toward zero
    EXPECT_EQ(CHECKED_MOD(-7, 2), -1);
    EXPECT_FALSE(guardedStep([] { (void)CHECKED_MOD(1, 0); }));
    EXPECT_EQ(reports.size(), 1u);
    const std::vector<int> empty;
    disarmFaultGuard();
    EXPECT_FALSE(guardedStep([&] { (void)CHECKED_AT(empty, 0); }));
    EXPECT_EQ(reports.size(), 1u);  // disarmed: passed over
}

TEST(FaultGuard, NamesAndOtherExceptions) {
    EXPECT_EQ(sourceUnitName(SourceUnit::main), "Main Module");
    EXPECT_EQ(sourceUnitName(SourceUnit::FONT_ENGINE), "FONT_ENGINE");
    EXPECT_EQ(sourceUnitName(SourceUnit::ENGINE_INTERNALS), "ENGINE_INTERNALS");
    EXPECT_EQ(faultKindText(FaultKind::DivisionByZero), "Attempted division by zero");
    // A fault is not a std::exception, so a general handler in a step cannot swallow it.
    armFaultGuard(nullptr);
    bool swallowed = false;
    EXPECT_FALSE(guardedStep([&] {
        try {
            RAISE_FAULT(FaultKind::InjectedForTest);
        } catch (const std::exception&) {
            swallowed = true;
        }
    }));
    EXPECT_FALSE(swallowed);
    EXPECT_EQ(lastFault().kind, FaultKind::InjectedForTest);
    disarmFaultGuard();
}

}  // namespace
}  // namespace media
