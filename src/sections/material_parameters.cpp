#include "sections/material_parameters.h"

#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace vek {

namespace {

using enum ParameterSign;
using enum ParameterStart;

constexpr MaterialParameter ElasticParameters[] = {
    {"E", &TMaterial::E, Positive, FromE},
};

constexpr MaterialParameter Steel01Parameters[] = {
    {"Fy", &TMaterial::Fy, Positive},
    {"E0", &TMaterial::E0, Positive, FromE},
    {"b", &TMaterial::B},
};

constexpr MaterialParameter Steel02Parameters[] = {
    {"Fy", &TMaterial::Fy, Positive},
    {"E0", &TMaterial::E0, Positive, FromE},
    {"b", &TMaterial::B},
    {"R0", &TMaterial::R0, Any, Fixed, 18},
    {"cR1", &TMaterial::CR1, Any, Fixed, 0.925},
    {"cR2", &TMaterial::CR2, Any, Fixed, 0.15},
};

constexpr MaterialParameter Concrete01Parameters[] = {
    {"fpc", &TMaterial::Fpc, NotPositive},
    {"epsc0", &TMaterial::Epsc0, NotPositive},
    {"fpcu", &TMaterial::Fpcu, NotPositive},
    {"epsU", &TMaterial::EpsU, NotPositive},
};

constexpr MaterialParameter Concrete02Parameters[] = {
    {"fpc", &TMaterial::Fpc, NotPositive},
    {"epsc0", &TMaterial::Epsc0, NotPositive},
    {"fpcu", &TMaterial::Fpcu, NotPositive},
    {"epsU", &TMaterial::EpsU, NotPositive},
    {"lambda", &TMaterial::Lambda},
    {"ft", &TMaterial::Ft},
    {"Ets", &TMaterial::Ets},
};

constexpr MaterialTypeInfo MaterialTypes[] = {
    {MaterialType::Elastic, "Elastic", ElasticParameters},
    {MaterialType::Steel01, "Steel01", Steel01Parameters},
    {MaterialType::Concrete01, "Concrete01", Concrete01Parameters},
    {MaterialType::Steel02, "Steel02", Steel02Parameters},
    {MaterialType::Concrete02, "Concrete02", Concrete02Parameters},
};

// The parameters of the nonlinear types, each name once.
constexpr MaterialParameter NonlinearParameters[] = {
    Steel02Parameters[0],    Steel02Parameters[1],    Steel02Parameters[2],
    Steel02Parameters[3],    Steel02Parameters[4],    Steel02Parameters[5],
    Concrete02Parameters[0], Concrete02Parameters[1], Concrete02Parameters[2],
    Concrete02Parameters[3], Concrete02Parameters[4], Concrete02Parameters[5],
    Concrete02Parameters[6],
};

const MaterialTypeInfo& CheckedInfo(MaterialType type)
{
    const MaterialTypeInfo* info = InfoOfMaterialType(type);
    if (info == nullptr)
        throw VekError("material type " + FormatInt(CodeNumber(type)) + " does not exist");
    return *info;
}

std::string ParameterList(const MaterialTypeInfo& info)
{
    std::string list;
    for (const MaterialParameter& p : info.Parameters)
        list += (list.empty() ? "" : ", ") + std::string(p.Name);
    return list;
}

void CheckSign(const MaterialParameter& p, double value)
{
    if (p.Sign == Positive && !(value > 0))
        throw VekError(std::string(p.Name) + " must be greater than 0, not " +
                       FormatGeneral(value));
    if (p.Sign == NotPositive && value > 0)
        throw VekError(std::string(p.Name) +
                       " must be 0 or negative (compression is negative), not " +
                       FormatGeneral(value));
}

double ParameterValue(const MaterialParameter& p, std::string_view text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw VekError(std::string(p.Name) + ": '" + std::string(text) +
                       "' is not a valid floating point value");
    CheckSign(p, value);
    return value;
}

// The given values in the order of the type's parameters, checked; an entry of a parameter
// not given stays empty.
std::vector<std::optional<double>> GivenValues(const MaterialTypeInfo& info,
                                               const MaterialParameterTexts& texts)
{
    for (const auto& given : texts) {
        const std::string& name = given.first;
        const bool known = std::any_of(info.Parameters.begin(), info.Parameters.end(),
                                       [&](const MaterialParameter& p) { return p.Name == name; });
        if (!known)
            throw VekError(std::string(info.Name) + " has no parameter '" + name +
                           "' (its parameters: " + ParameterList(info) + ")");
    }
    std::vector<std::optional<double>> values;
    for (const MaterialParameter& p : info.Parameters) {
        const auto given = texts.find(p.Name);
        if (given != texts.end())
            values.push_back(ParameterValue(p, given->second));
        else if (p.Start == Required)
            throw VekError(std::string(info.Name) + " needs " + std::string(p.Name));
        else
            values.emplace_back();
    }
    return values;
}

double StartValue(const MaterialParameter& p, const TMaterial& material)
{
    const double value = p.Start == FromE ? material.E : p.Value;
    try {
        CheckSign(p, value);
    } catch (const VekError& error) {
        throw VekError(std::string(error.what()) + " (it starts as the material's E: give " +
                       std::string(p.Name) + "=)");
    }
    return value;
}

} // namespace

const MaterialTypeInfo* InfoOfMaterialType(MaterialType type)
{
    for (const MaterialTypeInfo& info : MaterialTypes)
        if (info.Type == type)
            return &info;
    return nullptr;
}

MaterialType MaterialTypeNamed(std::string_view name)
{
    std::string names;
    for (const MaterialTypeInfo& info : MaterialTypes) {
        if (info.Name == name)
            return info.Type;
        names += (names.empty() ? "" : ", ") + std::string(info.Name);
    }
    throw VekError("unknown material type '" + std::string(name) + "' (use " + names + ")");
}

std::span<const MaterialParameter> AllMaterialParameters()
{
    return NonlinearParameters;
}

const MaterialParameter* MaterialParameterNamed(std::string_view name)
{
    for (const MaterialParameter& p : NonlinearParameters)
        if (p.Name == name)
            return &p;
    return nullptr;
}

void CheckMaterialValues(const TMaterial& material)
{
    for (const MaterialParameter& p : CheckedInfo(material.MatType).Parameters)
        CheckSign(p, material.*p.Member);
}

void CheckMaterialParameters(MaterialType type, const MaterialParameterTexts& texts)
{
    GivenValues(CheckedInfo(type), texts);
}

void SetMaterialParameters(TMaterial& material, MaterialType type,
                           const MaterialParameterTexts& texts)
{
    const MaterialTypeInfo& info = CheckedInfo(type);
    std::vector<std::optional<double>> values = GivenValues(info, texts);
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!values[k])
            values[k] = StartValue(info.Parameters[k], material);
    for (std::size_t k = 0; k < values.size(); ++k)
        material.*info.Parameters[k].Member = *values[k];
    material.MatType = type;
}

} // namespace vek
