#include "export/PartsFileWriter.h"
#include "export/RoofShape.h"
#include "model/Building.h"

#include <algorithm>

// The flat-topped roof's sloping sides on all four sides, all with the one inset of the roof
// angle; the top shrinks to a ridge or a point rather than the sides crossing.
SRoofShape FlatToppedHippedRoof(const CBuildingElement& element)
{
    const std::optional<CRoofFrame> frame = RoofFrameOf(element);
    if (!frame)
        return {};
    const Coord shorterSide = std::min(frame->Span(), frame->Length());
    const Coord inset = CPartsFileWriter::FlatToppedInset(element.m_roofHeight, element.m_roofAngle, shorterSide);
    return HipsToTop(*frame, inset, inset);
}
