// quorix-rawpixels OUT.cpp NAME=PICTURE.png...: a build step. Writes OUT.cpp
// with one function per picture, `QImage quorix::fixedpictures::NAME()`,
// returning the picture's pixels as 32-bit RGB compiled into the program.
// The screens show them without decoding anything: reading the menu's PNG
// through the image plugins took a noticeable share of start-up.

#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

bool writePicture(QFile &out, const QString &name, const QString &fileName)
{
    QImage image(fileName, "PNG");
    if (image.isNull()) {
        std::fprintf(stderr, "quorix-rawpixels: cannot read the picture %s\n", qPrintable(fileName));
        return false;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    const QByteArray pixelsName = name.toLatin1() + "Pixels";
    QByteArray text = "namespace {\nalignas(4) const char " + pixelsName + "[] =";
    const QByteArrayView bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    constexpr char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            text += "\n    \"";
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text += "\\x";
        text += hex[byte >> 4];
        text += hex[byte & 15];
        if (i % 32 == 31 || i + 1 == bytes.size())
            text += '"';
    }
    text += ";\n} // namespace\n\n";
    text += "QImage " + name.toLatin1() + "()\n{\n    return QImage(reinterpret_cast<const uchar *>("
        + pixelsName + "), " + QByteArray::number(image.width()) + ", " + QByteArray::number(image.height())
        + ", " + QByteArray::number(image.bytesPerLine()) + ", QImage::Format_RGB32);\n}\n\n";
    return out.write(text) == text.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: quorix-rawpixels OUT.cpp NAME=PICTURE.png...\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "quorix-rawpixels: cannot write %s\n", argv[1]);
        return 1;
    }
    out.write("// Written by quorix-rawpixels from ui/pictures; not to be edited.\n\n"
              "#include \"ui/fixedpictures.h\"\n\nnamespace quorix::fixedpictures {\n\n");
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        if (equals <= 0)
            std::fprintf(stderr, "quorix-rawpixels: expected NAME=PICTURE.png, not %s\n", argv[i]);
        if (equals <= 0 || !writePicture(out, arg.left(equals), arg.mid(equals + 1))) {
            out.remove();
            return 1;
        }
    }
    out.write("} // namespace quorix::fixedpictures\n");
    if (!out.flush()) {
        out.remove();
        return 1;
    }
    return 0;
}
