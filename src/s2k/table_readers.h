#pragma once

#include "model/model.h"
#include "s2k/s2k_line.h"

namespace vek {

struct ImportReport;

// The table readers of the s2k import. Each finds its table in model.FileLines, rebuilds
// its part of the model and raises VekError on a field that does not convert.
//
// A line that names a joint, frame or constraint outside the model is skipped (its numbers
// are still converted, so a malformed one still stops the import): a FRAME, SHELL or SOLID
// record stays all zero, and a skipped LOAD line makes no record. Given a report, the readers
// count there every line they skip and what it names.

void ReadJoints(Model& model);
void ReadConstraints(Model& model);
void ReadRestraints(Model& model);
void ReadMasses(Model& model);

void ReadMaterials(Model& model);
void ReadFrameSections(Model& model);
void ReadShellSections(Model& model);

void ReadFrames(Model& model);
void ReadShells(Model& model);
void ReadSolids(Model& model);
void ReadLoads(Model& model);

// The same readers on a table already located (the import finds all tables in one pass).
void ReadJoints(Model& model, const TableBounds& bounds);
void ReadConstraints(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadRestraints(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadMasses(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadMaterials(Model& model, const TableBounds& bounds);
void ReadFrameSections(Model& model, const TableBounds& bounds);
void ReadShellSections(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadFrames(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadShells(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadSolids(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);
void ReadLoads(Model& model, const TableBounds& bounds, ImportReport* report = nullptr);

struct Vector3
{
    double X = 0, Y = 0, Z = 0;
};

// The orientation vector of a frame from its end coordinates and its angle in degrees: a
// unit vector perpendicular to the member. Coincident ends raise
// "Invalid floating point operation".
Vector3 FrameOrientation(double xi, double yi, double zi, double xj, double yj, double zj,
                         double angle);

} // namespace vek
