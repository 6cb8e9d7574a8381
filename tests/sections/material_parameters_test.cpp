#include "sections/material_parameters.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek {
namespace {

// An imported concrete material: elastic, E 30000.
TMaterial Imported()
{
    TMaterial m;
    m.Name = "C30";
    m.MatType = MaterialType::Elastic;
    m.E = 30000;
    return m;
}

TEST(MaterialParameters, StoresGivenValuesAndStartsTheOthers)
{
    TMaterial steel = Imported();
    SetMaterialParameters(steel, MaterialType::Steel02, {{"Fy", "400"}, {"b", "0.01"}});
    EXPECT_EQ(steel.MatType, MaterialType::Steel02);
    const std::vector<double> got{steel.Fy, steel.E0, steel.B, steel.R0, steel.CR1, steel.CR2};
    EXPECT_EQ(got, (std::vector<double>{400, 30000, 0.01, 18, 0.925, 0.15}));

    TMaterial concrete = Imported();
    SetMaterialParameters(concrete, MaterialType::Concrete02,
                          {{"fpc", "-30"},
                           {"epsc0", "-0.002"},
                           {"fpcu", "0"},
                           {"epsU", "-6e-3"},
                           {"lambda", "0.1"},
                           {"ft", "3"},
                           {"Ets", "1500"}});
    EXPECT_EQ(concrete.Fpc, -30);
    EXPECT_EQ(concrete.EpsU, -0.006);
    EXPECT_EQ(concrete.Ets, 1500);
}

TEST(MaterialParameters, RefusesBadTextsAndKeepsTheMaterial)
{
    struct Case
    {
        MaterialType type;
        MaterialParameterTexts texts;
        std::string message;
    };
    const Case cases[] = {
        {MaterialType::Steel01, {{"E0", "1"}, {"b", "0"}}, "Steel01 needs Fy"},
        {MaterialType::Steel01,
         {{"Fy", "1"}, {"b", "0"}, {"fy", "2"}},
         "Steel01 has no parameter 'fy' (its parameters: Fy, E0, b)"},
        {MaterialType::Steel01,
         {{"Fy", "1x"}, {"b", "0"}},
         "Fy: '1x' is not a valid floating point value"},
        {MaterialType::Steel02, {{"Fy", "0"}, {"b", "0"}}, "Fy must be greater than 0, not 0"},
        {MaterialType::Concrete01,
         {{"fpc", "-30"}, {"epsc0", "0.002"}, {"fpcu", "-6"}, {"epsU", "-0.006"}},
         "epsc0 must be 0 or negative (compression is negative), not 0.002"},
        {MaterialType::None, {}, "material type 0 does not exist"},
    };
    for (const Case& c : cases) {
        TMaterial m = Imported();
        try {
            SetMaterialParameters(m, c.type, c.texts);
            ADD_FAILURE() << c.message;
        } catch (const VekError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_EQ(m.MatType, MaterialType::Elastic) << c.message;
        EXPECT_EQ(m.Fy, 0) << c.message;
        EXPECT_THROW(CheckMaterialParameters(c.type, c.texts), VekError) << c.message;
    }
}

TEST(MaterialParameters, StartValueFromAZeroEIsRefused)
{
    TMaterial added;
    EXPECT_THROW(SetMaterialParameters(added, MaterialType::Steel01, {{"Fy", "400"}, {"b", "0"}}),
                 VekError);
    EXPECT_EQ(added.MatType, MaterialType::None);
    EXPECT_NO_THROW(CheckMaterialParameters(MaterialType::Steel01, {{"Fy", "400"}, {"b", "0"}}));
}

TEST(MaterialParameters, TypesByName)
{
    EXPECT_EQ(MaterialTypeNamed("Concrete02"), MaterialType::Concrete02);
    EXPECT_EQ(InfoOfMaterialType(MaterialType::Steel02)->Name, "Steel02");
    EXPECT_EQ(InfoOfMaterialType(MaterialType::None), nullptr);
    try {
        MaterialTypeNamed("steel01");
        ADD_FAILURE();
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()), "unknown material type 'steel01' (use Elastic, "
                                             "Steel01, Concrete01, Steel02, Concrete02)");
    }
}

} // namespace
} // namespace vek
