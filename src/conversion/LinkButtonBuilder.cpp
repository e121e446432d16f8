#include "conversion/LinkButtonBuilder.h"

#include "conversion/Placement.h"
#include "conversion/ShapeEdges.h"
#include "sdk/FActionCondition.h"
#include "sdk/FActions.h"
#include "sdk/FButtonRecord2.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FCXFormWAlpha.h"
#include "sdk/FDTDefineButton2.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FMatrix.h"
#include "sdk/FRect.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FString.h"

#include <array>

namespace brindlecast
{

namespace
{
    constexpr S32 kOutlineWidth = 20;
    constexpr U16 kReleasedOverButton = 6;
} // namespace

S32 BuildLinkAreaShape(TagList& tags, const FColor& fill, S32 left, S32 right, S32 top, S32 bottom)
{
    // The bounds grow by half the outline on every side.
    const S32 halfOutline = kOutlineWidth / 2;
    auto* shape = new FDTDefineShape(new FRect(
        left - halfOutline, top - halfOutline, right + halfOutline, bottom + halfOutline));
    const U32 fillIndex = shape->AddSolidFillStyle(new FColor(fill));
    const U32 lineIndex = shape->AddLineStyle(kOutlineWidth, new FColor(0, 0, 0));
    shape->FinishStyleArrays();
    shape->AddShapeRecord(new FShapeRecChange(0, 1, 1, 0, 1, right, top, 0,
        static_cast<S32>(fillIndex), static_cast<S32>(lineIndex), nullptr, nullptr));
    // From the top-right corner down, left, up and right.
    AddStraightEdge(*shape, 0, bottom - top);
    AddStraightEdge(*shape, left - right, 0);
    AddStraightEdge(*shape, 0, top - bottom);
    AddStraightEdge(*shape, right - left, 0);
    shape->AddShapeRecord(new FShapeRecEnd());
    tags.Add(shape);
    return shape->CharacterId();
}

void BuildLinkButton(TagList& tags, S32 movieWidthTwips, S32 movieHeightTwips,
    const std::string& link, const std::string& target)
{
    const std::array<FColor, 4> stateColors
        = { FColor(255, 0, 0), FColor(0, 255, 0), FColor(0, 0, 255), FColor(0, 0, 0) };
    std::array<S32, 4> shapeIds {};
    for (std::size_t i = 0; i < stateColors.size(); ++i)
        shapeIds[i]
            = BuildLinkAreaShape(tags, stateColors[i], 0, movieWidthTwips, 0, movieHeightTwips);

    auto* button = new FDTDefineButton2(0);
    // Up, over, down, hit test; the colour transform multiplies every channel by 0, so only
    // the hit area is ever felt and nothing is seen.
    const std::array<std::array<U8, 4>, 4> states
        = { { { 0, 0, 0, 1 }, { 0, 0, 1, 0 }, { 0, 1, 0, 0 }, { 1, 0, 0, 0 } } };
    for (std::size_t i = 0; i < states.size(); ++i) {
        const auto& [hitTest, down, over, up] = states[i];
        button->AddButtonRecord(
            new FButtonRecord2(hitTest, down, over, up, static_cast<U16>(shapeIds[i]), 1,
                new FMatrix(), new FCXFormWAlpha(1, 0, 0, 0, 0, 0, 0, 0, 0, 0)));
    }
    auto* click = new FActionCondition();
    click->AddCondition(kReleasedOverButton);
    click->AddActionRecord(
        new FActionGetURL(new FString(link.c_str()), new FString(target.c_str())));
    button->AddActionCondition(click);
    tags.Add(button);
    tags.Add(NewPlacement(button->CharacterId(), kLinkButtonDepth));
}

} // namespace brindlecast
