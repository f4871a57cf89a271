#include "export/RoofShape.h"

#include <algorithm>

// The ridge roof with its gable walls stopping halfway up the roof; above them each end is a
// small hip rising to the ridge, which it shortens by the run of the upper half of a slope.
SRoofShape HalfHippedRoof(const CBuildingElement& element)
{
    const std::optional<CRoofFrame> frame = RoofFrameOf(element);
    if (!frame)
        return {};
    const auto at = [&](Coord s, Coord l, Coord z) { return frame->At(s, l, z); };
    const Coord S = frame->Span();
    const Coord L = frame->Length();
    const Coord E = frame->Eaves();
    const Coord T = frame->Top();
    // The gables' tops at G, `gable` in from the eaves; the ridge `hip` in from each end.
    const Coord G = E + (T - E) / 2;
    const Coord ridge = S / 2;
    const Coord upperRun = S / 4;
    const Coord gable = ridge - upperRun;
    const Coord hip = std::min(upperRun, L / 2);

    SRoofShape shape;
    for (const Coord l : {Coord(0), L})
        shape.walls.AddQuad(at(0, l, E), at(S, l, E), at(S - gable, l, G), at(gable, l, G));

    // Each slope in two: below the gables' tops, and from there to the ridge.
    shape.cover.AddQuad(at(0, 0, E), at(0, L, E), at(gable, L, G), at(gable, 0, G));
    shape.cover.AddQuad(at(gable, 0, G), at(gable, L, G), at(ridge, L - hip, T), at(ridge, hip, T));
    if (S - ridge * 2 > 0 && L - hip * 2 > 0)
        shape.cover.AddQuad(at(ridge, hip, T), at(S - ridge, hip, T), at(S - ridge, L - hip, T),
            at(ridge, L - hip, T));
    shape.cover.AddQuad(at(S, L, E), at(S, 0, E), at(S - gable, 0, G), at(S - gable, L, G));
    shape.cover.AddQuad(at(S - gable, L, G), at(S - gable, 0, G), at(S - ridge, hip, T), at(S - ridge, L - hip, T));
    shape.cover.AddQuad(at(gable, 0, G), at(S - gable, 0, G), at(S - ridge, hip, T), at(ridge, hip, T));
    shape.cover.AddQuad(at(S - gable, L, G), at(gable, L, G), at(ridge, L - hip, T), at(S - ridge, L - hip, T));

    for (const Coord l : {Coord(0), L}) {
        shape.lines.AddSegment(at(0, l, E), at(gable, l, G));
        shape.lines.AddSegment(at(S, l, E), at(S - gable, l, G));
    }
    shape.lines.AddSegment(at(gable, 0, G), at(ridge, hip, T));
    shape.lines.AddSegment(at(gable, L, G), at(ridge, L - hip, T));
    shape.lines.AddSegment(at(S - gable, 0, G), at(S - ridge, hip, T));
    shape.lines.AddSegment(at(S - gable, L, G), at(S - ridge, L - hip, T));
    AddTopOutline(shape.lines, *frame, ridge, hip);
    return shape;
}
