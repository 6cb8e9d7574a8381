#pragma once

// Recorder files written as the solver writes them: one line per step, the time first, values
// separated by single blanks, LF line ends, 100 records a file.

#include "model/model.h"
#include "util/text_lines.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vek::testing {

// A fresh empty folder under the temporary folder, removed with the object.
class TempFolder
{
public:
    explicit TempFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("vek_post_" + name))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing separator, as the dialogs give it.
    std::string Path() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const
    {
        WriteWholeFile(File(name), text);
    }

private:
    std::filesystem::path path_;
};

// The shortest text of a value, as the solver writes it ("-0" and "1e-05" included).
inline std::string Number(double value)
{
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

// The lines of `steps` steps: the time 0.1 * step, then values(step) joined by single blanks.
inline std::string RecorderText(std::int32_t steps,
                                const std::function<std::vector<double>(std::int32_t)>& values)
{
    std::string text;
    for (std::int32_t s = 1; s <= steps; ++s) {
        text += Number(0.1 * s);
        for (const double v : values(s))
            text += ' ' + Number(v);
        text += '\n';
    }
    return text;
}

// The displacement the test files give joint j in DOF d (1..3) at step s; every value differs.
inline double JointValue(std::int64_t j, std::int32_t s, int d)
{
    return static_cast<double>(j) * 100 + s + d * 0.25;
}

// node<k>.out (or `prefix`<k>.out) for `joints` joints over `steps` steps, file k holding
// joints 100k+1..100k+100.
inline void WriteNodeFiles(const TempFolder& folder, std::int64_t joints, std::int32_t steps,
                           const std::string& prefix = "node")
{
    for (std::int64_t k = 0; 100 * k < joints; ++k) {
        const std::int64_t first = 100 * k + 1;
        const std::int64_t last = std::min<std::int64_t>(100 * k + 100, joints);
        folder.Write(prefix + std::to_string(k) + ".out", RecorderText(steps, [&](std::int32_t s) {
                         std::vector<double> values;
                         for (std::int64_t j = first; j <= last; ++j)
                             for (int d = 1; d <= 3; ++d)
                                 values.push_back(JointValue(j, s, d));
                         return values;
                     }));
    }
}

// A model of `n` joints along X, each 1000 apart.
inline Model JointModel(std::int32_t n)
{
    Model model;
    model.Joints.Reset(n);
    for (std::int32_t j = 1; j <= n; ++j)
        model.Joints.Edit(j).X = (j - 1) * 1000.0;
    return model;
}

} // namespace vek::testing
