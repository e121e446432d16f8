#include "project/TBrindlecast.h"

void TBrindlecast::AssignFrom(const TBrindlecast& source)
{
    Name = source.Name;
    ActionType = source.ActionType;
    FrameRate = source.FrameRate;
    ImageDelay = source.ImageDelay;
    Link = source.Link;
    Target = source.Target;
    Output = source.Output;
    BackgroundColor = source.BackgroundColor;
    Images = source.Images;
}
