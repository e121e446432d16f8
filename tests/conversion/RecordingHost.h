#pragma once

#include "conversion/ConversionHost.h"

#include <string>
#include <vector>

// A host that records every call in order, stamps lines "D" (date) or "D T" (date and time),
// puts bare output names into a chosen folder, and can request a cancel.
class RecordingHost : public brindlecast::ConversionHost
{
public:
    bool hide = false;
    std::string programFolder = "/nonexistent/";
    int cancelAtStep = -1; // the progress step during which the user cancels
    bool cancelled = false;
    std::vector<std::string> calls;
    std::vector<std::string> failures;

    bool HideProgress() const override { return hide; }
    void ProgressStart(int maximum) override
    {
        calls.push_back("start " + std::to_string(maximum));
    }
    void ProgressStep(int position) override
    {
        calls.push_back("step " + std::to_string(position));
        if (position == cancelAtStep)
            cancelled = true;
    }
    void ProgressBar(int position) override { calls.push_back("bar " + std::to_string(position)); }
    void ProgressEnd() override { calls.push_back("end"); }
    void SetStatusText(const std::string& text) override { calls.push_back("status " + text); }
    bool CancelRequested() override { return cancelled; }
    std::string DateStamp() override { return "D"; }
    std::string DateTimeStamp() override { return "D T"; }
    std::string ProgramFolder() override { return programFolder; }
    void OutputPathChanged(const std::string& path) override { calls.push_back("output " + path); }
    void ExplainFailure(const std::string& detail) override { failures.push_back(detail); }
};
