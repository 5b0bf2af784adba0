// render-icons: writes the program icon as the PNG and SVG files a desktop
// installs, from the same drawing as the windows' icon. A build-only helper;
// it is not installed.
//
//   render-icons DIR NAME SIZE...
//
// writes DIR/SIZExSIZE/apps/NAME.png for each SIZE and DIR/scalable/apps/NAME.svg,
// the layout of an icon theme such as hicolor.
#include "assets/Pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <string>

namespace {

// The SVG is drawn on the icon's own 32-unit grid.
constexpr int SvgGrid = 32;

bool WriteFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

bool WritePng(const QString& path, int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return corvane::ProgramIconImage(size).save(&buffer, "PNG") && WriteFile(path, bytes);
}

bool WriteSvg(const QString& path, const QString& name) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(SvgGrid, SvgGrid));
    svg.setViewBox(QRect(0, 0, SvgGrid, SvgGrid));
    svg.setTitle(name);
    svg.setDescription(QStringLiteral("The program icon of Corvane"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    corvane::PaintProgramIcon(p, SvgGrid);
    if (!p.end()) return false;
    return !bytes.isEmpty() && WriteFile(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: render-icons DIR NAME SIZE...\n");
        return 2;
    }
    const QString dir = args[0];
    const QString name = args[1];
    for (const QString& text : args.mid(2)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "render-icons: bad size %s\n", text.toLocal8Bit().constData());
            return 2;
        }
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(dir).arg(size).arg(name);
        if (!WritePng(path, size)) {
            std::fprintf(stderr, "render-icons: cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    const QString svgPath = QStringLiteral("%1/scalable/apps/%2.svg").arg(dir, name);
    if (!WriteSvg(svgPath, name)) {
        std::fprintf(stderr, "render-icons: cannot write %s\n", svgPath.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
