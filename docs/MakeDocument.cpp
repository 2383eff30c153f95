// Lays out one of the program's HTML documents as a PDF file: makedocument IN.html OUT.pdf.
// The build runs it on the offscreen platform, so no display is needed.

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {

int Fail(const char* what, const char* path)
{
    std::fprintf(stderr, "makedocument: %s: %s\n", what, path);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makedocument IN.html OUT.pdf\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    // Without a font every letter would be left out, and the PDF would still look made.
    if (QFontDatabase::families().isEmpty())
        return Fail("no font is installed (tools/install-packages.sh installs one)", argv[2]);

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly))
        return Fail("cannot read", argv[1]);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator("Vesk Tunelo");
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    document.print(&pdf);
    return 0;
}
