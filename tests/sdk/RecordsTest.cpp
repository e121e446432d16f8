#include "ByteVectors.h"
#include "sdk/FCXFormWAlpha.h"
#include "sdk/FColor.h"
#include "sdk/FMatrix.h"
#include "sdk/FRect.h"
#include "sdk/FSWFStream.h"
#include "sdk/FString.h"

using namespace sdktest;

TEST(BasicRecords, WireForms)
{
    CheckVectors({
        { "rect 2000 x 2000, width 12", [](auto& s) { FRect(0, 0, 2000, 2000).Write(s); },
            hexBytes("60 00 3E 80 00 3E 80") },
        { "rect -10..110, width 8", [](auto& s) { FRect(-10, -10, 110, 110).Write(s); },
            hexBytes("47 B3 77 B3 70") },
        { "rect 11000 x 8000, width 15", [](auto& s) { FRect(0, 0, 11000, 8000).Write(s); },
            hexBytes("78 00 05 5F 00 00 0F A0 00") },
        { "identity matrix", [](auto& s) { FMatrix().Write(s); }, hexBytes("00") },
        { "matrix scale 20, translate width 1",
            [](auto& s) { FMatrix(1, 0x140000, 0x140000, 0, 0, 0, 0, 0).Write(s); },
            hexBytes("D9 40 00 05 00 00 01 00") },
        { "matrix translate 200, -100",
            [](auto& s) { FMatrix(0, 0, 0, 0, 0, 0, 200, -100).Write(s); },
            hexBytes("12 C8 CE 00") },
        { "matrix scale 1 with empty rotation",
            [](auto& s) { FMatrix(1, 0x10000, 0x10000, 1, 0, 0, 0, 0).Write(s); },
            hexBytes("C9 00 00 40 00 21 02 00") },
        { "colour without alpha", [](auto& s) { FColor(255, 0, 0).Write(s); },
            hexBytes("FF 00 00") },
        { "colour with alpha",
            [](auto& s) {
                FColor color(255, 0, 0);
                color.SetWriteAlpha(true);
                color.Write(s);
            },
            hexBytes("FF 00 00 FF") },
        { "colour channels keep their low byte",
            [](auto& s) { FColorZell(0x1FF, 256, 0).Write(s); }, hexBytes("FF 00 00") },
        { "invisible colour transform",
            [](auto& s) { FCXFormWAlpha(1, 0, 0, 0, 0, 0, 0, 0, 0, 0).Write(s); },
            hexBytes("44 00") },
        // Multiply flag first: 1, add 0, width 10 (256 + sign), four 10-bit terms.
        { "colour transform with multiply terms",
            [](auto& s) { FCXFormWAlpha(0, 1, 256, 256, 256, 256, 0, 0, 0, 0).Write(s); },
            hexBytes("A9 00 40 10 04 00") },
        { "string ab, terminated", [](auto& s) { FString("ab").Write(s, true); },
            hexBytes("61 62 00") },
        { "empty string, terminated", [](auto& s) { FString("").Write(s, true); }, hexBytes("00") },
        { "string without terminator", [](auto& s) { FString("ab").Write(s, false); },
            hexBytes("61 62") },
    });
}
