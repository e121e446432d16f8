#include "RandomTags.h"

#include "RandomRecords.h"
#include "sdk/FActionCondition.h"
#include "sdk/FActions.h"
#include "sdk/FButtonRecord2.h"
#include "sdk/FCTExportAssets.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FCXFormWAlpha.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsJPEG2.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FDTDefineButton2.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FDTDefineShapeZell.h"
#include "sdk/FFillStyles.h"
#include "sdk/FMatrix.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FString.h"
#include "swfread/SwfTagDecoders.h"

namespace brindlecast::fuzz
{

using namespace swfread;

namespace
{

    // The check of one tag: its code, its header form (long past 62 bytes, or always when
    // `alwaysLong`), and the decoded value, widths cleared by `normalise`, against `expected`.
    template <typename T, typename Decode, typename Normalise>
    std::function<std::string(const SwfTag&)> expecting(std::string what, std::uint16_t code,
        T expected, Decode decode, Normalise normalise, bool alwaysLong = false)
    {
        return [=](const SwfTag& tag) -> std::string {
            if (tag.code != code)
                return what + " was stored with code " + std::to_string(tag.code);
            if (tag.longHeader != (alwaysLong || tag.length > 62))
                return what + " has the wrong header form for " + std::to_string(tag.length)
                    + " bytes";
            auto decoded = decode(tag);
            if (!decoded)
                return what + " does not decode: " + decoded.error();
            T actual = std::move(decoded).value();
            normalise(actual);
            return actual == expected ? std::string() : what + " reads back differently";
        };
    }

    template <typename T> void asStored(T&) { }

    PlannedTag planShowFrame()
    {
        return { new FCTShowFrame(), [](const SwfTag& tag) {
                    return tag.code == kTagShowFrame && tag.length == 0 && !tag.longHeader
                        ? std::string()
                        : std::string("show-frame reads back differently");
                } };
    }

    PlannedTag planBackground(FuzzBytes& bytes)
    {
        const SwfColor color { bytes.byte(), bytes.byte(), bytes.byte() };
        return { new FCTSetBackgroundColor(new FColorZell(color.red, color.green, color.blue)),
            expecting("background colour", kTagSetBackgroundColor, color, decodeBackgroundColor,
                asStored<SwfColor>) };
    }

    PlannedTag planRemove(FuzzBytes& bytes)
    {
        const SwfRemoveObject removed { bytes.u16(), bytes.u16() };
        return { new FCTRemoveObject(removed.characterId, removed.depth),
            expecting("remove", kTagRemoveObject, removed, decodeRemoveObject,
                asStored<SwfRemoveObject>) };
    }

    PlannedTag planPlace(FuzzBytes& bytes)
    {
        SwfPlaceObject expected;
        const bool hasClipDepth = bytes.flag();
        const bool hasRatio = bytes.flag();
        const bool hasCharacter = bytes.flag();
        expected.move = bytes.flag();
        expected.depth = bytes.u16();
        const std::uint16_t characterId = bytes.u16();
        FMatrix* matrix = nullptr;
        if (bytes.flag()) {
            const RandomMatrix random = randomMatrix(bytes);
            matrix = random.record;
            expected.matrix = random.expected;
        }
        FCXFormWAlpha* transform = nullptr;
        if (bytes.flag()) {
            const RandomColorTransform random = randomColorTransform(bytes);
            transform = random.record;
            expected.colorTransform = random.expected;
        }
        const std::uint16_t ratio = bytes.u16();
        FString* name = nullptr;
        if (bytes.flag()) {
            expected.name = bytes.text(20);
            name = new FString(expected.name->c_str());
        }
        const std::uint16_t clipDepth = bytes.u16();
        if (hasCharacter)
            expected.characterId = characterId;
        if (hasRatio)
            expected.ratio = ratio;
        if (hasClipDepth)
            expected.clipDepth = clipDepth;
        expected.flags = static_cast<std::uint8_t>(hasClipDepth << 6 | (name != nullptr) << 5
            | hasRatio << 4 | (transform != nullptr) << 3 | (matrix != nullptr) << 2
            | hasCharacter << 1 | expected.move);

        auto* place = new FCTPlaceObject2(hasClipDepth, hasRatio, hasCharacter, expected.move,
            expected.depth, characterId, matrix, transform, ratio, name, clipDepth);
        return { place,
            expecting("placement", kTagPlaceObject2, expected, decodePlaceObject,
                [](SwfPlaceObject& read) {
                    if (read.matrix)
                        clearWidths(*read.matrix);
                    if (read.colorTransform)
                        clearWidths(*read.colorTransform);
                }) };
    }

    SwfShapeRecord styleChange(FuzzBytes& bytes, std::uint32_t fills, std::uint32_t lines)
    {
        SwfShapeRecord record;
        record.kind = SwfShapeRecord::Kind::StyleChange;
        record.hasLineStyle = bytes.flag();
        record.hasFillStyle1 = bytes.flag();
        record.hasFillStyle0 = bytes.flag();
        // Without any flag the record would read as the end record; callers never make one.
        record.hasMoveTo = bytes.flag()
            || !(record.hasLineStyle || record.hasFillStyle1 || record.hasFillStyle0);
        if (record.hasMoveTo) {
            record.moveX = bytes.signedValue(30);
            record.moveY = bytes.signedValue(30);
        }
        if (record.hasFillStyle0)
            record.fillStyle0 = bytes.below(fills + 1);
        if (record.hasFillStyle1)
            record.fillStyle1 = bytes.below(fills + 1);
        if (record.hasLineStyle)
            record.lineStyle = bytes.below(lines + 1);
        return record;
    }

    SwfShapeRecord straightEdge(FuzzBytes& bytes)
    {
        // Edge widths are given in 4 bits plus 2: at most 17 bits, sign included.
        const auto delta = [&bytes] {
            const std::int32_t value = bytes.signedValue(16);
            return value == 0 ? 1 : value;
        };
        SwfShapeRecord record;
        record.kind = SwfShapeRecord::Kind::StraightEdge;
        switch (bytes.below(3)) {
        case 0:
            record.dx = delta();
            record.dy = delta();
            break;
        case 1:
            record.dx = delta();
            break;
        default:
            record.dy = delta();
        }
        return record;
    }

    // A few style changes and straight edges in any order, then the end record.
    std::vector<SwfShapeRecord> addRandomRecords(
        FuzzBytes& bytes, FADefineShape& shape, std::uint32_t fills, std::uint32_t lines)
    {
        std::vector<SwfShapeRecord> records;
        for (std::uint32_t n = bytes.below(8); n > 0; --n) {
            const SwfShapeRecord record
                = bytes.flag() ? styleChange(bytes, fills, lines) : straightEdge(bytes);
            if (record.kind == SwfShapeRecord::Kind::StraightEdge)
                shape.AddShapeRecord(new FShapeRecEdgeStraight(record.dx, record.dy));
            else
                shape.AddShapeRecord(
                    new FShapeRecChange(0, record.hasLineStyle, record.hasFillStyle1,
                        record.hasFillStyle0, record.hasMoveTo, record.moveX, record.moveY,
                        static_cast<S32>(record.fillStyle0), static_cast<S32>(record.fillStyle1),
                        static_cast<S32>(record.lineStyle), nullptr, nullptr));
            records.push_back(record);
        }
        shape.AddShapeRecord(new FShapeRecEnd());
        records.emplace_back();
        return records;
    }

    void clearShapeWidths(SwfShape& shape)
    {
        clearWidths(shape.bounds);
        for (SwfFillStyle& fill : shape.fillStyles)
            clearWidths(fill.matrix);
        shape.fillIndexBits = 0;
        shape.lineIndexBits = 0;
    }

    SwfFillStyle bitmapFill(bool tiled, std::uint16_t bitmapId, const SwfMatrix& matrix)
    {
        SwfFillStyle fill;
        fill.kind = SwfFillStyle::Kind::Bitmap;
        fill.type = tiled ? 0x40 : 0x41;
        fill.bitmapId = bitmapId;
        fill.matrix = matrix;
        return fill;
    }

    PlannedTag planShape(FuzzBytes& bytes)
    {
        const RandomRect bounds = randomRect(bytes);
        auto* shape = new FDTDefineShape(bounds.record);
        SwfShape expected { kTagDefineShape, shape->CharacterId(), bounds.expected, {}, {}, 0, 0,
            {} };
        // Now and then more fills than a one-byte count holds.
        const std::uint32_t fills = bytes.byte() == 0xFF ? 255 + bytes.below(4) : bytes.below(5);
        for (std::uint32_t i = 0; i < fills; ++i) {
            if (bytes.flag()) {
                const RandomColor color = randomColor(bytes);
                shape->AddSolidFillStyle(color.record);
                expected.fillStyles.push_back(
                    { SwfFillStyle::Kind::Solid, 0, color.expected, 0, {} });
            } else {
                const bool tiled = bytes.flag();
                const std::uint16_t bitmapId = bytes.u16();
                const RandomMatrix matrix = randomMatrix(bytes);
                shape->AddFillStyle(new FFillStyleBitmap(tiled, bitmapId, matrix.record));
                expected.fillStyles.push_back(bitmapFill(tiled, bitmapId, matrix.expected));
            }
        }
        for (std::uint32_t i = bytes.below(4); i > 0; --i) {
            const std::uint16_t width = bytes.u16();
            const RandomColor color = randomColor(bytes);
            shape->AddLineStyle(width, color.record);
            expected.lineStyles.push_back({ width, color.expected });
        }
        shape->FinishStyleArrays();
        expected.records = addRandomRecords(bytes, *shape,
            static_cast<std::uint32_t>(expected.fillStyles.size()),
            static_cast<std::uint32_t>(expected.lineStyles.size()));
        return { shape,
            expecting("shape " + std::to_string(expected.id), kTagDefineShape, expected,
                decodeShape, clearShapeWidths) };
    }

    PlannedTag planPixelShape(FuzzBytes& bytes)
    {
        const RandomRect bounds = randomRect(bytes);
        auto* shape = new FDTDefineShapeZell(bounds.record);
        SwfShape expected { kTagDefineShape, shape->CharacterId(), bounds.expected, {}, {}, 0, 0,
            {} };
        // The fixed matrix of a pixel-for-pixel fill: scale 20.0.
        SwfMatrix scale20;
        scale20.hasScale = true;
        scale20.scaleX = scale20.scaleY = 0x140000;
        for (std::uint32_t i = bytes.below(3); i > 0; --i) {
            const bool tiled = bytes.flag();
            const std::uint16_t bitmapId = bytes.u16();
            shape->AddFillStyle(new FFillStyleBitmapZell(tiled, bitmapId));
            expected.fillStyles.push_back(bitmapFill(tiled, bitmapId, scale20));
        }
        shape->FinishStyleArrays();
        expected.records = addRandomRecords(
            bytes, *shape, static_cast<std::uint32_t>(expected.fillStyles.size()), 0);
        return { shape,
            expecting("pixel shape " + std::to_string(expected.id), kTagDefineShape, expected,
                decodeShape, clearShapeWidths, true) };
    }

    PlannedTag planLosslessBitmap(FuzzBytes& bytes)
    {
        const bool withAlpha = bytes.flag();
        const auto format = static_cast<std::uint8_t>(3 + bytes.below(3));
        const std::uint32_t pixelBytes = format == 3 ? 1 : format == 4 ? 2 : 4;
        // Callers pass rows already padded to 4 bytes.
        const auto width = static_cast<std::uint16_t>(bytes.below(6) * (4 / pixelBytes));
        const auto height = static_cast<std::uint16_t>(bytes.below(6));
        const std::uint32_t tableSize = format == 3 ? 1 + bytes.below(256) : 0;
        const auto table = bytes.bytes(tableSize * (withAlpha ? 4 : 3));
        const auto pixels = bytes.bytes(std::size_t { width } * height * pixelBytes);
        auto* bitmap = new FDTDefineBitsLosslessBaseZell(
            format, width, height, tableSize, table.data(), pixels.data(), withAlpha);
        const SwfLosslessBitmap expected {
            withAlpha ? kTagDefineBitsLossless2 : kTagDefineBitsLossless, bitmap->CharacterId(),
            format, width, height, tableSize, table, width * pixelBytes, pixels
        };
        return { bitmap,
            expecting("lossless bitmap " + std::to_string(expected.id), expected.code, expected,
                decodeLosslessBitmap, asStored<SwfLosslessBitmap>) };
    }

    PlannedTag planJpegBitmap(FuzzBytes& bytes, KeptBytes& kept)
    {
        // The writer does not look inside the JPEG data; any bytes will do.
        kept.push_back(bytes.bytes(1 + bytes.below(64)));
        const auto& jpeg = kept.back();
        auto* bitmap = new FDTDefineBitsJPEG2(jpeg.data(), static_cast<U32>(jpeg.size()));
        const SwfJpegBitmap expected { bitmap->CharacterId(), true, jpeg };
        return { bitmap,
            expecting("JPEG bitmap " + std::to_string(expected.id), kTagDefineBitsJpeg2, expected,
                decodeJpegBitmap, asStored<SwfJpegBitmap>) };
    }

    SwfButtonRecord addButtonRecord(FuzzBytes& bytes, FDTDefineButton2& button)
    {
        SwfButtonRecord record;
        record.hitTest = bytes.flag();
        record.down = bytes.flag();
        record.over = bytes.flag();
        // A record in no state would read as the end of the records; callers never make one.
        record.up = bytes.flag() || !(record.hitTest || record.down || record.over);
        record.characterId = bytes.u16();
        record.layer = bytes.u16();
        const RandomMatrix matrix = randomMatrix(bytes);
        const RandomColorTransform transform = randomColorTransform(bytes);
        record.matrix = matrix.expected;
        record.colorTransform = transform.expected;
        button.AddButtonRecord(new FButtonRecord2(record.hitTest, record.down, record.over,
            record.up, record.characterId, record.layer, matrix.record, transform.record));
        return record;
    }

    SwfButtonCondition addCondition(FuzzBytes& bytes, FDTDefineButton2& button)
    {
        auto* condition = new FActionCondition();
        SwfButtonCondition expected;
        for (std::uint32_t i = bytes.below(4); i > 0; --i) {
            // Codes outside 1 to 9 add no event.
            const auto code = static_cast<std::uint16_t>(bytes.below(11));
            condition->AddCondition(code);
            if (code >= 1 && code <= 9)
                expected.flags = static_cast<std::uint16_t>(expected.flags | 1u << (9 - code));
        }
        for (std::uint32_t i = bytes.below(3); i > 0; --i) {
            const std::string url = bytes.text(40);
            const std::string target = bytes.text(12);
            condition->AddActionRecord(
                new FActionGetURL(new FString(url.c_str()), new FString(target.c_str())));
            SwfAction action;
            action.code = 0x83;
            action.data.assign(url.begin(), url.end());
            action.data.push_back(0);
            action.data.insert(action.data.end(), target.begin(), target.end());
            action.data.push_back(0);
            action.getUrl = SwfGetUrl { url, target };
            expected.actions.push_back(action);
        }
        button.AddActionCondition(condition);
        return expected;
    }

    PlannedTag planButton(FuzzBytes& bytes)
    {
        const bool trackAsMenu = bytes.flag();
        auto* button = new FDTDefineButton2(trackAsMenu);
        SwfButton expected;
        expected.id = button->CharacterId();
        expected.trackAsMenu = trackAsMenu;
        for (std::uint32_t i = bytes.below(5); i > 0; --i)
            expected.records.push_back(addButtonRecord(bytes, *button));
        // A button needs at least one condition.
        for (std::uint32_t i = 1 + bytes.below(3); i > 0; --i)
            expected.conditions.push_back(addCondition(bytes, *button));
        return { button,
            expecting("button " + std::to_string(expected.id), kTagDefineButton2, expected,
                decodeButton, [](SwfButton& read) {
                    read.actionOffset = 0;
                    for (SwfButtonRecord& record : read.records) {
                        clearWidths(record.matrix);
                        clearWidths(record.colorTransform);
                    }
                }) };
    }

    PlannedTag planExports(FuzzBytes& bytes)
    {
        auto* exports = new FCTExportAssets();
        std::vector<SwfAsset> expected;
        for (std::uint32_t i = bytes.below(5); i > 0; --i) {
            const SwfAsset asset { bytes.u16(), bytes.text(24) };
            exports->AddAsset(new FCTAssetItem(asset.characterId, new FString(asset.name.c_str())));
            expected.push_back(asset);
        }
        return { exports,
            expecting("export", kTagExportAssets, expected, decodeExportAssets,
                asStored<std::vector<SwfAsset>>) };
    }

} // namespace

PlannedTag planRandomTag(FuzzBytes& bytes, KeptBytes& kept)
{
    switch (bytes.below(10)) {
    case 0:
        return planBackground(bytes);
    case 1:
        return planRemove(bytes);
    case 2:
        return planPlace(bytes);
    case 3:
        return planShape(bytes);
    case 4:
        return planPixelShape(bytes);
    case 5:
        return planLosslessBitmap(bytes);
    case 6:
        return planJpegBitmap(bytes, kept);
    case 7:
        return planButton(bytes);
    case 8:
        return planExports(bytes);
    default:
        return planShowFrame();
    }
}

} // namespace brindlecast::fuzz
