// render_icon SVG SIZE PNG: draws an SVG icon on a transparent square of SIZE pixels and saves
// it as PNG, so that the icon theme's bitmaps come from the one drawing.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv); // the fonts of the icon's letter
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    bool sizeOk = false;
    const int size = arguments.value(2).toInt(&sizeOk);
    if (arguments.size() != 4 || !sizeOk || size <= 0) {
        err << "usage: render_icon SVG SIZE PNG\n";
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        err << "render_icon: cannot read " << arguments[1] << "\n";
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(arguments[3], "PNG")) {
        err << "render_icon: cannot write " << arguments[3] << "\n";
        return 1;
    }
    return 0;
}
