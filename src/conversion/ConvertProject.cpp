#include "conversion/ConversionModes.h"
#include "project/TBrindlecast.h"

namespace brindlecast
{

RunReport ConvertProject(const TBrindlecast& project, ConversionHost& host)
{
    switch (project.ActionType) {
    case 0:
        return ConvertAllInOne(project, host);
    case 1:
        return ConvertEachImage(project, host);
    case 2:
        return ConvertImageLibrary(project, host);
    default:
        return RunReport(host);
    }
}

} // namespace brindlecast
