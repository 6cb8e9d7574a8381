#include "view/frame_properties.h"

#include "util/format.h"
#include "util/number_parse.h"

namespace vek {

FramePropertyValues FramePropertyRows(const Model& model, int frame)
{
    const TFrameElem& elem = model.Frames[frame];
    const TFrameSection& section = model.FrameSections[elem.Section];
    const TMaterial& material = model.Materials[section.Material];
    return {FormatInt(frame),      FormatInt(elem.NodeI),
            FormatInt(elem.NodeJ), FormatGeneral(elem.Angle),
            section.Name,          FormatInt(CodeNumber(section.ElemType)),
            material.Name};
}

std::optional<FramePropertyValues> FramePropertyRowsOfText(const Model& model,
                                                           std::string_view text)
{
    std::int32_t frame = 0;
    if (!TryStrToInt(text, frame))
        return std::nullopt;
    return FramePropertyRows(model, frame);
}

} // namespace vek
