#pragma once

#include "model/records.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace vek {

// What a value of a material parameter may be.
enum class ParameterSign {
    Any,
    // Greater than 0 (a yield stress, a modulus).
    Positive,
    // 0 or negative: a compressive stress or strain.
    NotPositive,
};

// Where a parameter that is not given starts.
enum class ParameterStart {
    // It must be given.
    Required,
    // The material's E.
    FromE,
    // The descriptor's Value.
    Fixed,
};

// One parameter of a uniaxial material type, by its OpenSees name.
struct MaterialParameter
{
    std::string_view Name;
    double TMaterial::*Member;
    ParameterSign Sign = ParameterSign::Any;
    ParameterStart Start = ParameterStart::Required;
    double Value = 0;
};

// A material type: its OpenSees uniaxialMaterial name and its parameters in the order of the
// command ("uniaxialMaterial Name tag p1 p2 ...").
struct MaterialTypeInfo
{
    MaterialType Type;
    std::string_view Name;
    std::span<const MaterialParameter> Parameters;
};

// The descriptor of a type; nullptr for a number with no type.
const MaterialTypeInfo* InfoOfMaterialType(MaterialType type);

// The type of an OpenSees name (Elastic, Steel01, Concrete01, Steel02, Concrete02); raises
// VekError naming the types for any other text.
MaterialType MaterialTypeNamed(std::string_view name);

// Parameter texts by name.
using MaterialParameterTexts = std::map<std::string, std::string, std::less<>>;

// Checks the texts for `type` without a material: every name must be one of the type's
// parameters, every required parameter given, every value a strict real of the parameter's
// sign. Raises VekError naming the parameter ("Concrete02 needs fpc", "fpc must be 0 or
// negative (compression is negative), not 30").
void CheckMaterialParameters(MaterialType type, const MaterialParameterTexts& texts);

// Every nonlinear parameter once, by name, in the order of the types' commands (Fy, E0, b,
// R0, cR1, cR2, fpc, ...): a name several types share (Fy) is one member of TMaterial.
std::span<const MaterialParameter> AllMaterialParameters();

// The parameter of that name among AllMaterialParameters(); nullptr for any other name.
const MaterialParameter* MaterialParameterNamed(std::string_view name);

// Checks that the values of the material's type have their signs (E greater than 0, a
// concrete strength 0 or negative, ...); raises VekError naming the first that has not. A type
// outside the table raises too.
void CheckMaterialValues(const TMaterial& material);

// Makes `material` a material of `type` with the given parameters; the others take their start
// values, which must then have their sign too (E0, starting as E, must be greater than 0). On
// any error VekError is raised and the material is left as it was.
void SetMaterialParameters(TMaterial& material, MaterialType type,
                           const MaterialParameterTexts& texts);

} // namespace vek
