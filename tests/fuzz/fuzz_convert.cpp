// Converts the input as a SAP2000 V14 file and imports what the conversion wrote. Either step
// may stop with the program's own error (VekError); anything else is a finding.

#include "convert/v14_converter.h"
#include "model/model.h"
#include "s2k/s2k_import.h"
#include "util/error.h"
#include "util/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vek::V14Converter converter;
    converter.SourceLines =
        vek::TextLines::FromText(std::string(reinterpret_cast<const char*>(data), size));
    try {
        if (vek::ConvertV14File(converter).size() != 4)
            std::abort();
    } catch (const vek::VekError&) {
        return 0;
    }
    vek::Model model;
    model.FileLines = std::move(converter.OutputLines);
    try {
        vek::ReadS2kModel(model);
    } catch (const vek::VekError&) {
    }
    return 0;
}
