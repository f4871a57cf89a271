// Renders the application icon drawing at every size the desktops' icon themes ask for:
// render_icons DRAWING.svg FOLDER writes FOLDER/SIZExSIZE.png. Run by the app_icons target.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: render_icons DRAWING.svg FOLDER\n", stderr);
        return 2;
    }
    const QIcon drawing(QString::fromLocal8Bit(argv[1]));
    QDir folder(QString::fromLocal8Bit(argv[2]));
    folder.mkpath(QStringLiteral("."));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage image = drawing.pixmap(size, size).toImage();
        if (image.isNull() || !image.save(folder.filePath(QStringLiteral("%1x%1.png").arg(size)))) {
            std::fprintf(stderr, "render_icons: cannot render %dx%d\n", size, size);
            return 1;
        }
    }
    return 0;
}
