#pragma once

#include "MovieTestSupport.h"
#include "RecordingHost.h"
#include "project/TBrindlecast.h"
#include "sdk/FDT.h"

#include <gtest/gtest.h>

// A packing mode run in a folder of its own, which also serves as the program folder.
class PackingModeTest : public ::testing::Test
{
protected:
    PackingModeTest()
    {
        ResetCharacterIds(); // a cancelled run elsewhere leaves the id counter advanced
        host.programFolder = folder.withSlash();
    }

    TempFolder folder;
    RecordingHost host;
    TBrindlecast project;
};
