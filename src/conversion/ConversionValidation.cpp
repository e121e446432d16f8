#include "conversion/ConversionValidation.h"

#include "project/TBrindlecast.h"

namespace brindlecast
{

ValidationProblem ValidateConversion(const TBrindlecast& project)
{
    if (project.Images.empty())
        return { "Please add Images.", FocusControl::None };
    if (project.ActionType != 0)
        return {};
    if (project.Output.empty())
        return { "Please specify an Output name", FocusControl::OutputPath };
    if (project.FrameRate == 0)
        return { "Please specify a Frame Rate", FocusControl::FrameRate };
    if (project.ImageDelay == 0)
        return { "Please specify an Image Delay", FocusControl::ImageDelay };
    return {};
}

} // namespace brindlecast
