// SPDX-License-Identifier: MIT
// Decodes pictures at build time and writes them as C++ arrays in the pixel format the windows
// draw them in (32-bit RGB, premultiplied ARGB where a picture has transparency), so that the
// program shows them at start-up without an image decoder.
//
// Usage: picturebake OUTPUT.cpp RESOURCE_PATH=FILE...
// For example  picturebake baked.cpp :/pictures/background.bmp=resources/pictures/background.bmp
// The output defines ui::kBakedPictures and ui::kBakedPictureCount (ui/common/baked_pictures.h).
// Exits with 1 when a picture cannot be read or any part of the output cannot be written, the
// last buffered bytes and the closing of the file included: a build never goes on with a
// source cut short.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>

namespace {

int cannotWrite(const QFile &out) {
    std::fprintf(stderr, "picturebake: cannot write %s: %s\n", qPrintable(out.fileName()),
                 qPrintable(out.errorString()));
    return 1;
}

}  // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);  // the image format plugins
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: picturebake OUTPUT.cpp RESOURCE_PATH=FILE...\n");
        return 2;
    }
    QFile out(arguments[1]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return cannotWrite(out);
    QTextStream cpp(&out);
    cpp << "// Written by tools/picturebake at build time: the start-up pictures, decoded.\n"
           "#include \"ui/common/baked_pictures.h\"\n\nnamespace ui {\nnamespace {\n";
    QString table;
    for (int i = 2; i < arguments.size(); ++i) {
        const QString path = arguments[i].section(QLatin1Char('='), 0, 0);
        const QString file = arguments[i].section(QLatin1Char('='), 1);
        QImage image(file);
        if (image.isNull()) {
            std::fprintf(stderr, "picturebake: cannot read %s\n", qPrintable(file));
            return 1;
        }
        const QImage::Format format =
            image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        image = image.convertToFormat(format);
        cpp << "alignas(64) const unsigned char kPixels" << i << "[] = {";
        const qsizetype rowBytes = qsizetype(image.width()) * 4;
        for (int y = 0; y < image.height(); ++y) {
            const uchar *line = image.constScanLine(y);
            for (qsizetype x = 0; x < rowBytes; ++x)
                cpp << (x % 32 ? "" : "\n") << unsigned(line[x]) << ',';
        }
        cpp << "};\n";
        table += QStringLiteral("    {\"%1\", %2, %3, QImage::%4, kPixels%5},\n")
                     .arg(path)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(format == QImage::Format_RGB32 ? "Format_RGB32"
                                                         : "Format_ARGB32_Premultiplied")
                     .arg(i);
    }
    cpp << "}  // namespace\n\nconst BakedPicture kBakedPictures[] = {\n"
        << table << "};\nconst int kBakedPictureCount = " << arguments.size() - 2
        << ";\n\n}  // namespace ui\n";
    cpp.flush();
    if (cpp.status() != QTextStream::Ok || !out.flush()) return cannotWrite(out);
    out.close();
    return out.error() == QFileDevice::NoError ? 0 : cannotWrite(out);
}
