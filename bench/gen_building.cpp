// gen_building: writes a generated building as an s2k file.
//
//   gen_building --joints N OUT.s2k   a regular building of about N joints
//   gen_building --example OUT.s2k    the building of examples/building.s2k

#include "building_generator.h"

#include "util/error.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr const char* usage = "Usage: gen_building --joints N OUT.s2k\n"
                              "       gen_building --example OUT.s2k\n";

int UsageError()
{
    std::fputs(usage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace vek::bench;
    BuildingConfig config;
    std::string out;
    const std::string_view option = argc > 1 ? argv[1] : "";
    if (option == "--example" && argc == 3) {
        config = ExampleBuilding();
        out = argv[2];
    } else if (option == "--joints" && argc == 4) {
        const std::string_view text = argv[2];
        std::int64_t joints = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), joints);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size() || joints < 1)
            return UsageError();
        config = BuildingForJoints(joints);
        out = argv[3];
    } else {
        return UsageError();
    }
    try {
        WriteBuildingFile(config, out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gen_building: %s\n", error.what());
        return 1;
    }
    std::printf("%s: %d x %d bays, %d storeys\n", out.c_str(), config.BaysX, config.BaysY,
                config.Storeys);
    return 0;
}
