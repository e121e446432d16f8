#include "conversion/RunProgress.h"

namespace brindlecast
{

std::string PercentText(int position, int maximum)
{
    const long long percent = maximum > 0 ? static_cast<long long>(position) * 100 / maximum : 0;
    return std::to_string(percent) + " %";
}

RunProgress::RunProgress(ConversionHost& runHost, int imageCount, const std::string& startStatus)
    : host(runHost)
    , shown(!runHost.HideProgress())
{
    if (!shown)
        return;
    if (!startStatus.empty())
        host.SetStatusText(startStatus);
    host.ProgressStart(imageCount);
}

void RunProgress::BeforeImage(int index)
{
    if (shown)
        host.ProgressStep(index);
}

void RunProgress::BarOnly(int position)
{
    if (shown)
        host.ProgressBar(position);
}

void RunProgress::Finish()
{
    if (!shown)
        return;
    host.SetStatusText("Idle.");
    host.ProgressEnd();
}

} // namespace brindlecast
