#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

#include "engine/base/fault_guard.h"

namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI;
}

namespace media {
namespace {

class FaultGuardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        base::armFaultGuard([this](const base::EngineFault& fault) { reports.push_back(fault); });
    }
    void TearDown() override { base::disarmFaultGuard(); }
    std::vector<base::EngineFault> reports;
};

TEST_F(FaultGuardTest, OneReportPerArmingAndTheStepIsAbandoned) {
    int reached = 0;
    std::vector<int> table(3);
    const int zero = static_cast<int>(table.size()) - 3;
    int faultLine = 0;
    EXPECT_FALSE(base::guardedStep([&] {
        faultLine = __LINE__ + 1;
        reached = CHECKED_DIV(10, zero);
        reached = 99;  // never runs
    }));
    EXPECT_EQ(reached, 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].kind, base::FaultKind::DivisionByZero);
    EXPECT_EQ(reports[0].position.unit, base::SourceUnit::AI);
    EXPECT_EQ(reports[0].position.line, faultLine);
    EXPECT_FALSE(base::faultGuardArmed());

    // Further faults in the same turn are passed over without a report; the next step runs.
    EXPECT_FALSE(base::guardedStep([&] { CHECKED_AT(table, 3) = 1; }));
    EXPECT_EQ(base::lastFault().kind, base::FaultKind::IndexOutOfRange);
    EXPECT_TRUE(base::guardedStep([&] { CHECKED_AT(table, 2) = 5; }));
    EXPECT_EQ(table[2], 5);
    EXPECT_EQ(reports.size(), 1u);

    // The next turn re-arms and reports again.
    base::armFaultGuard([this](const base::EngineFault& fault) { reports.push_back(fault); });
    EXPECT_FALSE(base::guardedStep([&] { CHECKED_AT(table, -1) = 1; }));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].kind, base::FaultKind::IndexOutOfRange);
}

TEST_F(FaultGuardTest, CheckedArithmeticEdges) {
    // The one overflowing division wraps like the hardware result, without undefined behaviour.
    EXPECT_EQ(CHECKED_DIV(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(CHECKED_MOD(INT32_MIN, -1), 0);
    EXPECT_EQ(CHECKED_DIV(-7, 2), -3);  // truncates toward zero
    EXPECT_EQ(CHECKED_MOD(-7, 2), -1);
    EXPECT_FALSE(base::guardedStep([] { (void)CHECKED_MOD(1, 0); }));
    EXPECT_EQ(reports.size(), 1u);
    const std::vector<int> empty;
    base::disarmFaultGuard();
    EXPECT_FALSE(base::guardedStep([&] { (void)CHECKED_AT(empty, 0); }));
    EXPECT_EQ(reports.size(), 1u);  // disarmed: passed over
}

TEST(FaultGuard, NamesAndOtherExceptions) {
    EXPECT_EQ(base::sourceUnitName(base::SourceUnit::main), "Main Module");
    EXPECT_EQ(base::sourceUnitName(base::SourceUnit::FONT_ENGINE), "FONT_ENGINE");
    EXPECT_EQ(base::sourceUnitName(base::SourceUnit::ENGINE_INTERNALS), "ENGINE_INTERNALS");
    EXPECT_EQ(base::faultKindText(base::FaultKind::DivisionByZero), "Attempted division by zero");
    // A fault is not a std::exception, so a general handler in a step cannot swallow it.
    base::armFaultGuard(nullptr);
    bool swallowed = false;
    EXPECT_FALSE(base::guardedStep([&] {
        try {
            RAISE_FAULT(base::FaultKind::InjectedForTest);
        } catch (const std::exception&) {
            swallowed = true;
        }
    }));
    EXPECT_FALSE(swallowed);
    EXPECT_EQ(base::lastFault().kind, base::FaultKind::InjectedForTest);
    base::disarmFaultGuard();
}

TEST(FaultGuard, OtherThrowsAreFaultsAtTheRunnersPositionAndAFailingReportIsPassedOver) {
    // A reporter that fails itself (out of memory while writing) must not end the game.
    int reportsTried = 0;
    base::armFaultGuard([&](const base::EngineFault&) {
        ++reportsTried;
        throw std::bad_alloc();
    });
    const int line = __LINE__ + 1;
    EXPECT_FALSE(GUARDED_STEP([] { throw std::length_error("too long"); }));
    EXPECT_EQ(reportsTried, 1);
    EXPECT_EQ(base::lastFault().kind, base::FaultKind::StandardException);
    EXPECT_EQ(base::lastFault().position.unit, base::SourceUnit::AI);
    EXPECT_EQ(base::lastFault().position.line, line);
    EXPECT_FALSE(base::guardedStep([] { throw 7; }));
    EXPECT_EQ(base::lastFault().kind, base::FaultKind::Unknown);
    EXPECT_EQ(base::lastFault().position.unit, base::SourceUnit::main);  // no position given
    EXPECT_EQ(base::lastFault().position.line, 0);
    EXPECT_EQ(reportsTried, 1);  // one report per arming
    EXPECT_EQ(base::faultKindText(base::FaultKind::OutOfMemory), "Out of memory");
}

}  // namespace
}  // namespace media
