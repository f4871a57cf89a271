#include "export/RoofShape.h"

#include <algorithm>

// The ridge roof's long slopes, each reaching half the span inwards, with the ends sloping
// as far in as that, or to the middle of a block no longer than it is wide: a pyramid.
SRoofShape HippedRoof(const CBuildingElement& element)
{
    const std::optional<CRoofFrame> frame = RoofFrameOf(element);
    if (!frame)
        return {};
    const Coord across = frame->Span() / 2;
    const Coord along = std::min(across, frame->Length() / 2);
    return HipsToTop(*frame, across, along);
}
