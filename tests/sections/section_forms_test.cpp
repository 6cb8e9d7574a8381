#include "sections/frame_section_form.h"
#include "sections/material_form.h"
#include "sections/section_fields.h"
#include "sections/shell_section_form.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>

namespace vek {
namespace {

// Two materials, two frame sections as the import leaves them and two shell sections.
Model EditorModel()
{
    Model model;
    model.Materials.Reset(2);
    model.Materials.Edit(1) = {"C30", MaterialType::Elastic, 30000, 0.2, 12500};
    model.Materials.Edit(2) = {"STEEL", MaterialType::Elastic, 200000, 0.3, 83333.33};
    model.FrameSections.Reset(2);
    TFrameSection& column = model.FrameSections.Edit(1);
    column.Name = "N600";
    column.Shape = SectionShape::Rectangle;
    column.ElemType = ElementKind::NonlinearBeamColumn;
    column.Material = 1;
    column.T1 = 600;
    column.T2 = 0.0001;
    column.DivideFX = column.DivideFY = column.BarNumNX = column.BarNumNY = 5;
    column.Cover = 35;
    column.XBarTop = column.YBarBot = 1000;
    column.SectionKind = FrameSectionKind::Column;
    column.GeomTransf = Transformation::Linear;
    column.HingeLengthI = column.HingeLengthJ = 600;
    column.Color = 0x00FF00;
    TFrameSection& link = model.FrameSections.Edit(2);
    link.Name = "R1";
    link.ElemType = ElementKind::ReleaseLink;
    link.Material = 7; // not a material
    model.ShellSections.Reset(3);
    model.ShellSections.Edit(1) = {150.4, ShellSectionKind::Shell, 2, "WALL",
                                   0,     ShellElement::MITC4};
    model.ShellSections.Edit(3) = {200, ShellSectionKind::Shell, 1, "SLAB", 0, ShellElement::DKGQ};
    return model;
}

TEST(FrameSectionForm, ShowsTheStoredValues)
{
    const Model model = EditorModel();
    EXPECT_EQ(FrameSectionNames(model), (std::vector<std::string>{"N600", "R1"}));
    EXPECT_EQ(MaterialNames(model), (std::vector<std::string>{"C30", "STEEL"}));

    const FrameSectionForm form = FrameSectionFormOf(model, 1);
    EXPECT_EQ(form.FrameType, 1);
    EXPECT_EQ(form.SectionName, 0);
    EXPECT_EQ(form.Shape, 0);
    EXPECT_EQ(form.Material, 0);
    EXPECT_EQ(form.Dimensions, (std::array<std::string, 6>{"600", "0.0001", "0", "0", "0", "0"}));
    EXPECT_EQ(form.GeomTransf, 0);
    EXPECT_EQ(form.SectionKind, 1);
    EXPECT_EQ(form.DivideFX, "5");
    EXPECT_EQ(form.Cover, "35");
    EXPECT_EQ(form.XBarTop, "1000");
    EXPECT_EQ(form.HingeLengthJ, "600");
    EXPECT_EQ(form.Color, 0x00FF00);
}

TEST(FrameSectionForm, CodesWithoutAnItemShowNone)
{
    const Model model = EditorModel();
    // A release link has no item in the element list; its material is not in the table.
    const FrameSectionForm link = FrameSectionFormOf(model, 2);
    EXPECT_EQ(link.FrameType, -1);
    EXPECT_EQ(link.SectionName, 1);
    EXPECT_EQ(link.Shape, -1);
    EXPECT_EQ(link.Material, -1);
    EXPECT_EQ(link.GeomTransf, -1);
    EXPECT_EQ(link.SectionKind, -1);

    const FrameSectionForm outside = FrameSectionFormOf(model, 3);
    EXPECT_EQ(outside.SectionName, -1);
    EXPECT_EQ(outside.FrameType, -1);
    EXPECT_EQ(outside.DivideFX, "0");
}

TEST(FrameSectionForm, ApplyWritesEveryField)
{
    Model model = EditorModel();
    model.FrameSections.Edit(1).T2 = 400;
    FrameSectionForm form = FrameSectionFormOf(model, 1);
    form.FrameType = 3;
    form.SectionKind = 0;
    form.DivideFX = "8";
    form.DivideFY = "2";
    form.BarNumNX = "1";
    form.BarNumNY = "3";
    form.XBarTop = "1.5E3";
    form.YBarBot = "250.25";
    form.Cover = "40";
    form.HingeLengthI = "300";
    form.HingeLengthJ = ".5";
    form.Color = 0x123456;
    form.GeomTransf = 2;
    // Shown only: these are not written.
    form.Dimensions[0] = "1";
    form.Shape = 3;

    ASSERT_TRUE(ApplyFrameSectionForm(model, 1, form));
    const TFrameSection& s = model.FrameSections[1];
    EXPECT_EQ(s.ElemType, ElementKind::BeamWithHinge);
    EXPECT_EQ(s.SectionKind, FrameSectionKind::Beam);
    EXPECT_EQ(s.DivideFX, 8);
    EXPECT_EQ(s.DivideFY, 2);
    EXPECT_EQ(s.BarNumNX, 1);
    EXPECT_EQ(s.BarNumNY, 3);
    EXPECT_EQ(s.XBarTop, 1500);
    EXPECT_EQ(s.YBarBot, 250.25);
    EXPECT_EQ(s.Cover, 40);
    EXPECT_EQ(s.HingeLengthI, 300);
    EXPECT_EQ(s.HingeLengthJ, 0.5);
    EXPECT_EQ(s.Color, 0x123456);
    EXPECT_EQ(s.GeomTransf, Transformation::Corotational);
    EXPECT_EQ(s.T1, 600);
    EXPECT_EQ(s.Shape, SectionShape::Rectangle);

    // The form of the written section reads back what was written.
    const FrameSectionForm again = FrameSectionFormOf(model, 1);
    EXPECT_EQ(again.XBarTop, "1500");
    EXPECT_EQ(again.HingeLengthJ, "0.5");
    EXPECT_EQ(again.GeomTransf, 2);
}

TEST(FrameSectionForm, FirstBadNumberStopsTheWriting)
{
    struct Case
    {
        const char* Field;
        std::string FrameSectionForm::*Text;
        const char* Message;
    };
    const Case cases[] = {
        {"DivideFY", &FrameSectionForm::DivideFY, "'5.0' is not a valid integer value"},
        {"Cover", &FrameSectionForm::Cover, "'5.0x' is not a valid floating point value"},
        {"HingeLengthJ", &FrameSectionForm::HingeLengthJ, "'' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Field);
        Model model = EditorModel();
        FrameSectionForm form = FrameSectionFormOf(model, 1);
        form.FrameType = 2;
        form.DivideFX = "9";
        form.Color = 0x0000FF;
        form.GeomTransf = 2;
        form.*c.Text = std::string(c.Message).substr(1, std::string(c.Message).find('\'', 1) - 1);
        try {
            ApplyFrameSectionForm(model, 1, form);
            FAIL() << "no error";
        } catch (const VekError& error) {
            EXPECT_STREQ(error.what(), c.Message);
        }
        const TFrameSection& s = model.FrameSections[1];
        // Fields before the bad one have their new values, the later ones their old.
        EXPECT_EQ(s.ElemType, ElementKind::DispBeamColumn);
        EXPECT_EQ(s.DivideFX, 9);
        EXPECT_EQ(s.Color, 0x00FF00);
        EXPECT_EQ(s.GeomTransf, Transformation::Linear);
    }
}

TEST(FrameSectionForm, ValuesThatCannotDescribeTheSectionAreRefused)
{
    struct Case
    {
        std::string FrameSectionForm::*Text;
        const char* Value;
        const char* Message;
    };
    const Case cases[] = {
        {&FrameSectionForm::DivideFX, "0", "DivideFX must lie in 1..200, not 0"},
        {&FrameSectionForm::DivideFY, "201", "DivideFY must lie in 1..200, not 201"},
        {&FrameSectionForm::BarNumNX, "-1", "BarNumNX must lie in 0..200, not -1"},
        {&FrameSectionForm::BarNumNY, "100000", "BarNumNY must lie in 0..200, not 100000"},
        {&FrameSectionForm::YBarBot, "-1", "YBarBot must be 0 or more, not -1"},
        {&FrameSectionForm::Cover, "1000",
         "Cover must lie in 0..200 (half the smaller side of the section), not 1000"},
        {&FrameSectionForm::Cover, "-10",
         "Cover must lie in 0..200 (half the smaller side of the section), not -10"},
        {&FrameSectionForm::HingeLengthJ, "-0.5", "HingeLengthJ must be 0 or more, not -0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        Model model = EditorModel();
        model.FrameSections.Edit(1).T2 = 400;
        const FrameSectionForm shown = FrameSectionFormOf(model, 1);
        FrameSectionForm form = shown;
        form.FrameType = 2;
        form.Color = 0x0000FF;
        form.*c.Text = c.Value;
        try {
            ApplyFrameSectionForm(model, 1, form);
            FAIL() << "no error";
        } catch (const VekError& error) {
            EXPECT_STREQ(error.what(), c.Message);
        }
        // The refused field keeps its old value, as do the later ones.
        const TFrameSection& s = model.FrameSections[1];
        EXPECT_EQ(s.ElemType, ElementKind::DispBeamColumn);
        EXPECT_EQ(FrameSectionFormOf(model, 1).*c.Text, shown.*c.Text);
        EXPECT_EQ(s.Color, 0x00FF00);
    }

    // The ends of the ranges are taken.
    Model model = EditorModel();
    model.FrameSections.Edit(1).T2 = 400;
    FrameSectionForm form = FrameSectionFormOf(model, 1);
    form.DivideFX = form.DivideFY = form.BarNumNX = "200";
    form.BarNumNY = form.HingeLengthI = "0";
    form.Cover = "200";
    ASSERT_TRUE(ApplyFrameSectionForm(model, 1, form));
    EXPECT_EQ(model.FrameSections[1].Cover, 200);
    EXPECT_EQ(model.FrameSections[1].BarNumNY, 0);
}

// The import gives every section a cover of 35, whatever its sides: the fixture's column is
// 0.0001 wide. An OK that leaves the cover as shown keeps it; a cover typed in is checked.
TEST(FrameSectionForm, AnUntouchedValueIsNotChecked)
{
    Model model = EditorModel();
    FrameSectionForm form = FrameSectionFormOf(model, 1);
    form.DivideFX = "6";
    ASSERT_TRUE(ApplyFrameSectionForm(model, 1, form));
    EXPECT_EQ(model.FrameSections[1].DivideFX, 6);
    EXPECT_EQ(model.FrameSections[1].Cover, 35);
    form.Cover = "35.0";
    EXPECT_THROW(ApplyFrameSectionForm(model, 1, form), VekError);
    form.Cover = "0.00005";
    ASSERT_TRUE(ApplyFrameSectionForm(model, 1, form));
    EXPECT_EQ(model.FrameSections[1].Cover, 0.00005);
}

// Only a rectangle places bars; the cover of another shape, or of the shapeless record the
// command line checks its options on, needs only to be 0 or more.
TEST(SectionFields, TheCoverOfARectangleFitsItsSides)
{
    TFrameSection pipe;
    pipe.Shape = SectionShape::Pipe;
    pipe.T1 = 200;
    pipe.T2 = 10;
    SetFrameSectionField(pipe, "Cover", "1000");
    EXPECT_EQ(pipe.Cover, 1000);
    TFrameSection scratch;
    SetFrameSectionField(scratch, "Cover", "1E6");
    EXPECT_THROW(SetFrameSectionField(scratch, "Cover", "-1"), VekError);
    EXPECT_EQ(scratch.Cover, 1E6);

    // A rectangle without sides takes no cover but 0.
    TFrameSection flat;
    flat.Shape = SectionShape::Rectangle;
    flat.T1 = 500;
    try {
        SetFrameSectionField(flat, "Cover", "35");
        FAIL() << "no error";
    } catch (const VekError& error) {
        EXPECT_STREQ(error.what(),
                     "Cover must lie in 0..0 (half the smaller side of the section), not 35");
    }
    SetFrameSectionField(flat, "Cover", "0");
    EXPECT_EQ(flat.Cover, 0);
}

TEST(FrameSectionForm, ReleaseLinkKeepsItsTypeUnlessAnotherIsChosen)
{
    Model model = EditorModel();
    FrameSectionForm form = FrameSectionFormOf(model, 2);
    ASSERT_TRUE(ApplyFrameSectionForm(model, 2, form));
    EXPECT_EQ(model.FrameSections[2].ElemType, ElementKind::ReleaseLink);
    EXPECT_EQ(model.FrameSections[2].SectionKind, FrameSectionKind::None);
    EXPECT_EQ(model.FrameSections[2].GeomTransf, Transformation::None);

    form.FrameType = 4;
    ASSERT_TRUE(ApplyFrameSectionForm(model, 2, form));
    EXPECT_EQ(model.FrameSections[2].ElemType, ElementKind::Truss);
}

TEST(FrameSectionForm, NothingToApplyOutsideTheTable)
{
    Model model = EditorModel();
    FrameSectionForm form = FrameSectionFormOf(model, 1);
    form.DivideFX = "bad";
    for (std::int64_t index : {0, -1, 3}) {
        EXPECT_FALSE(ApplyFrameSectionForm(model, index, form));
    }
    Model empty;
    EXPECT_FALSE(ApplyFrameSectionForm(empty, 1, form));
    EXPECT_TRUE(FrameSectionNames(empty).empty());
    // A table absent from the file (count -1) lists nothing.
    empty.FrameSections.Reset(-1);
    EXPECT_TRUE(FrameSectionNames(empty).empty());
}

TEST(MaterialForm, Formats)
{
    const Model model = EditorModel();
    const MaterialForm steel = MaterialFormOf(model, 2);
    EXPECT_EQ(steel.Name, "STEEL");
    EXPECT_EQ(steel.Type, 0);
    EXPECT_EQ(steel.E, "200000");
    EXPECT_EQ(steel.G, "83333");
    EXPECT_EQ(steel.Poisson, "0.300");
    EXPECT_EQ(MaterialFormOf(model, 1).Poisson, "0.200");

    const MaterialForm none = MaterialFormOf(model, 5);
    EXPECT_EQ(none.Name, "");
    EXPECT_EQ(none.Type, -1);
    EXPECT_EQ(none.E, "0");
    EXPECT_EQ(none.Poisson, "0.000");
}

TEST(MaterialForm, TypesByPosition)
{
    Model model = EditorModel();
    model.Materials.Edit(1).MatType = MaterialType::Concrete02;
    EXPECT_EQ(MaterialFormOf(model, 1).Type, 4);
    model.Materials.Edit(1).MatType = static_cast<MaterialType>(6);
    EXPECT_EQ(MaterialFormOf(model, 1).Type, -1);
}

TEST(ShellSectionForm, ShowsTheSectionAndItsMaterial)
{
    const Model model = EditorModel();
    EXPECT_EQ(ShellSectionNames(model), (std::vector<std::string>{"WALL", "", "SLAB"}));
    const ShellSectionForm wall = ShellSectionFormOf(model, 1);
    EXPECT_EQ(wall.Name, "WALL");
    EXPECT_EQ(wall.Thickness, "150");
    EXPECT_EQ(wall.Material, "STEEL");
    EXPECT_EQ(wall.ElemType, 0);
    EXPECT_EQ(model.ShellSections[1].Thickness, 150.4);
    EXPECT_EQ(ShellSectionFormOf(model, 3).ElemType, 1);

    // A record the import left empty.
    const ShellSectionForm empty = ShellSectionFormOf(model, 2);
    EXPECT_EQ(empty.Name, "");
    EXPECT_EQ(empty.Thickness, "0");
    EXPECT_EQ(empty.Material, "");
}

TEST(ShellSectionForm, ModifyStoresTheElementChoice)
{
    Model model = EditorModel();
    EXPECT_TRUE(ModifyShellSection(model, 1, 1));
    EXPECT_EQ(model.ShellSections[1].ShellElemType, ShellElement::DKGQ);
    EXPECT_TRUE(ModifyShellSection(model, 1, 0));
    EXPECT_EQ(model.ShellSections[1].ShellElemType, ShellElement::MITC4);
    EXPECT_EQ(model.ShellSections[1].Thickness, 150.4);

    // No section, or no choice: nothing is stored.
    EXPECT_FALSE(ModifyShellSection(model, 0, 1));
    EXPECT_FALSE(ModifyShellSection(model, 4, 1));
    EXPECT_FALSE(ModifyShellSection(model, 1, -1));
    EXPECT_EQ(model.ShellSections[1].ShellElemType, ShellElement::MITC4);
    EXPECT_THROW(ModifyShellSection(model, 1, 2), VekError);
}

} // namespace
} // namespace vek
