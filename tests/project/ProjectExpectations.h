#pragma once

#include "project/TBrindlecast.h"

#include <gtest/gtest.h>

// Every stored field, one by one so that a mismatch names the field; Untouched is not stored.
inline void ExpectSameStoredFields(const TBrindlecast& actual, const TBrindlecast& expected)
{
    EXPECT_EQ(actual.Name, expected.Name);
    EXPECT_EQ(actual.ActionType, expected.ActionType);
    EXPECT_EQ(actual.FrameRate, expected.FrameRate);
    EXPECT_EQ(actual.ImageDelay, expected.ImageDelay);
    EXPECT_EQ(actual.Link, expected.Link);
    EXPECT_EQ(actual.Target, expected.Target);
    EXPECT_EQ(actual.Output, expected.Output);
    EXPECT_EQ(actual.Images, expected.Images);
    EXPECT_EQ(actual.BackgroundColor, expected.BackgroundColor);
}

inline void ExpectSameRecord(const TBrindlecast& actual, const TBrindlecast& expected)
{
    ExpectSameStoredFields(actual, expected);
    EXPECT_EQ(actual.Untouched, expected.Untouched);
}

// A record unlike the defaults in every field, to show what an operation left alone.
inline TBrindlecast DistinctRecord()
{
    TBrindlecast record;
    record.Name = "/home/ann/earlier.imx";
    record.ActionType = 2;
    record.FrameRate = 30;
    record.ImageDelay = 5;
    record.Untouched = false;
    record.Link = "http://earlier.example/";
    record.Target = "_self";
    record.Output = "/home/ann/earlier.swf";
    record.Images = { "/home/ann/one.gif", "/home/ann/two.jpg" };
    record.BackgroundColor = 255;
    return record;
}
