// Renders drawings as pictures, for the icon themes and for systems without an SVG reader:
//   render_icons DRAWING.svg FOLDER              FOLDER/SIZExSIZE.png at every theme size
//   render_icons DRAWING.svg PICTURE.png SCALE   one picture at SCALE times the drawing's size
//   render_icons DRAWING.svg ICON.ico            a Windows icon holding the sizes Windows shows
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <cstdio>

namespace {

QImage Render(const QIcon& drawing, QSize size)
{
    return drawing.pixmap(size).toImage();
}

int WriteThemeSizes(const QIcon& drawing, const QString& folderPath)
{
    QDir folder(folderPath);
    folder.mkpath(QStringLiteral("."));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage image = Render(drawing, QSize(size, size));
        if (image.isNull() || !image.save(folder.filePath(QStringLiteral("%1x%1.png").arg(size)))) {
            std::fprintf(stderr, "render_icons: cannot render %dx%d\n", size, size);
            return 1;
        }
    }
    return 0;
}

int WritePicture(const QString& drawingPath, const QString& picturePath, int scale)
{
    const QSize size = QImageReader(drawingPath).size() * scale;
    const QImage image = size.isEmpty() ? QImage() : Render(QIcon(drawingPath), size);
    if (image.size() != size || !image.save(picturePath, "PNG")) {
        std::fprintf(stderr, "render_icons: cannot render %s\n", qPrintable(drawingPath));
        return 1;
    }
    return 0;
}

// An icon file whose pictures are PNG streams, as Windows reads them since Vista.
int WriteIconFile(const QIcon& drawing, const QString& iconPath)
{
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    QList<QByteArray> pictures;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!Render(drawing, QSize(size, size)).save(&buffer, "PNG")) {
            std::fprintf(stderr, "render_icons: cannot render %dx%d\n", size, size);
            return 1;
        }
        pictures << png;
    }
    QByteArray icon;
    const auto add16 = [&icon](quint16 value) { icon.append(reinterpret_cast<const char*>(&value), 2); };
    const auto add32 = [&icon](quint32 value) { icon.append(reinterpret_cast<const char*>(&value), 4); };
    add16(qToLittleEndian<quint16>(0));
    add16(qToLittleEndian<quint16>(1)); // an icon, not a cursor
    add16(qToLittleEndian<quint16>(static_cast<quint16>(pictures.size())));
    quint32 offset = 6 + 16 * static_cast<quint32>(pictures.size());
    for (qsizetype index = 0; index < pictures.size(); ++index) {
        const int size = sizes[index];
        icon.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        icon.append(char(size >= 256 ? 0 : size));
        icon.append(char(0)); // no palette
        icon.append(char(0));
        add16(qToLittleEndian<quint16>(1));  // planes
        add16(qToLittleEndian<quint16>(32)); // bits per pixel
        add32(qToLittleEndian<quint32>(static_cast<quint32>(pictures[index].size())));
        add32(qToLittleEndian<quint32>(offset));
        offset += static_cast<quint32>(pictures[index].size());
    }
    for (const QByteArray& picture : pictures)
        icon += picture;
    QFile file(iconPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(icon) != icon.size()) {
        std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(iconPath));
        return 1;
    }
    return 0;
}

}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 4)
        return WritePicture(arguments[1], arguments[2], arguments[3].toInt());
    if (arguments.size() == 3 && arguments[2].endsWith(QLatin1String(".ico")))
        return WriteIconFile(QIcon(arguments[1]), arguments[2]);
    if (arguments.size() == 3)
        return WriteThemeSizes(QIcon(arguments[1]), arguments[2]);
    std::fputs("usage: render_icons DRAWING.svg FOLDER | PICTURE.png SCALE | ICON.ico\n", stderr);
    return 2;
}
