#pragma once

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek::testing {

// A model imported from the text of an s2k file.
inline Model Import(const std::string& text)
{
    Model model;
    model.FileLines = TextLines::FromText(text);
    ReadS2kModel(model);
    return model;
}

// The message of the error that stops importing the text into `model` ("" when none).
inline std::string ImportError(Model& model, const std::string& text)
{
    model.FileLines = TextLines::FromText(text);
    try {
        ReadS2kModel(model);
    } catch (const VekError& error) {
        return error.what();
    }
    return "";
}

inline std::string ImportError(const std::string& text)
{
    Model model;
    return ImportError(model, text);
}

// The first lines of a file before its tables, so that no table starts on line 0.
inline const std::string fileHead = "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\n\n";

// Joints 1..n on a line along X, 1000 apart.
inline std::string JointTable(int n)
{
    std::string text = "JOINT\n";
    for (int i = 1; i <= n; ++i)
        text += "  " + std::to_string(i) + "  X=" + std::to_string((i - 1) * 1000) + "  Y=0  Z=0\n";
    return text + "\n";
}

// The lines as plain strings, for comparing whole blocks.
inline std::vector<std::string> LinesOf(const TextLines& lines)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < lines.size(); ++i)
        result.emplace_back(lines[i]);
    return result;
}

} // namespace vek::testing
