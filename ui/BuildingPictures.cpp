#include "ui/BuildingPictures.h"

#include "model/ChoiceCodes.h"

#include <QGuiApplication>
#include <QIcon>
#include <QString>

// Resources of a static library are registered only when asked for by name.
static void RegisterBuildingResources()
{
    Q_INIT_RESOURCE(building);
}

namespace {

// The pictures are drawings, rendered for the screen's pixel density so that they stay sharp.
QPixmap LoadPicture(const char* name, QSize size)
{
    RegisterBuildingPictures();
    const qreal density = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return QIcon(QStringLiteral(":/building/") + QLatin1String(name)).pixmap(size, density);
}

constexpr QSize kRoofSize(13, 15);
constexpr QSize kDoorSize(32, 32);

} // namespace

void RegisterBuildingPictures()
{
    static const bool registered = (RegisterBuildingResources(), true);
    Q_UNUSED(registered);
}

QPixmap RoofPicture(int roofType)
{
    switch (roofType) {
    case kRoofGable:
        return LoadPicture("roof-gable.svg", kRoofSize);
    case kRoofHipped:
        return LoadPicture("roof-hipped.svg", kRoofSize);
    case kRoofHalfHipped:
        return LoadPicture("roof-half-hipped.svg", kRoofSize);
    case kRoofFlatTopped:
        return LoadPicture("roof-flat-topped.svg", kRoofSize);
    case kRoofFlatToppedHipped:
        return LoadPicture("roof-flat-topped-hipped.svg", kRoofSize);
    case kRoofLeanTo:
        return LoadPicture("roof-lean-to.svg", kRoofSize);
    default:
        return {};
    }
}

QPixmap DoorIcon(int mainType)
{
    switch (mainType) {
    case kDecorationBaseA:
        return LoadPicture("door-square-top.svg", kDoorSize);
    case kDecorationBaseB:
        return LoadPicture("door-arched-top.svg", kDoorSize);
    default:
        return {};
    }
}
