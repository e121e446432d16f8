#include "project/ProjectComparison.h"

bool ProjectsDiffer(const TBrindlecast& current, const TBrindlecast& saved)
{
    return current.ActionType != saved.ActionType || current.FrameRate != saved.FrameRate
        || current.ImageDelay != saved.ImageDelay || current.Images.size() != saved.Images.size()
        || current.Link != saved.Link || current.Output != saved.Output
        || current.Target != saved.Target || current.BackgroundColor != saved.BackgroundColor
        || current.Images != saved.Images;
}

bool IsProjectModified(TBrindlecast& current, const TBrindlecast& saved)
{
    if (!ProjectsDiffer(current, saved))
        return false;
    current.Untouched = false;
    return true;
}
