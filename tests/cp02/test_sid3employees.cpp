#include "cp02/cp02form.h"
#include "cp02fixture.h"
#include "sid3/activitysource.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;
using namespace ventrix::test;

// The monthly declaration takes each activity's employees from the previous year's annual one,
// matching code and premises-tagged name as the annual declaration stores them.
TEST(Sid3Employees, TheMonthlyDeclarationReadsTheAnnualOnesEmployees)
{
    Cp02Fixture f;
    Cp02Form form(f.cp02, f.cmdId, f.cp01Id);
    ASSERT_TRUE(form.open());
    ASSERT_TRUE(form.aceptarPeriodo(2025, Original));
    form.record().activities.front().numEmp = 7;
    form.record().set(col::NumEmpleados, 9);
    ASSERT_TRUE(form.Guardar());

    sid3::ActivitySource source(f.access);
    auto lines = source.CargarTablaNew(f.cmdId, { 3, 2026 });
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1);
    EXPECT_EQ(lines->front().numEmp, 2); // as the inscription says
    auto found = source.CargarTablaNewNumEmp(f.cmdId, 2025, *lines);
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->found);
    EXPECT_EQ(found->numEmpleados, 9);
    EXPECT_EQ(lines->front().numEmp, 7);
    EXPECT_FALSE(source.CargarTablaNewNumEmp(f.cmdId, 2024, *lines)->found);
}
