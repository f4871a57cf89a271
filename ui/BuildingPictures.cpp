#include "ui/BuildingPictures.h"

#include "model/ChoiceCodes.h"

#include <QString>

// Resources of a static library are registered only when asked for by name.
static void RegisterBuildingResources()
{
    Q_INIT_RESOURCE(building);
}

namespace {

QPixmap LoadPicture(const char* name)
{
    static const bool registered = (RegisterBuildingResources(), true);
    Q_UNUSED(registered);
    return QPixmap(QStringLiteral(":/building/") + QLatin1String(name));
}

} // namespace

QPixmap RoofPicture(int roofType)
{
    switch (roofType) {
    case kRoofGable:
        return LoadPicture("roof-gable.png");
    case kRoofFlatTopped:
        return LoadPicture("roof-flat-topped.png");
    case kRoofLeanTo:
        return LoadPicture("roof-lean-to.png");
    default:
        return {};
    }
}

QPixmap DoorIcon(int mainType)
{
    switch (mainType) {
    case kDecorationBaseA:
        return LoadPicture("door-square-top.png");
    case kDecorationBaseB:
        return LoadPicture("door-arched-top.png");
    default:
        return {};
    }
}
